// A card pulled out mid-write must hold the old record or the new one, never a mix: kill a
// process that keeps rewriting the record at random moments and look at what is left.
#include "card_fixture.h"
#include "kill_test_records.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

using namespace drovik::test;

namespace {

struct KillOutcome {
    int runs = 0;
    int oldOrNew[2] = {0, 0};
    int torn = 0;
};

KillOutcome killWriterRepeatedly(int runs, const QStringList &extraArgs)
{
    TempFolder card;
    KillOutcome outcome;
    QRandomGenerator random(20240506);
    for (int i = 0; i < runs; ++i) {
        QProcess writer;
        writer.start(QStringLiteral(DROVIK_RECORD_WRITER), QStringList{card.root()} + extraArgs);
        if (!writer.waitForStarted(10000) || !writer.waitForReadyRead(10000)) {
            ADD_FAILURE() << "the writer did not start";
            return outcome;
        }
        QThread::usleep(random.bounded(3000));
        writer.kill();
        writer.waitForFinished(10000);
        ++outcome.runs;
        const QByteArray left = card.get(kSetupFile);
        if (left == killTestRecord(0).bytes)
            ++outcome.oldOrNew[0];
        else if (left == killTestRecord(1).bytes)
            ++outcome.oldOrNew[1];
        else
            ++outcome.torn;
    }
    return outcome;
}

TEST(AtomicWrite, KilledWriterLeavesACompleteRecord)
{
    const KillOutcome outcome = killWriterRepeatedly(220, {});
    EXPECT_EQ(outcome.runs, 220);
    EXPECT_EQ(outcome.torn, 0);
    // Both records were seen on disk, so kills landed between and during different writes.
    EXPECT_GT(outcome.oldOrNew[0], 0);
    EXPECT_GT(outcome.oldOrNew[1], 0);
}


// The same kills against a writer that truncates and rewrites in place do find torn records;
// without this the test above could pass by never hitting a write.
TEST(AtomicWrite, KillTestCatchesAnInPlaceWriter)
{
    const KillOutcome outcome = killWriterRepeatedly(200, {QStringLiteral("--naive")});
    EXPECT_GT(outcome.torn, 0);
}

} // namespace
