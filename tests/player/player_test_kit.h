#pragma once

#include "playback/player/drovik_av_view.h"

#include <QImage>
#include <QWidget>

#include <gtest/gtest.h>
#include <QString>

#include <functional>
#include <vector>

namespace drovik::test {

// Clips made once per test program with the real ffmpeg, in a private temporary folder.
struct Clips {
    QString pattern;   // testsrc2 320x180, 30 fps, 15 s, with a tone
    QString blue;      // a flat blue picture 320x180, 30 fps, 12 s
    QString shortClip; // testsrc2 320x180, 30 fps, 2 s
    QString wide;      // 320x180 stored, pixels twice as wide: shown 640x180, 2 s
    QString audioOnly; // a 3 s tone in a MOV file
    QString folder;    // the folder that holds them all
};
const Clips &clips();

// mpv without sound output or hardware decoding, as every test runs it.
void useQuietPlayer();

// Every report of the views it listens to, in arrival order per kind.
struct Reports {
    std::vector<int> statuses;
    std::vector<double> rates;
    std::vector<double> times;
    std::vector<DrovikAVView *> reporters; // the view named in every report
    int ends = 0;
    int fullscreenRequests = 0;
    bool allOnGuiThread = true; // every report arrived on the GUI thread
    // Run inside the report, to try re-entrant calls.
    std::function<void(DrovikAVView *, int)> onStatus;
    std::function<void(DrovikAVView *)> onEnd;

    // Records the view's reports for as long as the view lives; reports must outlive it.
    void listenTo(DrovikAVView *view);
};

bool waitUntil(const std::function<bool()> &condition, int milliseconds = 10000);

// Waits for the last status report to be `status`.
bool waitForReport(const Reports &reports, int status);

// Opens `path` and waits for status 2.
bool openAndWait(DrovikAVView &view, const QString &path);
// Seeks and waits for the landed position to be reported; returns it (NaN on time-out).
double seekAndWait(DrovikAVView &view, Reports &reports, double seconds);

// Share of pixels brighter than near-black.
double litFraction(const QImage &image);
// Mean absolute difference per channel, 0 … 255; 255 when the sizes differ.
double meanDifference(const QImage &a, const QImage &b);
// Share of pixels that are clearly blue.
double blueFraction(const QImage &image);

// Two 320×180 views side by side in one shown window, each reporting to its own recorder.
class TwoViewTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    // The picture a view shows, once more than minimumLit of it is lit (waits up to timeoutMs).
    static QImage shownPicture(DrovikAVView *view, double minimumLit = 0.5, int timeoutMs = 8000);

    Reports leftReports;
    Reports rightReports;
    QWidget window;
    DrovikAVView *left = nullptr;
    DrovikAVView *right = nullptr;
};

} // namespace drovik::test
