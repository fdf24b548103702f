#pragma once

// Helpers for the tests that run pages in a real web engine.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <optional>

namespace drovik::test {

// Runs a script in the page and waits for its result.
inline std::optional<QVariant> evaluate(QWebEngineView &view, const QString &script)
{
    std::optional<QVariant> result;
    view.page()->runJavaScript(script, [&](const QVariant &value) { result = value; });
    if (!QTest::qWaitFor([&] { return result.has_value(); }, 20000))
        return std::nullopt;
    return result;
}

// The value of a JavaScript expression, passed through JSON (empty when the page does not answer).
inline QJsonDocument evaluateJson(QWebEngineView &view, const QString &expression)
{
    const auto json = evaluate(view, QStringLiteral("JSON.stringify(%1)").arg(expression));
    return json ? QJsonDocument::fromJson(json->toString().toUtf8()) : QJsonDocument();
}

// Asks the page to read each URL (relative ones against the page) with XMLHttpRequest, one after
// the other; the URLs it could read, in the order given.
inline QStringList readableByPage(QWebEngineView &view, const QStringList &urls)
{
    const QString probe = QStringLiteral(R"(window.probes = {}; (function next(list) {
        var url = list.shift();
        if (url === undefined) return;
        var seen = function (ok) { return function () { probes[url] = ok; next(list); }; };
        var request = new XMLHttpRequest();
        request.onload = seen(true);
        request.onerror = seen(false);
        try { request.open('GET', url); request.send(); } catch (e) { seen(false)(); }
      })(%1); 0)");
    const QByteArray list = QJsonDocument(QJsonArray::fromStringList(urls)).toJson(QJsonDocument::Compact);
    QJsonObject seen;
    const bool answered = evaluate(view, probe.arg(QString::fromUtf8(list))) && QTest::qWaitFor([&] {
        seen = evaluateJson(view, QStringLiteral("probes")).object();
        return seen.size() == urls.size();
    }, 20000);
    if (!answered)
        return {QStringLiteral("(not every URL answered)")};
    QStringList readable;
    for (const QString &url : urls) {
        if (seen.value(url).toBool())
            readable << url;
    }
    return readable;
}

} // namespace drovik::test
