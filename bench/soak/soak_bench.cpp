// Plays the demo card's clip list round and round in the real main window for a long time, as a
// user going through a card would: every clip opened by a double-click on its row and played
// for a while with seeks, view switches, zoom and rotation in between, and the settings window
// opened and cancelled every minute. What must stay flat is printed as it goes:
//   sample t_s=… round=… opened=… rss_mb=… heap_mb=… arena_mb=… fds=… threads=… modals=…
//   round_end … (the same figures, the clip stopped and settled)
//   result minutes=… rounds=… rss_first_round_mb=… rss_last_mb=… rss_growth_mb=… rss_trend_mb=…
//          heap_growth_mb=… fds=…→… threads=…→…
// The growth is measured from the end of the first round (caches, players and the map are made
// then) to the end of the last, as read off the straight line through every round's end
// (rss_trend_mb), and as the difference of the two readings (rss_growth_mb). The exit status is
// 1 when the trend is 10 MB or more, or open files or threads grew by more than two (a player's
// worker may be between jobs when sampled).
//   xvfb-run -a -s "-screen 0 1600x1000x24" drovik_soak_bench [--minutes N] [--sample-seconds N]

#include "app/application.h"
#include "app/file_list_controller.h"
#include "event_loop_wait.h"
#include "app/main_window_controller.h"
#include "playback/player/drovik_av_view.h"
#include "playback/playback_controller.h"
#include "playback/view_zoom.h"
#include "testenv.h"
#include "window_services.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <malloc.h>

#include <clocale>
#include <cstdio>
#include <functional>
#include <vector>

using drovik::DrovikAVView;
using drovik::MainWindowController;
using drovik::PlaybackController;

namespace {

struct ProcessFigures {
    double rssMb = 0;
    double heapMb = 0;  // what the program holds from malloc: grows with a leak
    double arenaMb = 0; // what malloc holds from the system: grows with fragmentation too
    int fds = 0;
    int threads = 0;
};

ProcessFigures processFigures()
{
    ProcessFigures figures;
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : status.readAll().split('\n')) {
            const QList<QByteArray> words = line.simplified().split(' ');
            if (words.size() >= 2 && words[0] == "VmRSS:")
                figures.rssMb = words[1].toDouble() / 1024.0;
            else if (words.size() >= 2 && words[0] == "Threads:")
                figures.threads = words[1].toInt();
        }
    }
    const struct mallinfo2 heap = mallinfo2();
    figures.heapMb = double(heap.uordblks + heap.hblkhd) / (1024.0 * 1024.0);
    figures.arenaMb = double(heap.arena + heap.hblkhd) / (1024.0 * 1024.0);
    figures.fds = int(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot
                                                                       | QDir::System)
                          .size());
    return figures;
}

using drovik::bench::idle;
using drovik::bench::waitUntil;

// Closes whatever modal window opens (the settings window, an alert) after it has been shown a
// moment, as a user who looks and cancels; counts them.
class ModalCloser : public QObject {
public:
    ModalCloser()
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal || !modal->isVisible()) {
                m_seen = nullptr;
                return;
            }
            if (modal != m_seen) {
                m_seen = modal;
                m_shown.start();
                ++m_count;
                return;
            }
            if (m_shown.elapsed() < 800)
                return;
            if (auto *dialog = qobject_cast<QDialog *>(modal))
                dialog->done(0);
            else
                modal->close();
            m_seen = nullptr;
        });
        m_timer.start(50);
    }
    int count() const { return m_count; }

private:
    QTimer m_timer;
    QPointer<QWidget> m_seen;
    QElapsedTimer m_shown;
    int m_count = 0;
};

// The growth from the first round's end to the last's along the least-squares line through
// every round's end: memory at one moment swings by a few tens of megabytes with which pages
// of malloc's arenas are in use, which a leak outgrows and a single reading cannot tell from one.
double trendOverRounds(const std::vector<double> &rss)
{
    const std::size_t n = rss.size();
    if (n < 2)
        return 0;
    const double meanRound = (double(n) - 1) / 2;
    double meanRss = 0;
    for (double value : rss)
        meanRss += value / double(n);
    double covariance = 0, variance = 0;
    for (std::size_t k = 0; k < n; ++k) {
        covariance += (double(k) - meanRound) * (rss[k] - meanRss);
        variance += (double(k) - meanRound) * (double(k) - meanRound);
    }
    return covariance / variance * (double(n) - 1);
}

bool makeDemoCard(const QString &card)
{
    QProcess maker;
    maker.setProcessChannelMode(QProcess::ForwardedChannels);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DROVIK_CLI"), QStringLiteral(DROVIK_BINARY_DIR "/src/cli/drovik"));
    maker.setProcessEnvironment(env);
    maker.start(QStringLiteral(DROVIK_SOURCE_DIR "/scripts/make-demo-card"), {card});
    return maker.waitForFinished(600000) && maker.exitStatus() == QProcess::NormalExit && maker.exitCode() == 0;
}

void doubleClickRow(MainWindowController &window, int row)
{
    QTableView *table = window.ui().fileListTableView;
    const QModelIndex index = table->model()->index(row, 0);
    table->scrollTo(index);
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(index).center());
    if (!window.playback()->isPreparing()) // the double-click missed the row
        window.playback()->playVideoWithIdx(row);
}

// One clip: open it, then a little of everything a user does while watching.
void watchClip(MainWindowController &window, int row, QRandomGenerator &random)
{
    PlaybackController &playback = *window.playback();
    doubleClickRow(window, row);
    const DrovikAVView &big = *window.bigMovieView();
    waitUntil([&] { return !playback.isPreparing() && big.status() == DrovikAVView::StatusReadyToPlay; }, 30000);
    for (int step = 0; step < 6; ++step) {
        idle(1000);
        const double duration = std::max(1.0, big.duration());
        switch (step) {
        case 0: playback.seekTimeSliderTouchedUp(random.bounded(duration)); break;
        case 1: playback.toggleVideoSwitchButtonTouched(); break;
        case 2: playback.zoom().zoomIn(); playback.zoom().zoomIn(); break;
        case 3: playback.videoRotateButtonTouched(); break;
        case 4: playback.zoom().reset(); playback.toggleVideoSwitchButtonTouched(); break;
        default: playback.rewindButtonTouched(); break;
        }
    }
}

} // namespace

int main(int argc, char **argv)
{
    drovik::configureMalloc(); // as the viewer does
    drovik::test::isolateEnvironment();
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    const QStringList args = app.arguments();
    auto option = [&](const QString &name, double fallback) {
        const qsizetype at = args.indexOf(name);
        return at >= 0 && at + 1 < args.size() ? args.at(at + 1).toDouble() : fallback;
    };
    const double minutes = option(QStringLiteral("--minutes"), 30);
    const double sampleSeconds = option(QStringLiteral("--sample-seconds"), 30);

    drovik::test::WindowServices services;
    const QString card = services.volumesDir.root() + QStringLiteral("/DROVIK_DEMO");
    if (!makeDemoCard(card)) {
        std::fprintf(stderr, "the demo card could not be made\n");
        return 1;
    }
    std::unique_ptr<MainWindowController> window = services.shownWindow();
    QTemporaryDir workingFolder;
    window->playback()->setWorkingDirectory(workingFolder.path());
    drovik::FileListController &list = window->fileList();
    list.refreshVideoFileListWithURL(QUrl::fromLocalFile(card));
    waitUntil([&] { return !list.isScanning() && !list.filteredVideoFileList().isEmpty(); }, 20000);
    const int rows = int(list.filteredVideoFileList().size());
    if (rows == 0) {
        std::fprintf(stderr, "the demo card lists no clips\n");
        return 1;
    }

    ModalCloser closer;
    QRandomGenerator random(20261207);
    QElapsedTimer clock;
    clock.start();
    const auto seconds = [&] { return clock.elapsed() / 1000.0; };
    double nextSample = 0;
    double nextSettings = 60;
    int round = 0;
    int opened = 0;
    ProcessFigures afterFirstRound;
    ProcessFigures last;
    const auto print = [&](const char *what, const ProcessFigures &f) {
        std::printf("%s t_s=%.0f round=%d opened=%d rss_mb=%.1f heap_mb=%.1f arena_mb=%.1f fds=%d threads=%d "
                    "modals=%d\n",
                    what, seconds(), round, opened, f.rssMb, f.heapMb, f.arenaMb, f.fds, f.threads, closer.count());
        std::fflush(stdout);
    };
    // Compared only in one state, the clip stopped and the players settled, as memory in the
    // middle of a clip swings by tens of megabytes with what is being decoded.
    std::vector<double> roundEndRss;
    const auto endOfRound = [&] {
        window->playback()->stopVideo();
        idle(2000);
        last = processFigures();
        roundEndRss.push_back(last.rssMb);
        print("round_end", last);
    };
    while (seconds() < minutes * 60) {
        for (int row = 0; row < rows && seconds() < minutes * 60; ++row) {
            watchClip(*window, row, random);
            ++opened;
            if (seconds() >= nextSettings) {
                window->settingButtonTouched(nullptr); // modal: the closer cancels it
                nextSettings += 60;
            }
            if (seconds() >= nextSample) {
                print("sample", processFigures());
                nextSample += sampleSeconds;
            }
        }
        ++round;
        endOfRound();
        if (round == 1)
            afterFirstRound = last;
    }
    const double growth = last.rssMb - afterFirstRound.rssMb;
    const double trend = trendOverRounds(roundEndRss);
    std::printf("result minutes=%.1f rounds=%d opened=%d rss_first_round_mb=%.1f rss_last_mb=%.1f rss_growth_mb=%.1f "
                "rss_trend_mb=%.1f heap_growth_mb=%.1f fds=%d->%d threads=%d->%d modals=%d\n",
                seconds() / 60, round, opened, afterFirstRound.rssMb, last.rssMb, growth, trend,
                last.heapMb - afterFirstRound.heapMb, afterFirstRound.fds, last.fds, afterFirstRound.threads,
                last.threads, closer.count());
    std::fflush(stdout);
    QDir(drovik::test::isolatedHome()).removeRecursively();
    return trend >= 10 || last.fds > afterFirstRound.fds + 2 || last.threads > afterFirstRound.threads + 2 ? 1 : 0;
}
