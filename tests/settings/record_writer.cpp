// Child process of the kill test: rewrites a card's record in a loop, alternating between two
// complete records, until it is killed.
//
//   settings_record_writer ROOT          through R640SettingManager::saveData
//   settings_record_writer ROOT --naive  truncate and write in place (shows the test has teeth)

#include "kill_test_records.h"

#include "settings/store/r640_setting_manager.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const QString root = QString::fromLocal8Bit(argv[1]);
    const bool naive = argc > 2 && qstrcmp(argv[2], "--naive") == 0;

    drovik::R640SettingManager managers[2];
    for (int i = 0; i < 2; ++i) {
        const drovik::test::KillTestRecord &record = drovik::test::killTestRecord(i);
        managers[i].setSettingDirPath(root);
        managers[i].setModelType(record.modelType);
        managers[i].applyRecordBytes(record.bytes, drovik::kSetupRecordFieldCount);
    }
    if (naive)
        QDir().mkpath(root + QStringLiteral("/SETTING"));
    QElapsedTimer timer;
    timer.start();
    for (long n = 0; timer.elapsed() < 60000; ++n) {
        drovik::R640SettingManager &manager = managers[n % 2];
        if (naive) {
            QFile file(root + QStringLiteral("/SETTING/setup.cfg"));
            if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
                return 1;
            const QByteArray bytes = manager.recordBytes();
            file.write(bytes.left(100));
            file.flush();
            file.write(bytes.mid(100));
        } else if (manager.saveData() != drovik::CardWriteStatus::Written) {
            return 1;
        }
        if (n == 1) {
            std::fputs("ready\n", stdout);
            std::fflush(stdout);
        }
    }
    return 0;
}
