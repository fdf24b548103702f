#pragma once

#include <QObject>
#include <QString>

class QWebEngineScript;

namespace drovik {

// The object the card's settings page reaches as window.Dashcam. The page is untrusted: every
// text it hands over is refused when longer than the protocol allows, and each call only
// reports through a signal; the window controller decides what it means.
//
// The page sees these slots under the names of its own protocol ("userNoti" for showPopup,
// "setdate:use" for SetDateUse…) through the script from injectedScript().
class WebDashcam : public QObject {
    Q_OBJECT
public:
    explicit WebDashcam(QObject *parent = nullptr);

    // Run in the page's main world at document creation, before the page's own scripts:
    // qwebchannel.js kept out of the page's reach, and a frozen window.Dashcam whose members
    // forward to this object over the channel registered as "webDashcam". Calls made before the
    // channel connects are kept (at most kMaxQueuedCalls) and delivered in order.
    static QWebEngineScript injectedScript();
    // Run in every frame at document creation: no WebRTC peer connections, whose traffic no
    // request filter sees.
    static QWebEngineScript noPeerConnectionsScript();
    // Each script name the page may call and the slot it reaches.
    static const QList<QPair<QString, QString>> &scriptNames();

public slots:
    void log(const QString &text);
    void getCfg(const QString &any);
    void popup(const QString &any);
    void showPopup(const QString &text);
    void SetDateUse(const QString &text);
    void SetDate(const QString &date);
    void SetDateHour(const QString &hour);
    void SetDateMin(const QString &minute);
    void SetDateAmPm(const QString &text);
    void docLoadComplete();
    void languageSetComplete();
    void clickedList();
    void adasreset();
    void format();
    void reset();

signals:
    void userNotificationRequested(const QString &text);
    void dateUseChanged(bool use);
    void dateChanged(const QString &date);
    void hourChanged(const QString &hour);
    void minuteChanged(const QString &minute);
    void documentLoaded();
    void languageSet();
    void listClicked();
    void adasResetRequested();

private:
    bool accepted(const char *method, const QString &text) const;
};

} // namespace drovik
