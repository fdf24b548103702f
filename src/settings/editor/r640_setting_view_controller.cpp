#include "r640_setting_view_controller.h"

#include "platform/notifier.h"
#include "i18n/drovik_languages.h"
#include "setting_control_views.h"
#include "settings/form/setting_form.h"
#include "setting_frame.h"
#include "setting_section_view.h"
#include "widgets/drovik_event_view.h"
#include "widgets/image_widgets.h"
#include "widgets/view_helpers.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>

#include <numeric>

namespace drovik {

namespace {

constexpr int kTabY = 50;
constexpr int kTabHeight = 34;
constexpr int kTabGap = 4;
constexpr int kButtonY = 592;
const QMargins kStretchInsets(4, 4, 4, 4);

} // namespace

R640SettingViewController::R640SettingViewController(const AppServices &services, QObject *parent)
    : SettingEditorController(services.notifier, parent)
    , m_services(services)
    , m_form(std::make_unique<form::RecordSettingForm>(services.settings, services.volumes))
{
}

R640SettingViewController::~R640SettingViewController()
{
    // The sheet belongs to the page's window; the views that draw the form go before it.
    delete m_sheet;
    destroyView();
}

void R640SettingViewController::loadView(DrovikCancelEventView *root)
{
    m_root = root;
    root->setObjectName(QStringLiteral("settingEditor"));
    root->resize(kViewSize);
    buildFrame(root);

    m_form->open();
    buildPages();
    connect(m_form.get(), &form::RecordSettingForm::changed, this, &R640SettingViewController::redraw);
    connect(m_form.get(), &form::RecordSettingForm::questionAsked, this,
            &R640SettingViewController::showQuestion);
    connect(m_form.get(), &form::RecordSettingForm::questionUpdated, this,
            &R640SettingViewController::updateQuestion);
    connect(m_form.get(), &form::RecordSettingForm::questionEnded, this,
            &R640SettingViewController::endQuestion);
    relabelFrame();
    redraw();
}

void R640SettingViewController::buildFrame(QWidget *root)
{
    const SettingFrame frame = SettingFrame::build(root, kContentFrame, kButtonY);
    m_eventView = frame.eventView;
    m_bgImageView = frame.bgImageView;
    m_titleTextField = frame.titleTextField;
    m_contentBGView = frame.contentBGView;
    m_contentScrollView = frame.contentScrollView;
    m_resetButton = frame.resetButton;
    m_okButton = frame.okButton;
    m_cancelButton = frame.cancelButton;
    connect(m_eventView, &DrovikEventView::mouseDown, this, &SettingEditorController::mouseDown);
    connect(m_eventView, &DrovikEventView::mouseDragged, this, &SettingEditorController::mouseDragged);
    connect(m_eventView, &DrovikEventView::keyDown, this, &SettingEditorController::keyDown);

    const int tabWidth = (kContentFrame.width() - (kTabCount - 1) * kTabGap) / kTabCount;
    const char *tabNames[kTabCount] = {"commonTabButton", "alwaysTabButton", "parkingTabButton", "etcTabButton"};
    for (int i = 0; i < kTabCount; ++i) {
        auto *tab = new ImageButton(QStringLiteral("tab_center_1"), m_eventView);
        tab->setObjectName(QString::fromLatin1(tabNames[i]));
        tab->setAlternateImageName(QStringLiteral("tab_center_2"));
        tab->setStretchInsets(kStretchInsets);
        setTitleColor(tab, Qt::white);
        tab->setGeometry(kContentFrame.x() + i * (tabWidth + kTabGap), kTabY, tabWidth, kTabHeight);
        connect(tab, &QAbstractButton::clicked, this, [this, i] { tabButtonTouched(i); });
        m_tabButtons[std::size_t(i)] = tab;
    }
    connect(m_okButton, &QAbstractButton::clicked, this, &R640SettingViewController::okButtonTouched);
    connect(m_cancelButton, &QAbstractButton::clicked, this, [this] { cancelButtonTouched(m_cancelButton); });
    connect(m_resetButton, &QAbstractButton::clicked, this, &R640SettingViewController::resetButtonTouched);
}

void R640SettingViewController::buildPages()
{
    const char *pageNames[kTabCount] = {"commonSettingView", "alwaysSettingView", "parkingSettingView",
                                        "etcSettingView"};
    for (int i = 0; i < kTabCount; ++i) {
        auto *page = new BGColorView(QColor(0x11, 0x14, 0x18));
        page->setObjectName(QString::fromLatin1(pageNames[i]));
        page->resize(kPageWidth, 100);
        m_pages[std::size_t(i)] = page;
        // A page not shown belongs to the controller's root so it is freed with it.
        page->setParent(m_root);
        page->hide();
    }
    const auto after = [this] { redraw(); };
    for (const form::FormSection &section : m_form->sections()) {
        if (section.tab < 0 || section.tab >= kTabCount)
            continue;
        auto *view = new SettingSectionView(*m_form, section.id, m_pages[std::size_t(section.tab)]);
        view->setAfterAction(after);
        m_sectionOrder.append(view);
    }
}

void R640SettingViewController::relabelFrame()
{
    const form::FrameTexts &texts = m_form->frameTexts();
    m_titleTextField->setText(texts.title);
    for (int i = 0; i < kTabCount; ++i)
        m_tabButtons[std::size_t(i)]->setText(texts.tabs.value(i));
    fitTabTitles();
    labelEditorButtons(m_resetButton, m_okButton, m_cancelButton, texts.reset, texts.ok, texts.cancel);
}

void R640SettingViewController::fitTabTitles()
{
    // Tabs share the row by the length of their titles (translations differ a lot), the extra
    // room spread evenly; when even that is too narrow, every title gets one smaller size. The
    // application style sheet sets font sizes, so the size is set as a sheet too.
    const int room = kContentFrame.width() - (kTabCount - 1) * kTabGap;
    const auto naturalWidths = [this](int pixelSize) {
        QFont font = m_tabButtons[0]->font();
        font.setPixelSize(pixelSize);
        const QFontMetrics metrics(font);
        std::array<int, kTabCount> widths{};
        for (int i = 0; i < kTabCount; ++i)
            widths[std::size_t(i)] = metrics.horizontalAdvance(m_tabButtons[std::size_t(i)]->text()) + 24;
        return widths;
    };
    int size = 12;
    std::array<int, kTabCount> widths = naturalWidths(size);
    const auto total = [&] { return std::accumulate(widths.begin(), widths.end(), 0); };
    while (size > 9 && total() > room)
        widths = naturalWidths(--size);
    const int extra = qMax(0, room - total()) / kTabCount;
    int x = kContentFrame.x();
    for (int i = 0; i < kTabCount; ++i) {
        ImageButton *tab = m_tabButtons[std::size_t(i)];
        const int width = i + 1 < kTabCount ? widths[std::size_t(i)] + extra
                                            : kContentFrame.right() + 1 - x;
        tab->setGeometry(x, kTabY, width, kTabHeight);
        tab->setStyleSheet(QStringLiteral("font-size: %1px;").arg(size));
        x += width + kTabGap;
    }
}

void R640SettingViewController::redraw()
{
    if (m_redrawing || !m_root)
        return;
    m_redrawing = true;
    for (SettingSectionView *view : std::as_const(m_sectionOrder)) {
        const form::FormSection *section = m_form->section(view->sectionId());
        view->setVisible(section && section->visible);
        view->refresh();
    }
    for (int tab = 0; tab < kTabCount; ++tab)
        restackPage(tab);
    showTab(qBound(0, m_form->currentTab(), kTabCount - 1));
    m_redrawing = false;
}

int R640SettingViewController::restackPage(int tab)
{
    return stackSectionViews(m_pages[std::size_t(tab)], m_sectionOrder, kPageWidth);
}

void R640SettingViewController::tabButtonTouched(int tab)
{
    m_form->tabButtonTouched(tab);
    redraw();
}

void R640SettingViewController::showTab(int tab)
{
    for (int i = 0; i < kTabCount; ++i) {
        ImageButton *button = m_tabButtons[std::size_t(i)];
        button->setImageName(i == tab ? QStringLiteral("tab_center_3") : QStringLiteral("tab_center_1"));
    }
    QWidget *page = m_pages[std::size_t(tab)];
    if (page == m_currentContentView) {
        fitScrollView(page); // the page may have grown or shrunk; the scroll position stays
        return;
    }
    if (m_currentContentView) {
        m_contentScrollView->takeWidget();
        m_currentContentView->setParent(m_root);
        m_currentContentView->hide();
    }
    fitScrollView(page);
    m_contentScrollView->setWidget(page);
    page->show();
    m_contentScrollView->verticalScrollBar()->setValue(0);
    m_currentContentView = page;
}

void R640SettingViewController::fitScrollView(QWidget *page)
{
    drovik::fitScrollView(m_contentScrollView, kContentFrame, page);
    // The page's controls may have been built since it was shown.
    keepWheelForScrolling(page);
}

void R640SettingViewController::okButtonTouched()
{
    if (std::exchange(m_ended, true))
        return;
    const CardWriteStatus status = m_form->okButtonTouched();
    if (isCardError(status)) {
        // The card was pulled or cannot be written: say so and keep the editor open, so that
        // nothing the user chose is lost and OK can be pressed again once the card is back.
        m_ended = false;
        showCardWriteError(status);
        return;
    }
    endModal(1);
}

void R640SettingViewController::showCardWriteError(const CardWriteStatus &status)
{
    openCardWriteErrorAlert(view(), status);
}

void R640SettingViewController::cancelButtonTouched(QObject *)
{
    if (std::exchange(m_ended, true))
        return;
    endModal(0);
}

void R640SettingViewController::resetButtonTouched()
{
    m_form->resetButtonTouched();
    redraw();
}

void R640SettingViewController::showQuestion(const form::FormQuestion &question)
{
    endQuestion();
    auto *box = new QMessageBox(QMessageBox::Information, question.message, question.message,
                                QMessageBox::NoButton, parentWindow());
    box->setObjectName(QStringLiteral("settingQuestionSheet"));
    box->setInformativeText(question.informative);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    QList<QPushButton *> buttons;
    for (const QString &title : question.buttons)
        buttons << box->addButton(title, QMessageBox::ActionRole);
    if (!buttons.isEmpty()) {
        box->setEscapeButton(buttons.first());
        box->setDefaultButton(buttons.last());
    }
    if (question.kind == form::FormQuestion::Kind::Formatting) {
        m_progress = addFormattingProgressBar(box);
    }
    connect(box, &QMessageBox::buttonClicked, this, [this, buttons](QAbstractButton *clicked) {
        const int index = int(buttons.indexOf(static_cast<QPushButton *>(clicked)));
        m_sheet = nullptr;
        m_progress = nullptr;
        if (index >= 0)
            m_form->answer(index);
        redraw();
    });
    m_sheet = box;
    updateQuestion(question);
    box->open();
}

void R640SettingViewController::updateQuestion(const form::FormQuestion &question)
{
    if (!m_sheet)
        return;
    m_sheet->setText(question.message);
    m_sheet->setInformativeText(question.informative);
    for (QAbstractButton *button : m_sheet->buttons())
        button->setEnabled(question.buttonsEnabled);
    if (m_progress) {
        m_progress->setRange(0, question.busy ? 0 : 1);
        m_progress->setValue(question.busy ? 0 : 1);
        m_progress->setVisible(question.busy);
    }
}

void R640SettingViewController::endQuestion()
{
    if (QMessageBox *box = m_sheet) {
        m_sheet = nullptr;
        m_progress = nullptr;
        box->close();
    }
}

} // namespace drovik
