#pragma once

#include "settings/store/r640_setting_manager.h"
#include "settings/store/web_bridge_protocol.h"

#include <QDialog>
#include <QPointer>

#include <functional>
#include <optional>

class QMessageBox;
class QProgressBar;
class QPushButton;

namespace drovik {

class ReformatRunner;
class SandboxedWebView;
class VolumeMonitor;
class WebDashcam;

// What the web settings window uses from its owner.
struct WebSettingServices {
    // For the format check.
    const VolumeMonitor &volumes;
};

// The window that hosts the settings page a camera leaves on its card
// (SETTING/html/index.html): it hands the page the card's record as hexadecimal text, the
// camera's languages and the pending clock setting, answers the page's requests, and on Save
// writes back what the page returns. One window at a time, modal over the main window.
//
// The page is untrusted. It runs in a SandboxedWebView limited to its own folder (no other
// file, no network, no windows, downloads or permissions), stays on its document once the
// connection has started, and reaches C++ only through WebDashcam, whose arguments are bounded.
class WebSettingWindowController : public QDialog {
    Q_OBJECT
public:
    using Services = WebSettingServices;

    // The entry point for the main window: opens the window for the card at folder over
    // mainWindow (centred, window-modal, not blocking) unless one is open already. Returns the
    // window opened, or nullptr when another was open over mainWindow. The window deletes itself
    // when closed.
    static WebSettingWindowController *showWebSettingWindow(QWidget *mainWindow, const QString &folder,
                                                            const QList<LanguageEntry> &languages,
                                                            const Services &services);

    WebSettingWindowController(QWidget *parent, const Services &services);
    ~WebSettingWindowController() override;

    void setFolder(const QString &folder) { m_folder = folder; }
    QString folder() const { return m_folder; }
    void setLanguages(const QList<LanguageEntry> &languages) { m_languages = languages; }
    void centerInWindow(QWidget *window);
    // Loads the page and shows the window modal over its parent, which then opens no other.
    void beginModal();
    // Loads the card's page afresh, as on opening (the connection starts again).
    void windowDidLoad();

    QString indexHtmlFilename() const;
    QString cfgFilename() const;
    QString defaultCfgFilename() const;
    QString adasFilename() const;
    QString timedateFilename() const;
    // The card's setup.cfg as hexadecimal text; empty when it cannot be read.
    QString cfgString() const;

    void startWebBrowserConnection();
    void resetCfg();
    // Takes the record from the page and writes it and the clock; done(true) when the card
    // holds them, done(false) after showing the card error (nothing written then).
    void saveConfig(std::function<void(bool)> done = {});
    void showTabs(bool afterReset);
    void askFormat();
    void showAlertWithTitle(const QString &title, const QString &message, int notificationIndex,
                            const QString &notificationValue, int buttonCount);

    // What tests and the screenshot tool look at.
    SandboxedWebView *webView() const { return m_webView; }
    bool didLoadHtml() const { return m_didLoadHtml; }
    QString modelName() const { return m_modelName; }
    qint32 cfgSize() const { return m_cfgSize; }
    bool dateTimeUse() const { return m_dateTimeUse; }
    // The alert shown now (page notification, format flow, card error), or nullptr.
    QMessageBox *currentAlert() const { return m_alert; }

signals:
    // The connection to the page has started and its first calls have been evaluated.
    void connectionStarted();
    void saveFinished(bool written);

protected:
    void closeEvent(QCloseEvent *event) override;
    void done(int result) override;

private:
    void buildWindow();
    void connectBridge();
    void onBtnSave();
    void onBtnBack();
    void evaluate(const QString &script);
    void readModel();
    void sendClock();
    std::optional<QString> writeConfig(const QString &hex);
    qsizetype largestRecordSize() const;
    void showCardError();
    QMessageBox *openAlert(const QString &message, const QString &informative, const QStringList &buttons,
                           std::function<void(int)> answered);
    void startReformat();
    void endModalSession();

    Services m_services;
    QString m_folder;
    QList<LanguageEntry> m_languages;
    SandboxedWebView *m_webView = nullptr;
    QPointer<WebDashcam> m_webDashcam;
    QPushButton *m_backButton = nullptr;
    QPushButton *m_resetButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
    QPushButton *m_saveButton = nullptr;
    QPushButton *m_formatButton = nullptr;
    bool m_inModalSession = false;
    bool m_didLoadHtml = false;
    bool m_saving = false;
    QString m_modelName;
    qint32 m_cfgSize = 0;
    qsizetype m_cardRecordSize = 0;
    webbridge::PageClock m_clock;
    bool m_dateTimeUse = false;
    int m_userNotificationIndex = 0;
    QString m_userNotificationValue;
    QPointer<QMessageBox> m_alert;
    QPointer<QProgressBar> m_progress;
    ReformatRunner *m_reformat = nullptr;
};

} // namespace drovik
