// Hand-overs that must not leave anyone behind: the editor's Reset replacing the shared settings
// manager, and a reformat runner dropped while the card is being formatted.
#include "card_fixture.h"

#include "platform/volume_monitor.h"
#include "settings/store/card_maintenance.h"
#include "settings/store/r640_setting_manager.h"
#include "settings/store/setting_manager_holder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

using namespace drovik;
using namespace drovik::test;

namespace {

// Whether this process has a child, running or not yet reaped.
bool hasChildProcess()
{
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString &task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile children(tasks.filePath(task + QStringLiteral("/children")));
        if (children.open(QIODevice::ReadOnly) && !children.readAll().trimmed().isEmpty())
            return true;
    }
    return false;
}

TEST(Handover, ResetHandsTheReplacingManagerToItsEditors)
{
    TempFolder card;
    SettingManagerHolder holder(nullptr);
    struct Case { bool hasDefaultRecord; ModelType model; ResetOutcome outcome; };
    const Case cases[] = {{true, Model::R640, ResetOutcome::FromDefaultCfg},
                          {false, Model::R930, ResetOutcome::BuiltInDefaults},
                          {false, Model::V530, ResetOutcome::Unchanged}};
    for (const auto &[hasDefaultRecord, model, outcome] : cases) {
        holder.replace(nullptr);
        QObject editor; // follows the holder's manager as a settings editor does
        R640SettingManager *edited = &holder.manager();
        QObject::connect(&holder, &SettingManagerHolder::managerReplaced, &editor,
                         [&](R640SettingManager &manager) { edited = &manager; });
        R640SettingManager &before = *edited;
        before.setSettingDirPath(card.root());
        before.setModelType(model);
        if (hasDefaultRecord)
            ASSERT_TRUE(card.put(QStringLiteral("SETTING/default.cfg"), makeRecord(432, "R640", 432)));
        else
            QFile::remove(card.path(QStringLiteral("SETTING/default.cfg")));

        EXPECT_EQ(resetSettingsToDefaults(holder), outcome);
        EXPECT_EQ(edited, &holder.manager());
        EXPECT_EQ(edited != &before, hasDefaultRecord);
        EXPECT_EQ(edited->settingDirPath(), card.root());
        // The replaced manager is still there for whoever held it.
        EXPECT_EQ(before.modelType(), model);
    }
}

TEST(Handover, ADroppedReformatRunnerNeitherWaitsForNorKillsTheProgram)
{
    TempFolder volumes;
    ASSERT_TRUE(QDir().mkpath(volumes.path(QStringLiteral("CARD/DCIM"))));
    const VolumeMonitor monitor(volumes.root());
    QTemporaryDir bin;
    // The program waits for "go", which the test writes only after the runner is gone, and
    // leaves "done" behind when it gets there.
    const QString program = bin.filePath(QStringLiteral("reformat"));
    const QByteArray go = bin.filePath(QStringLiteral("go")).toUtf8();
    const QString done = bin.filePath(QStringLiteral("done"));
    writeScript(program, "#!/bin/sh\ni=0\nwhile [ ! -e '" + go + "' ] && [ $i -lt 300 ]; do sleep 0.1; i=$((i+1)); done\n"
                         "[ -e '" + go + "' ] && touch '" + done.toUtf8() + "'\n");
    qputenv("DROVIK_REFORMAT_COMMAND", program.toUtf8());
    {
        ReformatRunner runner(monitor);
        ASSERT_EQ(runner.start(volumes.path(QStringLiteral("CARD"))), FormatCheck::Allowed);
        ASSERT_TRUE(runner.isRunning());
    }
    EXPECT_TRUE(writeFile(QString::fromUtf8(go), QByteArray()));
    // Done, and reaped: the orphaned process object then deletes itself (the leak checker sees it).
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(done) && !hasChildProcess(); }, 20000));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    qunsetenv("DROVIK_REFORMAT_COMMAND");
}

} // namespace
