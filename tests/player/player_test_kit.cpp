#include "player_test_kit.h"

#include "playback/player/mpv_controller.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace drovik::test {

namespace {

void ffmpeg(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral("ffmpeg"),
                  QStringList{QStringLiteral("-hide_banner"), QStringLiteral("-loglevel"),
                              QStringLiteral("error"), QStringLiteral("-y")} + arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        ADD_FAILURE() << "ffmpeg failed: " << arguments.join(QLatin1Char(' ')).toStdString()
                      << process.readAllStandardError().toStdString();
}

QStringList lavfi(const QString &source)
{
    return {QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"), source};
}

// H.264 with a key frame every half second, as dashboard cameras write it.
QStringList h264(const QString &seconds)
{
    return {QStringLiteral("-t"), seconds, QStringLiteral("-c:v"), QStringLiteral("libx264"),
            QStringLiteral("-preset"), QStringLiteral("ultrafast"), QStringLiteral("-g"),
            QStringLiteral("15"), QStringLiteral("-pix_fmt"), QStringLiteral("yuv420p")};
}

Clips makeClips()
{
    static QTemporaryDir folder;
    Clips made;
    made.folder = folder.path();
    auto path = [&](const char *name) { return folder.filePath(QLatin1String(name)); };
    made.pattern = path("pattern.mov");
    made.blue = path("blue.mov");
    made.shortClip = path("short.mov");
    made.wide = path("wide.mov");
    made.audioOnly = path("tone.mov");
    const QString pattern = QStringLiteral("testsrc2=size=320x180:rate=30");
    const QString aac[] = {QStringLiteral("-c:a"), QStringLiteral("aac")};
    ffmpeg(lavfi(pattern) + lavfi(QStringLiteral("sine=frequency=440:duration=15")) + h264(QStringLiteral("15"))
           << aac[0] << aac[1] << made.pattern);
    ffmpeg(lavfi(QStringLiteral("color=c=0x2040d0:size=320x180:rate=30")) + h264(QStringLiteral("12"))
           << made.blue);
    ffmpeg(lavfi(pattern) + h264(QStringLiteral("2")) << made.shortClip);
    ffmpeg(lavfi(pattern) + h264(QStringLiteral("2"))
           << QStringLiteral("-vf") << QStringLiteral("setsar=2") << made.wide);
    ffmpeg(lavfi(QStringLiteral("sine=frequency=440:duration=3")) << aac[0] << aac[1] << made.audioOnly);
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

double litFraction(const QImage &image)
{
    if (image.isNull())
        return 0.0;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    qint64 lit = 0;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            lit += (qRed(line[x]) + qGreen(line[x]) + qBlue(line[x])) > 48 ? 1 : 0;
    }
    return double(lit) / (double(rgb.width()) * rgb.height());
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

double blueFraction(const QImage &image)
{
    if (image.isNull())
        return 0.0;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    qint64 blue = 0;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            blue += qBlue(line[x]) > 150 && qRed(line[x]) < 100 && qGreen(line[x]) < 120 ? 1 : 0;
    }
    return double(blue) / (double(rgb.width()) * rgb.height());
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
