#include "web_setting_window_controller.h"

#include "widgets/view_helpers.h"
#include "setting_frame.h"

#include "display/sandboxed_web_view.h"
#include "i18n/drovik_languages.h"
#include "settings/editor/web_dashcam.h"
#include "settings/editor/web_setting_log.h"
#include "settings/store/card_file.h"
#include "settings/store/card_maintenance.h"
#include "settings/store/record_layout.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>
#include <QWebChannel>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>

#include <algorithm>

namespace drovik {

Q_LOGGING_CATEGORY(lcWebSetting, "drovik.settings.web", QtWarningMsg)

namespace {

QString L(const char *key) { return localized(key); }

const char *const kFormatFailure =
    "메모리 카드를 포멧할 수 없습니다.\r\n\r\nCAR VIEWR에서 동영상을 재생 중이거나 GPS 데이터를 수집중인 경우\r\n"
    "CAR VIEWER를 종료하고 다시 포맷하십시오.\r\n메모리카드를 사용하고 있는 디스크 유틸리티나 다른 프로그램을 "
    "종료하고\r\n메모리카드의 내용을 표시하고 있는 창이 없는지 확인한 다음 다시 포맷하십시오.";

SandboxedWebView::Policy pagePolicy(const QString &folder)
{
    SandboxedWebView::Policy policy;
    // The page's own folder and nothing else: no scheme beyond file: and qrc: (qwebchannel.js).
    policy.folder = folder.isEmpty() ? QString() : folder + QStringLiteral("/SETTING/html");
    policy.openWebLinksExternally = false;
    return policy;
}

void hardenSettings(QWebEngineSettings *settings)
{
    using S = QWebEngineSettings;
    for (const auto attribute : {S::PluginsEnabled, S::JavascriptCanOpenWindows, S::JavascriptCanAccessClipboard,
                                 S::JavascriptCanPaste, S::LocalContentCanAccessRemoteUrls,
                                 S::AllowRunningInsecureContent, S::AllowGeolocationOnInsecureOrigins,
                                 S::AllowWindowActivationFromJavaScript, S::ScreenCaptureEnabled,
                                 S::DnsPrefetchEnabled, S::PdfViewerEnabled, S::NavigateOnDropEnabled,
                                 S::FullScreenSupportEnabled, S::HyperlinkAuditingEnabled})
        settings->setAttribute(attribute, false);
    // Media plays only on a gesture and WebRTC never names a local address. The page reads its
    // neighbours as file: URLs; the request filter keeps those inside its folder.
    settings->setAttribute(S::PlaybackRequiresUserGesture, true);
    settings->setAttribute(S::WebRTCPublicInterfacesOnly, true);
    settings->setAttribute(S::LocalContentCanAccessFileUrls, true);
    settings->setAttribute(S::ErrorPageEnabled, false);
}

bool isWellFormedClock(const webbridge::PageClock &clock)
{
    static const QRegularExpression date(QStringLiteral("^\\d{4},\\d{2},\\d{2}$"));
    static const QRegularExpression twoDigits(QStringLiteral("^\\d{2}$"));
    return date.match(clock.date).hasMatch() && twoDigits.match(clock.hour).hasMatch()
        && twoDigits.match(clock.minute).hasMatch();
}

} // namespace

WebSettingWindowController *WebSettingWindowController::showWebSettingWindow(
    QWidget *mainWindow, const QString &folder, const QList<LanguageEntry> &languages, const Services &services)
{
    // One at a time over a window: a request while its page is open does nothing.
    if (mainWindow) {
        for (const auto *open : mainWindow->findChildren<WebSettingWindowController *>(Qt::FindDirectChildrenOnly)) {
            if (open->m_inModalSession)
                return nullptr;
        }
    }
    auto *controller = new WebSettingWindowController(mainWindow, services);
    controller->setFolder(folder);
    controller->setLanguages(languages);
    controller->centerInWindow(mainWindow);
    controller->beginModal();
    return controller;
}

WebSettingWindowController::WebSettingWindowController(QWidget *parent, const Services &services)
    : QDialog(parent), m_services(services)
{
    setObjectName(QStringLiteral("WebSettingWindowController"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(1000, 720);
}

WebSettingWindowController::~WebSettingWindowController() = default;

void WebSettingWindowController::centerInWindow(QWidget *window)
{
    if (!window)
        return;
    const QRect other = window->frameGeometry();
    move(other.topLeft() + QPoint((other.width() - width()) / 2, (other.height() - height()) / 2));
}

void WebSettingWindowController::beginModal()
{
    m_inModalSession = true;
    windowDidLoad();
    setWindowModality(parentWidget() ? Qt::WindowModal : Qt::ApplicationModal);
    show();
}

void WebSettingWindowController::endModalSession()
{
    m_inModalSession = false;
}

void WebSettingWindowController::closeEvent(QCloseEvent *event)
{
    endModalSession();
    QDialog::closeEvent(event);
}

void WebSettingWindowController::done(int result)
{
    endModalSession();
    QDialog::done(result);
}

// --- The window and its page -----------------------------------------------------------------

void WebSettingWindowController::buildWindow()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    m_backButton = new QPushButton(QStringLiteral("<"), this);
    m_backButton->setObjectName(QStringLiteral("backButton"));
    m_backButton->setFixedWidth(40);
    auto *top = new QHBoxLayout;
    top->addWidget(m_backButton);
    top->addStretch();
    layout->addLayout(top);

    m_webView = new SandboxedWebView(pagePolicy(m_folder), this);
    m_webView->setObjectName(QStringLiteral("webView"));
    hardenSettings(m_webView->page()->settings());
    layout->addWidget(m_webView, 1);

    m_formatButton = new QPushButton(this);
    m_formatButton->setObjectName(QStringLiteral("formatButton"));
    m_resetButton = new QPushButton(this);
    m_resetButton->setObjectName(QStringLiteral("resetButton"));
    m_cancelButton = new QPushButton(this);
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    m_saveButton = new QPushButton(this);
    m_saveButton->setObjectName(QStringLiteral("saveButton"));
    m_saveButton->setDefault(true);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_formatButton);
    bottom->addStretch();
    for (QPushButton *button : {m_resetButton, m_cancelButton, m_saveButton})
        bottom->addWidget(button);
    layout->addLayout(bottom);

    connect(m_backButton, &QPushButton::clicked, this, &WebSettingWindowController::onBtnBack);
    connect(m_resetButton, &QPushButton::clicked, this, &WebSettingWindowController::resetCfg);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    // Escape cancels as the button does, also while the page has the focus and would keep the
    // key for itself.
    QAction *cancel = makeAction(this, &QDialog::reject, {QKeySequence(Qt::Key_Escape)});
    cancel->setShortcutContext(Qt::WindowShortcut);
    addAction(cancel);
    connect(m_saveButton, &QPushButton::clicked, this, &WebSettingWindowController::onBtnSave);
    connect(m_formatButton, &QPushButton::clicked, this, &WebSettingWindowController::askFormat);
    connect(m_webView, &SandboxedWebView::pageReady, this, &WebSettingWindowController::startWebBrowserConnection);
    connectBridge();
}

void WebSettingWindowController::connectBridge()
{
    m_webDashcam = new WebDashcam(this);
    auto *channel = new QWebChannel(this);
    channel->registerObject(QStringLiteral("webDashcam"), m_webDashcam);
    QWebEnginePage *page = m_webView->page();
    page->setWebChannel(channel, QWebEngineScript::MainWorld);
    page->scripts().insert(WebDashcam::injectedScript());
    page->scripts().insert(WebDashcam::noPeerConnectionsScript());

    WebDashcam *dashcam = m_webDashcam;
    // The page calls in while its scripts run; these two act once they have returned.
    connect(dashcam, &WebDashcam::documentLoaded, this, &WebSettingWindowController::startWebBrowserConnection,
            Qt::QueuedConnection);
    connect(dashcam, &WebDashcam::languageSet, this, [this] { showTabs(false); }, Qt::QueuedConnection);
    connect(dashcam, &WebDashcam::listClicked, this, [this] { m_backButton->show(); });
    connect(dashcam, &WebDashcam::adasResetRequested, this, [this] { removeAdasCalibration(m_folder); });
    connect(dashcam, &WebDashcam::dateUseChanged, this, [this](bool use) { m_dateTimeUse = use; });
    connect(dashcam, &WebDashcam::dateChanged, this, [this](const QString &date) { m_clock.date = date; });
    connect(dashcam, &WebDashcam::hourChanged, this, [this](const QString &hour) { m_clock.hour = hour; });
    connect(dashcam, &WebDashcam::minuteChanged, this, [this](const QString &minute) { m_clock.minute = minute; });
    connect(dashcam, &WebDashcam::userNotificationRequested, this, [this](const QString &text) {
        if (const auto note = webbridge::parseUserNotification(text))
            showAlertWithTitle(note->title, note->message, note->index, note->value, note->buttonCount);
    });
}

void WebSettingWindowController::windowDidLoad()
{
    if (!m_webView)
        buildWindow();
    m_backButton->hide();
    m_didLoadHtml = false;
    m_dateTimeUse = false;
    m_clock = {};
    m_modelName.clear();
    m_cfgSize = 0;
    setWindowTitle(L("블랙박스 설정"));
    m_resetButton->setText(L("설정값 초기화"));
    m_cancelButton->setText(L("취소"));
    m_saveButton->setText(L("저장"));
    m_formatButton->setText(L("메모리 카드 포멧"));
    m_backButton->setToolTip(localized("Back to the List"));
    m_resetButton->setToolTip(localized("The camera's built-in settings, written to the card with OK"));
    m_saveButton->setToolTip(localized("Write these settings to the card"));
    m_cancelButton->setToolTip(withKeys(localized("Close without writing anything"), {QKeySequence(Qt::Key_Escape)}));
    m_formatButton->setToolTip(localized("Erase the memory card, after asking"));
    qCDebug(lcWebSetting) << "loading" << webbridge::indexHtmlUrl(m_folder);
    m_webView->openPage(webbridge::indexHtmlUrl(m_folder));
}

QString WebSettingWindowController::indexHtmlFilename() const
{
    return upperSettingPath(m_folder, QStringLiteral("html/index.html"));
}

QString WebSettingWindowController::cfgFilename() const { return upperSettingPath(m_folder, kRecordFileName); }
QString WebSettingWindowController::defaultCfgFilename() const
{
    return upperSettingPath(m_folder, kDefaultRecordFileName);
}
QString WebSettingWindowController::adasFilename() const
{
    return upperSettingPath(m_folder, kAdasCalibrationFileName);
}
QString WebSettingWindowController::timedateFilename() const { return upperSettingPath(m_folder, kClockFileName); }

QString WebSettingWindowController::cfgString() const
{
    const auto bytes = readWholeCardFile(cfgFilename(), webbridge::kMaxWebRecordSize);
    return bytes ? webbridge::cfgStringWithData(*bytes) : QString();
}

void WebSettingWindowController::evaluate(const QString &script)
{
    qCDebug(lcWebSetting).noquote() << "to page:" << script.left(120);
    m_webView->page()->runJavaScript(script, [](const QVariant &) {});
}

// --- The protocol ----------------------------------------------------------------------------

void WebSettingWindowController::startWebBrowserConnection()
{
    if (m_didLoadHtml || !m_webView)
        return;
    m_didLoadHtml = true;
    m_webView->lockNavigation();
    readModel();
    const QString hex = cfgString();
    m_cardRecordSize = hex.size() / 2;
    evaluate(webbridge::setCfgScript(hex));
    evaluate(webbridge::setParamLanguageScript(m_languages));
    if (const auto code = webbridge::currentLanguageCode(hex, m_languages))
        evaluate(webbridge::setLanguageScript(*code));
    sendClock();
    emit connectionStarted();
}

void WebSettingWindowController::readModel()
{
    // The page answers with whatever it likes; only a short text or a number is taken.
    const auto bounded = [](const QString &expression) {
        return QStringLiteral("(function () { try { var v = (%1);"
                              " if (typeof v === 'number') return v;"
                              " return typeof v === 'string' ? v.slice(0, 256) : null;"
                              " } catch (e) { return null; } })()")
            .arg(expression);
    };
    QPointer<WebSettingWindowController> self(this);
    m_webView->page()->runJavaScript(bounded(QStringLiteral("model.name")), [self](const QVariant &value) {
        if (self)
            self->m_modelName = value.toString();
    });
    m_webView->page()->runJavaScript(bounded(QStringLiteral("model.cfgSize")), [self](const QVariant &value) {
        const double size = value.toDouble();
        if (self)
            self->m_cfgSize = size > 0 && size <= double(webbridge::kMaxWebRecordSize) ? qint32(size) : 0;
    });
}

void WebSettingWindowController::sendClock()
{
    const auto bytes = readCardFile(timedateFilename(), 256);
    const auto text = bytes ? decodeUtf8Strictly(*bytes) : std::nullopt;
    if (!text) {
        m_dateTimeUse = false;
        return;
    }
    const auto clock = webbridge::clockFromTimeDat(*text);
    if (!clock)
        return;
    m_clock = *clock;
    m_dateTimeUse = true;
    for (const QString &script : webbridge::clockScripts(m_clock))
        evaluate(script);
}

void WebSettingWindowController::resetCfg()
{
    const auto bytes = readWholeCardFile(defaultCfgFilename(), webbridge::kMaxWebRecordSize);
    evaluate(webbridge::setCfgScript(bytes ? webbridge::cfgStringWithData(*bytes) : QString()));
    showTabs(true);
}

void WebSettingWindowController::showTabs(bool afterReset)
{
    evaluate(webbridge::generateSettingScript(afterReset));
    m_backButton->hide();
}

void WebSettingWindowController::onBtnBack()
{
    showTabs(true);
}

void WebSettingWindowController::onBtnSave()
{
    saveConfig([this](bool written) {
        if (written)
            accept();
    });
}

qsizetype WebSettingWindowController::largestRecordSize() const
{
    return std::max({qsizetype(kMaxSetupRecordSize), m_cardRecordSize, qsizetype(m_cfgSize)});
}

void WebSettingWindowController::saveConfig(std::function<void(bool)> done)
{
    if (m_saving || !m_webView)
        return;
    m_saving = true;
    // A text longer than any record we accept stays in the page.
    const QString script = QStringLiteral("(function () { var v = get_cfg();"
                                          " if (typeof v !== 'string') return null;"
                                          " return v.length <= %1 ? v : false; })()")
                               .arg(2 * largestRecordSize());
    QPointer<WebSettingWindowController> self(this);
    m_webView->page()->runJavaScript(script, [self, done](const QVariant &value) {
        if (!self)
            return;
        self->m_saving = false;
        const std::optional<QString> failure = self->writeConfig(
            value.typeId() == QMetaType::QString ? value.toString() : QString());
        if (failure) {
            qCWarning(lcWebSetting) << "save refused:" << *failure;
            self->showCardError();
        }
        emit self->saveFinished(!failure);
        if (done)
            done(!failure);
    });
}

// Writes the clock and the record; the reason when nothing or not everything was written.
std::optional<QString> WebSettingWindowController::writeConfig(const QString &hex)
{
    const auto record = webbridge::recordFromPage(hex, largestRecordSize());
    if (!record)
        return QStringLiteral("the page returned no record of an acceptable form (%1 characters)").arg(hex.size());
    if (m_dateTimeUse) {
        if (!isWellFormedClock(m_clock))
            return QStringLiteral("the page's clock is not a date and time");
        if (writeCardFileAtomically(timedateFilename(), webbridge::timeDatText(m_clock).toUtf8())
            != CardWriteStatus::Written)
            return QStringLiteral("cannot write %1").arg(timedateFilename());
    }
    if (writeCardFileAtomically(cfgFilename(), *record) != CardWriteStatus::Written)
        return QStringLiteral("cannot write %1").arg(cfgFilename());
    return std::nullopt;
}

// --- Alerts ----------------------------------------------------------------------------------

QMessageBox *WebSettingWindowController::openAlert(const QString &message, const QString &informative,
                                                   const QStringList &buttons, std::function<void(int)> answered)
{
    if (m_alert)
        m_alert->close();
    auto *box = new QMessageBox(QMessageBox::Information, message, message, QMessageBox::NoButton, this);
    box->setObjectName(QStringLiteral("webSettingAlert"));
    box->setInformativeText(informative);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    QList<QPushButton *> list;
    for (const QString &title : buttons)
        list << box->addButton(title, QMessageBox::ActionRole);
    if (!list.isEmpty()) {
        box->setEscapeButton(list.first());
        box->setDefaultButton(list.last());
    }
    connect(box, &QMessageBox::buttonClicked, this, [list, answered](QAbstractButton *clicked) {
        const int index = int(list.indexOf(static_cast<QPushButton *>(clicked)));
        if (answered && index >= 0)
            answered(index);
    });
    m_alert = box;
    box->open();
    return box;
}

void WebSettingWindowController::showAlertWithTitle(const QString &title, const QString &message, int notificationIndex,
                                                    const QString &notificationValue, int buttonCount)
{
    // One question at a time: a page that asks again and again does not pile up sheets.
    if (m_alert) {
        qCWarning(lcWebSetting) << "page notification ignored: another alert is open";
        return;
    }
    m_userNotificationIndex = notificationIndex;
    m_userNotificationValue = notificationValue;
    const QStringList buttons = buttonCount == 2 ? QStringList{L("아니오"), L("예")} : QStringList{L("확인")};
    openAlert(title, message, buttons, [this](int button) {
        evaluate(button == 0 ? webbridge::updateCancelScript(m_userNotificationIndex)
                             : webbridge::updateOkScript(m_userNotificationIndex, m_userNotificationValue));
    });
}

void WebSettingWindowController::showCardError()
{
    openAlert(L("메모리카드 오류"), L("메모리카드를 확인하여 주시기 바랍니다."), {L("OK")}, {});
}

// --- Formatting the card ---------------------------------------------------------------------

void WebSettingWindowController::askFormat()
{
    if (m_alert)
        return;
    if (m_folder.isEmpty() || checkCardFormattable(m_folder, m_services.volumes) != FormatCheck::Allowed) {
        openAlert(L("메모리 카드 포멧"), L("메모리 카드를 포멧할 수 없습니다."), {L("OK")}, {});
        return;
    }
    openAlert(L("메모리 카드 포멧"),
              L("주의 : 포맷 시 메모리 카드의 모든 데이터가 삭제됩니다. \r\n포맷하려면 (예)를, 취소하려면 (아니오)를 "
                "선택 하십시오."),
              {L("아니오"), L("예")}, [this](int button) {
                  if (button == 1)
                      QMetaObject::invokeMethod(this, &WebSettingWindowController::startReformat,
                                                Qt::QueuedConnection);
              });
}

void WebSettingWindowController::startReformat()
{
    if (!m_reformat) {
        m_reformat = new ReformatRunner(m_services.volumes, this);
        connect(m_reformat, &ReformatRunner::finished, this, [this](const ReformatResult &result) {
            if (!m_alert || !m_progress)
                return;
            m_alert->setInformativeText(result.succeeded() ? L("메모리 카드 포맷이 완료 되었습니다.")
                                                           : L(kFormatFailure));
            m_progress->hide();
            for (QAbstractButton *button : m_alert->buttons())
                button->setEnabled(true);
        });
    }
    // The card may have gone between the question and the answer.
    if (m_reformat->start(m_folder) != FormatCheck::Allowed) {
        openAlert(L("메모리 카드 포멧"), L("메모리 카드를 포멧할 수 없습니다."), {L("OK")}, {});
        return;
    }
    QMessageBox *box = openAlert(L("메모리 카드 포멧"), L("포맷 중 입니다.\r\n잠시만 기다려 주십시오."), {L("OK")}, {});
    for (QAbstractButton *button : box->buttons())
        button->setEnabled(false);
    m_progress = addFormattingProgressBar(box);
}

} // namespace drovik
