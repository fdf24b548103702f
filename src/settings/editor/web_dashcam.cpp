#include "web_dashcam.h"

#include "settings/editor/web_setting_log.h"
#include "settings/store/web_bridge_protocol.h"

#include <QFile>
#include <QWebEngineScript>

namespace drovik {

namespace {

// The page's half of the bridge. The channel's transport (window.qt) and the QWebChannel class
// stay inside the closure, so the page reaches C++ only through Dashcam's members; a text
// argument longer than the bound is dropped here, before it would cross to the viewer.
const char *const kBridgeScript = R"JS(
(function () {
  // The engine delivers the channel's messages to qt.webChannelTransport.onmessage and takes
  // ours through its send(); both are pinned to this closure so the page can neither talk to
  // the channel past Dashcam nor take its place.
  var real = window.qt && window.qt.webChannelTransport;
  var transport = null;
  if (real) {
    var realSend = real.send, handler = null;
    try {
      Object.defineProperty(real, 'send', { value: function () {}, writable: false, configurable: false });
      Object.defineProperty(real, 'onmessage', { get: function () { return handler; },
                                                 set: function () {}, configurable: false });
      Object.defineProperty(window.qt, 'webChannelTransport', { value: real, writable: false, configurable: false });
      Object.defineProperty(window, 'qt', { value: window.qt, writable: false, configurable: false });
    } catch (e) { console.warn('Dashcam: cannot pin the channel transport: ' + e); }
    transport = { send: function (message) { realSend.call(real, message); } };
    Object.defineProperty(transport, 'onmessage', { get: function () { return handler; },
                                                    set: function (f) { handler = f; } });
  }
  var QWebChannel = (function () {
    var module = undefined;
    %QWEBCHANNEL%
    return QWebChannel;
  })();
  var names = %NAMES%;
  var maxLength = %MAXLENGTH%, maxQueued = %MAXQUEUED%;
  var bridge = null, pending = [];
  function deliver(call) {
    var method = bridge[call[0]];
    if (typeof method === 'function') method.apply(bridge, call[1]);
  }
  function forward(method, args) {
    var list = [];
    if (args.length > 0) {
      var a = args[0];
      var text = typeof a === 'string' ? a
               : (typeof a === 'number' || typeof a === 'boolean') ? String(a) : '';
      if (text.length > maxLength) { console.warn('Dashcam.' + method + ': argument too long'); return; }
      list.push(text);
    }
    if (bridge) deliver([method, list]);
    else if (pending.length < maxQueued) pending.push([method, list]);
  }
  var dashcam = {};
  Object.keys(names).forEach(function (name) {
    var method = names[name];
    Object.defineProperty(dashcam, name, {
      value: function () { forward(method, arguments); }, enumerable: true });
  });
  Object.freeze(dashcam);
  Object.defineProperty(window, 'Dashcam', { value: dashcam, enumerable: true });
  if (!transport) console.warn('Dashcam: no channel transport');
  else {
    new QWebChannel(transport, function (channel) {
      bridge = channel.objects.webDashcam;
      var calls = pending;
      pending = [];
      calls.forEach(deliver);
    });
  }
})();
)JS";

// Peer connections send UDP past the request filter (STUN); the page has no use for them, in
// any frame. A frame inside the page gets no way to the channel either.
const char *const kNoPeerConnectionsScript = R"JS(
['RTCPeerConnection', 'webkitRTCPeerConnection', 'RTCDataChannel', 'RTCSessionDescription'].forEach(function (n) {
  try { Object.defineProperty(window, n, { value: undefined, writable: false, configurable: false }); } catch (e) {}
});
if (window !== window.top && window.qt && window.qt.webChannelTransport) {
  try {
    Object.defineProperty(window.qt.webChannelTransport, 'send', { value: function () {}, writable: false,
                                                                   configurable: false });
  } catch (e) {}
}
)JS";

QString qwebchannelSource()
{
    QFile file(QStringLiteral(":/qtwebchannel/qwebchannel.js"));
    if (!file.open(QIODevice::ReadOnly)) {
        qCCritical(lcWebSetting) << "qwebchannel.js is missing from the resources";
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

} // namespace

WebDashcam::WebDashcam(QObject *parent)
    : QObject(parent)
{
}

const QList<QPair<QString, QString>> &WebDashcam::scriptNames()
{
    static const QList<QPair<QString, QString>> names{
        {QStringLiteral("log"), QStringLiteral("log")},
        {QStringLiteral("getCfg"), QStringLiteral("getCfg")},
        {QStringLiteral("popup"), QStringLiteral("popup")},
        {QStringLiteral("userNoti"), QStringLiteral("showPopup")},
        {QStringLiteral("setdate:use"), QStringLiteral("SetDateUse")},
        {QStringLiteral("setdate"), QStringLiteral("SetDate")},
        {QStringLiteral("setdate:hour"), QStringLiteral("SetDateHour")},
        {QStringLiteral("setdate:min"), QStringLiteral("SetDateMin")},
        {QStringLiteral("setdate:ampm"), QStringLiteral("SetDateAmPm")},
        {QStringLiteral("docLoadComplete"), QStringLiteral("docLoadComplete")},
        {QStringLiteral("languageSetComplete"), QStringLiteral("languageSetComplete")},
        {QStringLiteral("clickedList"), QStringLiteral("clickedList")},
        {QStringLiteral("adasreset"), QStringLiteral("adasreset")},
        {QStringLiteral("format"), QStringLiteral("format")},
        {QStringLiteral("reset"), QStringLiteral("reset")},
    };
    return names;
}

QWebEngineScript WebDashcam::injectedScript()
{
    QString names = QStringLiteral("{");
    for (const auto &[script, method] : scriptNames())
        names += webbridge::jsString(script) + QLatin1Char(':') + webbridge::jsString(method) + QLatin1Char(',');
    names.chop(1);
    names += QLatin1Char('}');
    QString source = QString::fromUtf8(kBridgeScript);
    source.replace(QStringLiteral("%NAMES%"), names)
        .replace(QStringLiteral("%MAXLENGTH%"), QString::number(webbridge::kMaxBridgeTextLength))
        .replace(QStringLiteral("%MAXQUEUED%"), QString::number(webbridge::kMaxQueuedCalls))
        .replace(QStringLiteral("%QWEBCHANNEL%"), qwebchannelSource());

    QWebEngineScript script;
    script.setName(QStringLiteral("drovik-dashcam-bridge"));
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setWorldId(QWebEngineScript::MainWorld);
    script.setRunsOnSubFrames(false);
    script.setSourceCode(source);
    return script;
}

QWebEngineScript WebDashcam::noPeerConnectionsScript()
{
    QWebEngineScript script;
    script.setName(QStringLiteral("drovik-no-peer-connections"));
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setWorldId(QWebEngineScript::MainWorld);
    script.setRunsOnSubFrames(true);
    script.setSourceCode(QString::fromUtf8(kNoPeerConnectionsScript));
    return script;
}

bool WebDashcam::accepted(const char *method, const QString &text) const
{
    if (text.size() <= webbridge::kMaxBridgeTextLength)
        return true;
    qCWarning(lcWebSetting) << "page call refused:" << method << "with" << text.size() << "characters";
    return false;
}

void WebDashcam::log(const QString &text)
{
    if (accepted("log", text))
        qCDebug(lcWebSetting).noquote() << "page log:" << text;
}

void WebDashcam::getCfg(const QString &) {}
void WebDashcam::popup(const QString &) {}
void WebDashcam::SetDateAmPm(const QString &) {}
void WebDashcam::format() {}
void WebDashcam::reset() {}

void WebDashcam::showPopup(const QString &text)
{
    if (accepted("userNoti", text))
        emit userNotificationRequested(text);
}

void WebDashcam::SetDateUse(const QString &text)
{
    if (accepted("setdate:use", text))
        emit dateUseChanged(text == QLatin1String("1"));
}

void WebDashcam::SetDate(const QString &date)
{
    if (accepted("setdate", date))
        emit dateChanged(webbridge::clockDateFromPage(date));
}

void WebDashcam::SetDateHour(const QString &hour)
{
    if (accepted("setdate:hour", hour))
        emit hourChanged(hour);
}

void WebDashcam::SetDateMin(const QString &minute)
{
    if (accepted("setdate:min", minute))
        emit minuteChanged(minute);
}

void WebDashcam::docLoadComplete() { emit documentLoaded(); }
void WebDashcam::languageSetComplete() { emit languageSet(); }
void WebDashcam::clickedList() { emit listClicked(); }
void WebDashcam::adasreset() { emit adasResetRequested(); }

} // namespace drovik
