#include "player_test_kit.h"

#include "playback/player/mpv_controller.h"

#include "programs.h"

#include <QThread>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace drovik::test {

namespace {

const QString kPattern = QStringLiteral("testsrc2=size=320x180:rate=30");

// H.264 with a key frame every half second, as dashboard cameras write it.
bool makeClip(const QString &path, const QString &source, int seconds, const QStringList &extra = {})
{
    return ffmpeg(QStringList{QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"), source} + extra
                  + h264()
                  + QStringList{QStringLiteral("-g"), QStringLiteral("15"), QStringLiteral("-t"),
                                QString::number(seconds), path});
}

Clips makeClips()
{
    static TempFolder folder;
    Clips made{folder.path(QStringLiteral("pattern.mov")), folder.path(QStringLiteral("blue.mov")),
               folder.path(QStringLiteral("short.mov")),   folder.path(QStringLiteral("wide.mov")),
               folder.path(QStringLiteral("tone.mov")),    folder.root()};
    const QStringList tone{QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                           QStringLiteral("sine=frequency=440:duration=15"), QStringLiteral("-c:a"),
                           QStringLiteral("aac")};
    const bool ok = makeClip(made.pattern, kPattern, 15, tone)
                    && makeClip(made.blue, QStringLiteral("color=c=0x2040d0:size=320x180:rate=30"), 12)
                    && makeClip(made.shortClip, kPattern, 2)
                    && makeClip(made.wide, kPattern, 2, {QStringLiteral("-vf"), QStringLiteral("setsar=2")})
                    && ffmpeg(tone + QStringList{QStringLiteral("-t"), QStringLiteral("3"), made.audioOnly});
    EXPECT_TRUE(ok) << "ffmpeg made the clips";
    return made;
}

} // namespace

const Clips &clips()
{
    static const Clips made = makeClips();
    return made;
}

void useQuietPlayer()
{
    MpvController::setExtraOptions({{"ao", "null"}, {"hwdec", "no"}});
}

void Reports::listenTo(DrovikAVView *view)
{
    const auto note = [this](DrovikAVView *reporter) {
        if (QThread::currentThread() != QCoreApplication::instance()->thread())
            allOnGuiThread = false;
        reporters.push_back(reporter);
    };
    QObject::connect(view, &DrovikAVView::didUpdateStatus, view, [this, note](DrovikAVView *v, int status) {
        note(v);
        statuses.push_back(status);
        if (onStatus)
            onStatus(v, status);
    });
    QObject::connect(view, &DrovikAVView::didUpdateRate, view, [this, note](DrovikAVView *v, double rate) {
        note(v);
        rates.push_back(rate);
    });
    QObject::connect(view, &DrovikAVView::didUpdateTime, view, [this, note](DrovikAVView *v, double seconds) {
        note(v);
        times.push_back(seconds);
    });
    QObject::connect(view, &DrovikAVView::didPlayToEndTime, view, [this, note](DrovikAVView *v) {
        note(v);
        ++ends;
        if (onEnd)
            onEnd(v);
    });
    QObject::connect(view, &DrovikAVView::didRequestFullscreen, view, [this, note](DrovikAVView *v) {
        note(v);
        ++fullscreenRequests;
    });
}

bool waitUntil(const std::function<bool()> &condition, int milliseconds)
{
    return QTest::qWaitFor(condition, milliseconds);
}

bool waitForReport(const Reports &reports, int status)
{
    return waitUntil([&] { return !reports.statuses.empty() && reports.statuses.back() == status; });
}

bool openAndWait(DrovikAVView &view, const QString &path)
{
    view.setFileName(path);
    return waitUntil([&] { return view.status() == DrovikAVView::StatusReadyToPlay; });
}

double seekAndWait(DrovikAVView &view, Reports &reports, double seconds)
{
    reports.times.clear();
    view.setCurrentTime(seconds);
    if (!waitUntil([&] { return !reports.times.empty(); }))
        return std::numeric_limits<double>::quiet_NaN();
    return reports.times.back();
}

namespace {
// Share of the image's pixels that pass the test.
double fraction(const QImage &image, bool (*passes)(QRgb))
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    qint64 count = 0;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        count += std::count_if(line, line + rgb.width(), passes);
    }
    return image.isNull() ? 0.0 : double(count) / (double(rgb.width()) * rgb.height());
}
} // namespace

double litFraction(const QImage &image)
{
    return fraction(image, [](QRgb p) { return qRed(p) + qGreen(p) + qBlue(p) > 48; });
}

double blueFraction(const QImage &image)
{
    return fraction(image, [](QRgb p) { return qBlue(p) > 150 && qRed(p) < 100 && qGreen(p) < 120; });
}

double meanDifference(const QImage &a, const QImage &b)
{
    if (a.isNull() || b.isNull() || a.size() != b.size())
        return 255.0;
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    double total = 0.0;
    for (int row = 0; row < x.height(); ++row) {
        const auto *p = reinterpret_cast<const QRgb *>(x.constScanLine(row));
        const auto *q = reinterpret_cast<const QRgb *>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col)
            total += std::abs(qRed(p[col]) - qRed(q[col])) + std::abs(qGreen(p[col]) - qGreen(q[col]))
                     + std::abs(qBlue(p[col]) - qBlue(q[col]));
    }
    return total / (3.0 * x.width() * x.height());
}

void TwoViewTest::SetUpTestSuite()
{
    useQuietPlayer();
    clips();
}

void TwoViewTest::SetUp()
{
    window.resize(660, 200);
    left = new DrovikAVView(&window);
    right = new DrovikAVView(&window);
    left->setGeometry(0, 0, 320, 180);
    right->setGeometry(330, 0, 320, 180);
    leftReports.listenTo(left);
    rightReports.listenTo(right);
    window.show();
}

void TwoViewTest::TearDown()
{
    EXPECT_TRUE(leftReports.allOnGuiThread && rightReports.allOnGuiThread);
}

QImage TwoViewTest::shownPicture(DrovikAVView *view, double minimumLit, int timeoutMs)
{
    QImage picture;
    waitUntil([&] {
        picture = view->grab().toImage();
        return litFraction(picture) > minimumLit;
    }, timeoutMs);
    return picture;
}

} // namespace drovik::test
