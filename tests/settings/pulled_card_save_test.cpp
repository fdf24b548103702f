// The card changed under the open settings editor, between the user's choices and OK: the
// record on the card is whole or the card error is reported, nothing half-written is left, and
// OK works once the card is back.
#include "card_faults.h"
#include "form_fixture.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <cstring>

using namespace drovik;
using namespace drovik::test;

namespace {

TEST(PulledCardSave, OkWritesAWholeRecordOrReportsTheCard)
{
    enum Outcome { Written, CardError };
    const struct {
        const char *fault;
        std::function<bool(const QString &root)> apply;
        Outcome outcome;
    } cases[] = {
        {"card folder removed", [](const QString &root) { return applyCardFault(CardFault::FolderRemoved, root, {}); }, CardError},
        {"record removed", [](const QString &root) { return applyCardFault(CardFault::FileRemoved, root, {root + QLatin1Char('/') + kSetupFile}); }, Written},
        {"record truncated to 0", [](const QString &root) { return applyCardFault(CardFault::TruncatedToZero, root, {root + QLatin1Char('/') + kSetupFile}); }, Written},
        {"record truncated to half", [](const QString &root) { return applyCardFault(CardFault::TruncatedToHalf, root, {root + QLatin1Char('/') + kSetupFile}); }, Written},
        {"record replaced by a folder", [](const QString &root) { return applyCardFault(CardFault::ReplacedByFolder, root, {root + QLatin1Char('/') + kSetupFile}); }, CardError},
        {"setting folder replaced by a file", [](const QString &root) {
             return QDir(root + QStringLiteral("/SETTING")).removeRecursively() && writeFile(root + QStringLiteral("/SETTING"), "x");
         }, CardError},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.fault);
        TempFolder volumes;
        const QString root = volumes.path(QStringLiteral("CARD"));
        const QString saved = volumes.path(QStringLiteral("saved"));
        writeCardRecord(root, Model::R640, [](R640SettingManager &m) { m.setSet_resolution(0); });
        ASSERT_TRUE(copyTree(root, saved));
        const OpenedForm opened = openForm(root);
        const int recordSize = opened.manager().getSaveDataSize();
        ASSERT_GT(recordSize, 0);
        ASSERT_EQ(opened.form->pickCell(QStringLiteral("alwaysRadioGroupFrontResolution"), 1), form::ActionResult::Done);

        ASSERT_TRUE(c.apply(root));
        const QStringList before = filesBelow(root);
        const CardWriteStatus status = opened.form->okButtonTouched();
        EXPECT_EQ(isCardError(status), c.outcome == CardError);
        if (c.outcome == CardError) {
            // Not a byte more on the card, and the card is not made again on the computer's disk.
            EXPECT_EQ(filesBelow(root), before);
            EXPECT_EQ(QFileInfo::exists(root), std::strcmp(c.fault, "card folder removed") != 0);
        } else {
            EXPECT_EQ(readFile(root + QLatin1Char('/') + kSetupFile), opened.manager().recordBytes());
            // The record and, when the clock is set, its file: no temporary file beside them.
            EXPECT_EQ(filesBelow(root).filter(QRegularExpression(QStringLiteral("^SETTING/(setup.cfg|time.dat)$"))),
                      filesBelow(root));
        }

        // The card is back: the editor's OK, pressed again, writes the whole record.
        ASSERT_TRUE(putCardBack(saved, root));
        EXPECT_EQ(opened.form->okButtonTouched(), CardWriteStatus::Written);
        EXPECT_EQ(readFile(root + QLatin1Char('/') + kSetupFile), opened.manager().recordBytes());
        EXPECT_EQ(QFileInfo(root + QLatin1Char('/') + kSetupFile).size(), recordSize);
    }
}

} // namespace
