// The card's own settings page in the web settings window, under a real web engine: pages of
// our own play the camera's side of the protocol, and hostile pages try to get out.
#include "../../display/web_test_util.h"
#include "bytes.h"
#include "display/sandboxed_web_view.h"
#include "test_languages.h"
#include "platform/volume_monitor.h"
#include "settings/editor/web_setting_window_controller.h"
#include "temp_folder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QWebEngineDownloadRequest>
#include <QScopeGuard>
#include <QWebEngineProfile>

#include <gtest/gtest.h>

using namespace drovik;

namespace {

// The camera's half: records every call the viewer makes, answers get_cfg, and reports its
// document as loaded the moment it can (before the channel has connected).
const char *const kCameraScript = R"JS(
window.calls = [];
function record(name, args) { calls.push([name].concat(Array.prototype.slice.call(args))); }
var model = { name: 'TESTCAM', cfgSize: 596 };
var current = '';
var cfgToReturn = null;
function set_cfg(hex) { current = hex; record('set_cfg', arguments); }
function setParamLanguage(list) { record('setParamLanguage', [JSON.stringify(list)]); }
function set_language() { record('set_language', arguments); }
function setTimeDate() { record('setTimeDate', arguments); }
function setTimeHour() { record('setTimeHour', arguments); }
function setTimeMin() { record('setTimeMin', arguments); }
function generateSetting(flag) { record('generateSetting', [String(flag)]); }
function update_ok() { record('update_ok', arguments); }
function update_cancel() { record('update_cancel', arguments); }
function get_cfg() { return cfgToReturn === null ? current : cfgToReturn; }
document.addEventListener('DOMContentLoaded', function () {
  Dashcam.docLoadComplete();
  Dashcam.clickedList();
});
)JS";

const char *const kCameraPage =
    "<!DOCTYPE html><html><head><meta charset='utf-8'><script src='camera.js'></script></head>"
    "<body><h1>Test camera</h1></body></html>";

QString s(const char *text) { return QString::fromUtf8(text); }

class WebSettingWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        test::languages().setLanguage(QStringLiteral("en"));
        volumesDir = new test::TempFolder;
        ASSERT_TRUE(volumesDir->put(s("NO NAME/SETTING/html/camera.js"), kCameraScript));
        ASSERT_TRUE(volumesDir->put(s("NO NAME/SETTING/html/index.html"), kCameraPage));
        ASSERT_TRUE(volumesDir->put(s("NO NAME/SETTING/default.cfg"), QByteArray(596, '\x11')));
        ASSERT_TRUE(volumesDir->put(s("NO NAME/SETTING/time.dat"), "2023,12,31,23,59,07,+0900"));
        ASSERT_TRUE(writeRecord(4));
        volumes = new VolumeMonitor(volumesDir->root());
        window = new WebSettingWindowController(nullptr, {*volumes});
        window->setFolder(volumesDir->path(s("NO NAME")));
        window->setLanguages(R640SettingManager::defaultLanguages());
        window->beginModal();
    }

    static void TearDownTestSuite()
    {
        delete window.data();
        delete volumes;
        delete volumesDir;
    }

    // setup.cfg: 596 bytes starting 01 AB FF, cur_language (bytes 428-431) = language.
    static bool writeRecord(quint32 language)
    {
        QByteArray record(596, '\x20');
        record[0] = '\x01';
        record[1] = '\xab';
        record[2] = '\xff';
        test::putLe32(record, 428, language);
        return volumesDir->put(s("NO NAME/SETTING/setup.cfg"), record);
    }

    static QString cardPath(const char *relative) { return volumesDir->path(s("NO NAME/") + s(relative)); }

    // Loads index.html and waits until both the main-frame load and the page's docLoadComplete
    // have reached the window.
    static bool loadPage()
    {
        QSignalSpy ready(window->webView(), &SandboxedWebView::pageReady);
        window->windowDidLoad();
        auto *back = window->findChild<QPushButton *>(s("backButton"));
        return ready.wait(90000) && QTest::qWaitFor([&] { return back->isVisible() && window->didLoadHtml(); }, 20000);
    }

    // The calls the page has received, as JSON text, in order.
    static QJsonArray calls()
    {
        return test::evaluateJson(*window->webView(), s("calls")).array();
    }

    static QJsonArray callsNamed(const char *name)
    {
        QJsonArray named;
        for (const QJsonValue &call : calls()) {
            if (call.toArray().first().toString() == QLatin1String(name))
                named.append(call);
        }
        return named;
    }

    static std::optional<bool> save()
    {
        std::optional<bool> written;
        window->saveConfig([&](bool ok) { written = ok; });
        (void)QTest::qWaitFor([&] { return written.has_value(); }, 20000);
        return written;
    }

    static void answerAlert(int button)
    {
        QMessageBox *box = window->currentAlert();
        ASSERT_TRUE(box);
        box->buttons().at(button)->click();
        box->close();
    }

    static void closeAlert()
    {
        if (QMessageBox *box = window->currentAlert())
            box->close();
        (void)QTest::qWaitFor([] { return !window->currentAlert(); }, 5000);
    }

    static inline test::TempFolder *volumesDir = nullptr;
    static inline VolumeMonitor *volumes = nullptr;
    static inline QPointer<WebSettingWindowController> window;
};

TEST_F(WebSettingWindowTest, ConnectionStartsOnceWithRecordLanguagesAndClock)
{
    ASSERT_TRUE(window);

    for (const quint32 language : {4u, 2u}) {
        ASSERT_TRUE(writeRecord(language));
        ASSERT_TRUE(loadPage());
        EXPECT_TRUE(window->webView()->url().toString(QUrl::FullyEncoded).contains(s("/NO%20NAME/SETTING/html/index.html")));
        // The page's answers come back one by one, after the connection has started.
        QTRY_COMPARE_WITH_TIMEOUT(window->modelName(), s("TESTCAM"), 20000);
        QTRY_COMPARE_WITH_TIMEOUT(window->cfgSize(), 596, 20000);
        const QJsonArray setCfg = callsNamed("set_cfg");
        ASSERT_EQ(setCfg.size(), 1) << "both load signals arrived; set_cfg exactly once";
        const QString hex = setCfg.first().toArray().at(1).toString();
        EXPECT_EQ(hex.size(), 1192);
        EXPECT_TRUE(hex.startsWith(s("01ABFF2020")));
        EXPECT_EQ(callsNamed("setParamLanguage").first().toArray().at(1).toString(), s(R"(["en","fr","es"])"));
        const QJsonArray setLanguage = callsNamed("set_language");
        if (language == 4) {
            ASSERT_EQ(setLanguage.size(), 1);
            EXPECT_EQ(setLanguage.first().toArray().at(1).toString(), s("es"));
        } else {
            EXPECT_TRUE(setLanguage.isEmpty()) << "no language with index 2";
        }
        EXPECT_EQ(callsNamed("setTimeDate").first().toArray().at(1).toString(), s("2023,12,31"));
        EXPECT_EQ(callsNamed("setTimeHour").first().toArray().at(1).toString(), s("23"));
        EXPECT_EQ(callsNamed("setTimeMin").first().toArray().at(1).toString(), s("59"));
        EXPECT_TRUE(window->dateTimeUse());
    }
}

TEST_F(WebSettingWindowTest, RecordRoundTripResetBackAndNotifications)
{
    ASSERT_TRUE(window);
    ASSERT_TRUE(writeRecord(4));
    const QByteArray original = test::readFile(cardPath("SETTING/setup.cfg"));
    ASSERT_TRUE(loadPage());
    // The page hands the record back in lower case with its third byte changed.
    test::evaluate(*window->webView(), s("cfgToReturn = '01ab00' + current.substring(6).toLowerCase(); 0"));
    EXPECT_EQ(save(), true);
    QByteArray expected = original;
    expected[2] = '\0';
    EXPECT_EQ(test::readFile(cardPath("SETTING/setup.cfg")), expected);
    EXPECT_TRUE(window->isVisible()) << "saveConfig alone does not close the window";

    // Reset sends default.cfg and rebuilds the tabs; the back button goes.
    window->findChild<QPushButton *>(s("resetButton"))->click();
    QTRY_VERIFY_WITH_TIMEOUT(callsNamed("generateSetting").size() == 1, 20000);
    EXPECT_EQ(callsNamed("set_cfg").last().toArray().at(1).toString(), QString(1192, QLatin1Char('1')));
    EXPECT_EQ(callsNamed("generateSetting").first().toArray().at(1).toString(), s("true"));
    EXPECT_FALSE(window->findChild<QPushButton *>(s("backButton"))->isVisible());

    // languageSetComplete: generateSetting(false); adasreset removes the calibration file.
    ASSERT_TRUE(volumesDir->put(s("NO NAME/SETTING/ADAS_CAL.dat"), "cal"));
    test::evaluate(*window->webView(), s("Dashcam.languageSetComplete(); Dashcam.adasreset(); 0"));
    QTRY_VERIFY_WITH_TIMEOUT(callsNamed("generateSetting").size() == 2, 20000);
    EXPECT_EQ(callsNamed("generateSetting").last().toArray().at(1).toString(), s("false"));
    QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(cardPath("SETTING/ADAS_CAL.dat")), 5000);

    // A four-part userNoti shows nothing: the alert that opens is the five-part one after it.
    test::evaluate(*window->webView(),
                   s("Dashcam.userNoti('four\\tparts\\t1\\tv'); Dashcam.userNoti('Title\\tAsk\\t3\\tval\\t2'); 0"));
    QTRY_VERIFY_WITH_TIMEOUT(window->currentAlert(), 20000);
    EXPECT_EQ(window->currentAlert()->text(), s("Title"));
    EXPECT_EQ(window->currentAlert()->buttons().size(), 2);
    answerAlert(1);
    QTRY_VERIFY_WITH_TIMEOUT(callsNamed("update_ok").size() == 1, 20000);
    EXPECT_EQ(callsNamed("update_ok").first().toArray(), (QJsonArray{s("update_ok"), 3, s("val")}));
    closeAlert();
    test::evaluate(*window->webView(), s("Dashcam.userNoti('Note\\tDone\\t5\\tx\\t1'); 0"));
    QTRY_VERIFY_WITH_TIMEOUT(window->currentAlert(), 20000);
    EXPECT_EQ(window->currentAlert()->buttons().size(), 1);
    answerAlert(0);
    QTRY_VERIFY_WITH_TIMEOUT(callsNamed("update_cancel").size() == 1, 20000);
    EXPECT_EQ(callsNamed("update_cancel").first().toArray(), (QJsonArray{s("update_cancel"), 5}));
    closeAlert();
}

TEST_F(WebSettingWindowTest, SaveWritesOnlyAWellFormedRecord)
{
    ASSERT_TRUE(window);
    ASSERT_TRUE(writeRecord(4));
    const QByteArray original = test::readFile(cardPath("SETTING/setup.cfg"));
    const QByteArray clock = test::readFile(cardPath("SETTING/time.dat"));
    ASSERT_TRUE(loadPage());
    // What the page returns from get_cfg() and whether the card takes it.
    struct Case { const char *returned; bool written; };
    const Case cases[] = {
        {"''", false},                        // empty
        {"undefined", false},                 // no text at all
        {"'ZZ' + current.substring(2)", false},
        {"current + '0'", false},             // odd length
        {"current + current", false},         // twice the record: over any record's size
        {"'x'.repeat(100 * 1024 * 1024)", false},
        {"current", true},
    };
    for (const Case &c : cases) {
        test::evaluate(*window->webView(), s("cfgToReturn = %1; 0").arg(s(c.returned)));
        EXPECT_EQ(save(), c.written) << c.returned;
        EXPECT_EQ(test::readFile(cardPath("SETTING/setup.cfg")), original) << c.returned;
        EXPECT_EQ(test::readFile(cardPath("SETTING/time.dat")), clock) << c.returned;
        if (!c.written) {
            ASSERT_TRUE(window->currentAlert()) << "the card error is shown";
            EXPECT_TRUE(window->isVisible());
            closeAlert();
        }
    }
    // A clock the page turned on but filled with something that is no date: nothing written.
    test::evaluate(*window->webView(), s("Dashcam['setdate:use']('1'); Dashcam.setdate('2024/05/06\\n,+0000');"
                                         " cfgToReturn = current; 0"));
    QTRY_VERIFY_WITH_TIMEOUT(window->dateTimeUse(), 20000);
    EXPECT_EQ(save(), false);
    EXPECT_EQ(test::readFile(cardPath("SETTING/time.dat")), clock);
    closeAlert();

    // A page that claims a record larger than any camera's still gets no more than the largest.
    const QString script = s("NO NAME/SETTING/html/camera.js");
    ASSERT_TRUE(volumesDir->put(script, QByteArray(kCameraScript).replace("cfgSize: 596", "cfgSize: 1e9")));
    const auto restore = qScopeGuard([&] { volumesDir->put(script, kCameraScript); });
    ASSERT_TRUE(loadPage());
    test::evaluate(*window->webView(), s("cfgToReturn = current + current; 0"));
    EXPECT_EQ(save(), false);
    EXPECT_EQ(test::readFile(cardPath("SETTING/setup.cfg")), original);
    closeAlert();
}

// A server that counts whoever reaches it.
struct Listener {
    QTcpServer server;
    int hits = 0;
    Listener()
    {
        server.listen(QHostAddress::LocalHost);
        QObject::connect(&server, &QTcpServer::newConnection, &server, [this] {
            while (QTcpSocket *socket = server.nextPendingConnection()) {
                ++hits;
                socket->deleteLater();
            }
        });
    }
    QString url(const char *scheme) const
    {
        return s("%1://127.0.0.1:%2/hit").arg(s(scheme)).arg(server.serverPort());
    }
};

// What the hostile page runs first: each attack leaves "read" or "refused" in results[name].
const char *const kAttackHelpers = R"JS(
      window.results = {};
      function done(name, outcome) { results[name] = outcome; }
      function readOk(text) { return text && text.length > 0 ? 'read' : 'refused'; }
      function xhr(url) { var n = name, r = new XMLHttpRequest();
        r.onload = function () { done(n, readOk(r.responseText)); }; r.onerror = function () { done(n, 'refused'); };
        try { r.open('GET', url); r.send(); } catch (e) { done(n, 'refused'); } }
      function fetchIt(url) { var n = name; fetch(url).then(function (r) { return r.text(); })
        .then(function (t) { done(n, readOk(t)); }, function () { done(n, 'refused'); }); }
      function frame(url, pattern) { var n = name, f = document.createElement('iframe'); f.src = url;
        var look = function () { if (n in results) return; var t = '';
          try { t = f.contentDocument.body.textContent; } catch (e) {}
          done(n, (pattern || /root:|SECRET/).test(t) ? 'read' : 'refused'); };
        f.onload = look; setTimeout(look, 3000); document.body.appendChild(f); }
      function img(url) { var n = name, i = new Image(); i.onload = function () { done(n, 'read'); };
        i.onerror = function () { done(n, 'refused'); }; i.src = url; }
      function socket(url) { var n = name; try { var w = new WebSocket(url);
        w.onopen = function () { done(n, 'read'); }; w.onerror = function () { done(n, 'refused'); };
        } catch (e) { done(n, 'refused'); } }
      function rawChannel() { var n = name, heard = false, t = qt.webChannelTransport;
        try { t.onmessage = function () { heard = true; }; } catch (e) {}
        try { t.send(JSON.stringify({ type: 3, id: 999 })); } catch (e) {}
        setTimeout(function () { done(n, heard || typeof QWebChannel !== 'undefined' ? 'read' : 'refused'); }, 1000); }
      function rtcInFrame() { var n = name, f = document.createElement('iframe'); f.src = 'other.html';
        f.onload = function () { var w = f.contentWindow;
          done(n, w && typeof w.RTCPeerConnection === 'function' ? 'read' : 'refused'); };
        document.body.appendChild(f); }
      function channelInFrame() { var n = name, f = document.createElement('iframe'); f.src = 'other.html';
        f.onload = function () { var w = f.contentWindow, t = w && w.qt && w.qt.webChannelTransport;
          done(n, t && /native code/.test(String(t.send)) ? 'read' : 'refused'); };
        document.body.appendChild(f); }
      function download() { var a = document.createElement('a'); a.href = 'camera.js'; a.download = 'x.js';
        document.body.appendChild(a); a.click(); done(name, 'refused'); }
      function beacon(url) { try { navigator.sendBeacon(url, 'x'); } catch (e) {} done(name, 'refused'); }
      function geo() { var n = name; navigator.geolocation.getCurrentPosition(
        function () { done(n, 'read'); }, function () { done(n, 'refused'); }); }
      function post(url) { var f = document.createElement('form'); f.method = 'post'; f.action = url;
        f.target = 'sink'; var s = document.createElement('iframe'); s.name = 'sink';
        document.body.appendChild(s); document.body.appendChild(f); f.submit(); done(name, 'refused'); }
      0)JS";

struct Attack {
    const char *name;
    QString script;
    const char *expected = "refused";
};

// The hostile page's attempts; secret is a file outside the card.
QList<Attack> hostileAttacks(const Listener &listener, const QString &secret)
{
    const QString http = listener.url("http");
    return {
        // The page's own files stay readable: the harness is no blanket refusal.
        {"xhr own file", s("xhr('camera.js')"), "read"},
        {"img own file", s("img('inside.png')"), "read"},
        {"iframe own page", s("frame('other.html', /other/)"), "read"},
        {"xhr passwd", s("xhr('file:///etc/passwd')")},
        {"xhr beside", s("xhr('../setup.cfg')")},
        {"xhr escaped dots", s("xhr('%2e%2e/setup.cfg')")},
        {"xhr secret", s("xhr('%1')").arg(secret)},
        {"xhr symlink up", s("xhr('up/setup.cfg')")},
        {"xhr symlink passwd", s("xhr('passwd')")},
        {"fetch passwd", s("fetchIt('file:///etc/passwd')")},
        {"fetch beside", s("fetchIt('../setup.cfg')")},
        {"iframe passwd", s("frame('file:///etc/passwd')")},
        {"iframe secret", s("frame('%1')").arg(secret)},
        {"img beside", s("img('../beside.png')")},
        {"img symlink", s("img('up/beside.png')")},
        {"img http", s("img('%1')").arg(http)},
        {"fetch http", s("fetchIt('%1')").arg(http)},
        {"xhr https", s("xhr('%1')").arg(listener.url("https"))},
        {"websocket", s("socket('%1')").arg(listener.url("ws"))},
        {"beacon", s("beacon('%1')").arg(http)},
        {"window.open", s("results[name] = window.open('other.html') ? 'read' : 'refused'")},
        {"geolocation", s("geo()")},
        {"form post", s("post('%1')").arg(http)},
        {"raw channel", s("rawChannel()")},
        {"webrtc", s("results[name] = typeof RTCPeerConnection === 'undefined' && typeof"
                     " document.createElement('iframe') === 'object' ? 'refused' : 'read'")},
        {"webrtc in frame", s("rtcInFrame()")},
        {"raw channel in frame", s("channelInFrame()")},
        {"download", s("download()")},
        {"huge argument", s("Dashcam.userNoti('T\\tM\\t1\\tv\\t1' + 'x'.repeat(100 * 1024 * 1024));"
                            " results[name] = 'refused'")},
    };
}

TEST_F(WebSettingWindowTest, HostilePageGetsNothingOut)
{
    ASSERT_TRUE(window);
    // Beside the page's folder: the card's record and a picture; outside the card: a secret.
    QImage(4, 4, QImage::Format_RGB32).save(cardPath("SETTING/beside.png"));
    QImage(4, 4, QImage::Format_RGB32).save(cardPath("SETTING/html/inside.png"));
    ASSERT_TRUE(volumesDir->put(s("secret.txt"), "SECRET-OUTSIDE"));
    ASSERT_TRUE(volumesDir->put(s("NO NAME/SETTING/html/other.html"), "<p>other</p>"));
    QFile::remove(cardPath("SETTING/html/up"));
    QFile::remove(cardPath("SETTING/html/passwd"));
    ASSERT_TRUE(QFile::link(s(".."), cardPath("SETTING/html/up")));
    ASSERT_TRUE(QFile::link(s("/etc/passwd"), cardPath("SETTING/html/passwd")));
    Listener listener;
    ASSERT_TRUE(listener.server.isListening());
    ASSERT_TRUE(loadPage());
    QWebEngineView &view = *window->webView();
    const int windowsBefore = int(QApplication::topLevelWidgets().size());
    // Our own slot runs after the window's, which refuses every download.
    QList<QWebEngineDownloadRequest::DownloadState> downloads;
    QObject::connect(window->webView()->profile(), &QWebEngineProfile::downloadRequested, window,
                     [&](QWebEngineDownloadRequest *download) { downloads << download->state(); });

    // Each attack leaves its outcome in results[name]: "read" (or a server hit) is a breach.
    const QList<Attack> attacks = hostileAttacks(listener, volumesDir->url(s("secret.txt")).toString());
    ASSERT_TRUE(test::evaluate(view, s(kAttackHelpers)));
    for (const Attack &attack : attacks)
        test::evaluate(view, s("var name = '%1'; %2; 0").arg(s(attack.name), attack.script));
    QJsonObject outcomes;
    (void)QTest::qWaitFor([&] {
        outcomes = test::evaluateJson(view, s("results")).object();
        return outcomes.size() == attacks.size();
    }, 30000);
    for (const Attack &attack : attacks)
        EXPECT_EQ(outcomes.value(s(attack.name)).toString(), s(attack.expected)) << attack.name;
    QTRY_COMPARE_WITH_TIMEOUT(downloads.size(), 1, 20000);
    EXPECT_EQ(downloads.first(), QWebEngineDownloadRequest::DownloadCancelled);
    EXPECT_EQ(window->currentAlert(), nullptr) << "the huge notification was dropped";
    EXPECT_EQ(int(QApplication::topLevelWidgets().size()), windowsBefore);

    // Once connected the page stays where it is, whether it goes next door or to the network.
    for (const QString &target : {s("other.html"), listener.url("http")}) {
        test::evaluate(view, s("window.stay = 1; location = '%1'; 0").arg(target));
        QTest::qWait(300);
        EXPECT_EQ(test::evaluate(view, s("window.stay"))->toInt(), 1) << target.toStdString();
    }
    // The page still lies inside its folder and still works.
    EXPECT_TRUE(view.url().path().endsWith(s("/SETTING/html/index.html")));
    EXPECT_EQ(listener.hits, 0) << "nothing reached the network";
    test::evaluate(view, s("Dashcam.clickedList(); 0"));
    QTRY_VERIFY_WITH_TIMEOUT(window->findChild<QPushButton *>(s("backButton"))->isVisible(), 20000);
    EXPECT_EQ(listener.hits, 0);
}

TEST_F(WebSettingWindowTest, FormatFromTheWindowAsksThenRunsTheProgram)
{
    ASSERT_TRUE(window);
    closeAlert();
    qputenv("DROVIK_REFORMAT_COMMAND", "/bin/false");
    window->findChild<QPushButton *>(s("formatButton"))->click();
    ASSERT_TRUE(window->currentAlert());
    ASSERT_EQ(window->currentAlert()->buttons().size(), 2) << "the confirmation";
    answerAlert(1);
    QTRY_VERIFY_WITH_TIMEOUT(window->currentAlert() && window->currentAlert()->buttons().size() == 1, 20000);
    QMessageBox *formatting = window->currentAlert();
    QTRY_VERIFY_WITH_TIMEOUT(formatting->buttons().first()->isEnabled(), 20000);
    EXPECT_TRUE(formatting->informativeText().startsWith(s("Unable to format"))) << formatting->informativeText().toStdString();
    EXPECT_EQ(window->windowTitle(), localized("블랙박스 설정"));
    EXPECT_FALSE(window->windowTitle().isEmpty());
    closeAlert();
    qunsetenv("DROVIK_REFORMAT_COMMAND");
}

TEST_F(WebSettingWindowTest, SaveButtonWritesTheClockAndClosesTheWindow)
{
    ASSERT_TRUE(window);
    ASSERT_TRUE(writeRecord(4));
    QFile::remove(cardPath("SETTING/time.dat"));
    ASSERT_TRUE(loadPage());
    EXPECT_FALSE(window->dateTimeUse()) << "no time.dat";
    test::evaluate(*window->webView(), s("Dashcam['setdate:use']('1'); Dashcam.setdate('2024/05/06');"
                                         " Dashcam['setdate:hour']('13'); Dashcam['setdate:min']('45');"
                                         " Dashcam['setdate:ampm']('PM'); cfgToReturn = current; 0"));
    QTRY_VERIFY_WITH_TIMEOUT(window->dateTimeUse(), 20000);
    QSignalSpy finished(window.data(), &WebSettingWindowController::saveFinished);
    window->findChild<QPushButton *>(s("saveButton"))->click();
    ASSERT_TRUE(finished.wait(20000));
    EXPECT_EQ(test::readFile(cardPath("SETTING/time.dat")), QByteArray("2024,05,06,13,45,00,+0900"));
    QTRY_VERIFY_WITH_TIMEOUT(!window, 20000);
}

// The main window's way in: one window at a time, centred on the main window; Escape, with the
// page focused, cancels and writes nothing.
TEST_F(WebSettingWindowTest, EntryPointOpensOneWindowAndCancelWritesNothing)
{
    ASSERT_FALSE(window) << "the previous test closed it";
    const QByteArray record = test::readFile(cardPath("SETTING/setup.cfg"));
    const QByteArray clock = test::readFile(cardPath("SETTING/time.dat"));
    QWidget mainWindow;
    mainWindow.setGeometry(100, 100, 1400, 900);
    mainWindow.show();
    const QString folder = volumesDir->path(s("NO NAME"));
    const auto languages = R640SettingManager::defaultLanguages();
    QPointer<WebSettingWindowController> opened =
        WebSettingWindowController::showWebSettingWindow(&mainWindow, folder, languages, {*volumes});
    ASSERT_TRUE(opened);
    EXPECT_EQ(WebSettingWindowController::showWebSettingWindow(&mainWindow, folder, languages, {*volumes}), nullptr);
    EXPECT_TRUE(opened->isModal());
    EXPECT_LE((opened->frameGeometry().center() - mainWindow.frameGeometry().center()).manhattanLength(), 40);

    QSignalSpy connected(opened.data(), &WebSettingWindowController::connectionStarted);
    ASSERT_TRUE(connected.wait(90000));
    test::evaluate(*opened->webView(), s("Dashcam['setdate:use']('1'); Dashcam.setdate('2030/01/01');"
                                         " Dashcam['setdate:hour']('01'); Dashcam['setdate:min']('02');"
                                         " cfgToReturn = '00'; 0"));
    QWidget *page = opened->webView()->focusProxy() ? opened->webView()->focusProxy() : opened->webView();
    page->setFocus();
    QTest::keyClick(page, Qt::Key_Escape);
    QTRY_VERIFY_WITH_TIMEOUT(!opened, 20000);
    EXPECT_EQ(test::readFile(cardPath("SETTING/setup.cfg")), record);
    EXPECT_EQ(test::readFile(cardPath("SETTING/time.dat")), clock);
}

} // namespace
