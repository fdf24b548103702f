#include "kvl_setting_view_controller.h"

#include "i18n/drovik_languages.h"
#include "setting_control_views.h"
#include "settings/form/setting_form.h"
#include "setting_section_view.h"
#include "setting_window.h"
#include "settings/store/kvl_setting_manager.h"
#include "settings/store/setting_manager_holder.h"
#include "widgets/drovik_event_view.h"
#include "widgets/image_widgets.h"
#include "widgets/view_helpers.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>

#include <utility>

namespace drovik {

namespace {
constexpr int kButtonY = 592;
// Read-out columns, so that "Model" and "Version" rows line up in every language.
constexpr int kReadoutNameWidth = 90;
constexpr int kReadoutValueWidth = 150;
} // namespace

KvlSettingViewController::KvlSettingViewController(const AppServices &services, KvlSettingManager &lines,
                                                   QObject *parent)
    : SettingEditorController(services.notifier, parent)
    , m_services(services)
    , m_form(std::make_unique<form::KvlSettingForm>(lines, services.settings.manager()))
{
}

KvlSettingViewController::~KvlSettingViewController()
{
    // The alert belongs to the page's window; the views that draw the form go before it.
    delete m_cardErrorAlert;
    destroyView();
}

int KvlSettingViewController::runModal(QWidget *parent, const AppServices &services, KvlSettingManager &lines)
{
    lines.loadData();
    KvlSettingViewController controller(services, lines);
    SettingWindow window(parent);
    window.setObjectName(QStringLiteral("settingWindow"));
    QWidget *view = controller.view();
    const int code = window.showModalWindow(parent, view, &controller, false);
    // The view belongs to its controller, which outlives this window.
    view->setParent(nullptr);
    return code;
}

void KvlSettingViewController::loadView(DrovikCancelEventView *root)
{
    m_root = root;
    root->setObjectName(QStringLiteral("settingEditor"));
    root->resize(kViewSize);
    m_frame = SettingFrame::build(root, kContentFrame, kButtonY);
    connect(m_frame.eventView, &DrovikEventView::mouseDown, this, &SettingEditorController::mouseDown);
    connect(m_frame.eventView, &DrovikEventView::mouseDragged, this, &SettingEditorController::mouseDragged);
    connect(m_frame.eventView, &DrovikEventView::keyDown, this, &SettingEditorController::keyDown);
    connect(m_frame.okButton, &QAbstractButton::clicked, this, &KvlSettingViewController::okButtonTouched);
    connect(m_frame.cancelButton, &QAbstractButton::clicked, this,
            [this] { cancelButtonTouched(m_frame.cancelButton); });
    connect(m_frame.resetButton, &QAbstractButton::clicked, this, &KvlSettingViewController::resetButtonTouched);

    m_form->open();
    buildPage();
    connect(m_form.get(), &form::KvlSettingForm::changed, this, &KvlSettingViewController::redraw);
    relabelFrame();
    redraw();
    changeCurrentView(m_subSettingView);
}

void KvlSettingViewController::buildPage()
{
    m_subSettingView = new BGColorView(QColor(0x11, 0x14, 0x18));
    m_subSettingView->setObjectName(QStringLiteral("subSettingView"));
    m_subSettingView->resize(kPageWidth, 100);
    m_subSettingView->setParent(m_root);
    m_subSettingView->hide();
    const auto after = [this] { redraw(); };
    for (const form::FormSection &section : m_form->sections()) {
        auto *view = new SettingSectionView(*m_form, section.id, m_subSettingView);
        view->setAfterAction(after);
        m_sectionOrder.append(view);
    }
    styleReadouts();
}

// The model and firmware lines are read-outs, not notes: name and value share a row.
void KvlSettingViewController::styleReadouts()
{
    const struct {
        form::ControlId id;
        int width;
        const char *objectName;
    } readouts[] = {
        {form::ControlId::ModelNameTextField, kReadoutNameWidth, "settingReadoutName"},
        {form::ControlId::ModelValueTextField, kReadoutValueWidth, "settingReadoutValue"},
        {form::ControlId::FirmwareNameTextField, kReadoutNameWidth, "settingReadoutName"},
        {form::ControlId::FirmwareValueTextField, kReadoutValueWidth, "settingReadoutValue"},
    };
    for (const auto &readout : readouts) {
        if (auto *view = qobject_cast<LabelView *>(controlView(readout.id))) {
            view->setInline(true, readout.width);
            view->label()->setObjectName(QString::fromLatin1(readout.objectName));
        }
    }
}

void KvlSettingViewController::relabelFrame()
{
    const form::FrameTexts &texts = m_form->frameTexts();
    m_frame.titleTextField->setText(texts.title);
    labelEditorButtons(m_frame.resetButton, m_frame.okButton, m_frame.cancelButton, texts.reset, texts.ok,
                       texts.cancel);
}

void KvlSettingViewController::redraw()
{
    if (m_redrawing || !m_root || !m_subSettingView)
        return;
    m_redrawing = true;
    for (SettingSectionView *view : std::as_const(m_sectionOrder)) {
        const form::FormSection *section = m_form->section(view->sectionId());
        view->setVisible(section && section->visible);
        view->refresh();
    }
    stackSectionViews(m_subSettingView, m_sectionOrder, kPageWidth);
    if (m_currentContentView) {
        fitScrollView(m_frame.contentScrollView, kContentFrame, m_currentContentView);
        // The page's controls may have been built since it was shown.
        keepWheelForScrolling(m_currentContentView);
    }
    m_redrawing = false;
}

void KvlSettingViewController::changeCurrentView(QWidget *view)
{
    if (view == m_currentContentView)
        return;
    if (m_currentContentView) {
        m_frame.contentScrollView->takeWidget();
        m_currentContentView->setParent(m_root);
        m_currentContentView->hide();
    }
    fitScrollView(m_frame.contentScrollView, kContentFrame, view);
    keepWheelForScrolling(view);
    m_frame.contentScrollView->setWidget(view);
    view->show();
    m_frame.contentScrollView->verticalScrollBar()->setValue(0);
    m_currentContentView = view;
}

void KvlSettingViewController::okButtonTouched()
{
    if (m_ended || m_cardErrorAlert)
        return;
    const CardWriteStatus status = m_form->okButtonTouched();
    if (isCardError(status)) {
        // The lines are as the user left them; after checking the card, OK may be tried again.
        showCardErrorAlert(status);
        return;
    }
    m_ended = true;
    endModal(1);
}

void KvlSettingViewController::cancelButtonTouched(QObject *)
{
    if (std::exchange(m_ended, true))
        return;
    m_form->cancelButtonTouched();
    endModal(0);
}

void KvlSettingViewController::resetButtonTouched()
{
    m_form->resetButtonTouched();
    redraw();
}

void KvlSettingViewController::showCardErrorAlert(const CardWriteStatus &status)
{
    m_cardErrorAlert = openCardWriteErrorAlert(parentWindow(), status);
}

} // namespace drovik
