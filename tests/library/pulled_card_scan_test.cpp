// A card pulled while its clips are being listed: the scan ends, never crashes, and lists only
// clips that were on the card; with the card back it lists them all again.
#include "card_faults.h"
#include "library/recording_library.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>

#include <thread>

using namespace drovik;
using namespace drovik::test;

namespace {

TEST(PulledCardScan, AFaultDuringTheScanGivesAPartOfTheCardAndTheWholeOnceItIsBack)
{
    // In memory where there is a tmpfs: the listing races the fault many times, and a disk's slow
    // metadata would make that minutes.
    const bool shm = QFileInfo(QStringLiteral("/dev/shm")).isWritable();
    const QTemporaryDir tmp((shm ? QStringLiteral("/dev/shm") : QDir::tempPath()) + QStringLiteral("/drovik-scan-XXXXXX"));
    ASSERT_TRUE(tmp.isValid());
    const auto path = [&](const QString &relative) -> QString { return tmp.path() + QLatin1Char('/') + relative; };
    const QString card = path(QStringLiteral("CARD"));
    QStringList names;
    QStringList clips;
    for (const char *folder : {"cont_rec", "evt_rec/2026", "Saved_Videos", "sos_rec"}) {
        for (int i = 0; i < 150; ++i) {
            names.append(QStringLiteral("CARD/%1/%2_F.mp4").arg(QLatin1String(folder)).arg(i, 4, 10, QLatin1Char('0')));
            clips.append(path(names.constLast()));
            ASSERT_TRUE(QDir().mkpath(QFileInfo(clips.constLast()).path()));
            ASSERT_TRUE(writeFile(clips.constLast(), {}));
        }
    }
    const QSet<QString> onCard(clips.cbegin(), clips.cend());
    ASSERT_TRUE(copyTree(card, path(QStringLiteral("saved"))));

    constexpr int kRounds = 8;
    for (const CardFault fault : kAllCardFaults) {
        SCOPED_TRACE(faultName(fault));
        for (int round = 0; round < kRounds; ++round) {
            ASSERT_TRUE(putCardBack(path(QStringLiteral("saved")), card));
            QStringList listed;
            std::thread scan([&] { listed = scanSelectedFolderPaths(card); });
            // The fault lands at a different point of the listing each round.
            std::this_thread::sleep_for(std::chrono::microseconds(200 * round));
            applyCardFault(fault, card, clips);
            scan.join();
            QSet<QString> unique(listed.cbegin(), listed.cend());
            EXPECT_EQ(unique.size(), listed.size()) << "a clip listed twice";
            EXPECT_TRUE(unique.subtract(onCard).isEmpty()) << "listed what was never on the card";
        }
        ASSERT_TRUE(putCardBack(path(QStringLiteral("saved")), card));
        EXPECT_EQ(scanSelectedFolderPaths(card).size(), clips.size());
    }
}

} // namespace
