#include "setting_frame.h"

#include "setting_control_views.h"
#include "setting_section_view.h"
#include "i18n/drovik_languages.h"
#include "settings/store/card_file.h"
#include "widgets/drovik_event_view.h"
#include "widgets/image_widgets.h"
#include "widgets/view_helpers.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QKeySequence>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QMouseEvent>
#include <QScrollArea>

namespace drovik {

namespace {
constexpr int kButtonHeight = 34;
constexpr int kPageTop = 12;
constexpr int kSectionGap = 4;
const QMargins kStretchInsets(4, 4, 4, 4);
} // namespace

ImageButton *SettingFrame::makeButton(QWidget *parent, const char *image, const char *objectName)
{
    auto *button = new ImageButton(QString::fromLatin1(image), parent);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setAllowAutoMouseEventImage(true);
    button->setStretchInsets(kStretchInsets);
    setTitleColor(button, Qt::white);
    return button;
}

SettingFrame SettingFrame::build(QWidget *root, const QRect &contentFrame, int buttonY)
{
    SettingFrame frame;
    // Everything sits on the event view, so a press anywhere that no control takes reaches it.
    frame.eventView = new DrovikEventView(root);
    frame.eventView->setObjectName(QStringLiteral("settingEventView"));
    frame.eventView->setGeometry(root->rect());

    frame.bgImageView = new BGColorView(QColor(0x15, 0x18, 0x1c), frame.eventView);
    frame.bgImageView->setObjectName(QStringLiteral("settingBackground"));
    frame.bgImageView->setBorderColor(QColor(0x2e, 0x33, 0x3a));
    frame.bgImageView->setSheen(true);
    frame.bgImageView->setGeometry(root->rect());
    frame.bgImageView->setAttribute(Qt::WA_TransparentForMouseEvents);

    frame.titleTextField = new QLabel(frame.eventView);
    frame.titleTextField->setObjectName(QStringLiteral("settingTitle"));
    frame.titleTextField->setGeometry(22, 12, 400, 28);
    QPalette palette = frame.titleTextField->palette();
    palette.setColor(QPalette::WindowText, colorWithHexColorString(QStringLiteral("d6dfe9")));
    frame.titleTextField->setPalette(palette);

    frame.contentBGView = new BGColorView(QColor(0x11, 0x14, 0x18), frame.eventView);
    frame.contentBGView->setObjectName(QStringLiteral("contentBGView"));
    frame.contentBGView->setBorderColor(QColor(0x26, 0x2b, 0x33));
    frame.contentBGView->setCornerRadius(6);
    frame.contentBGView->setGeometry(contentFrame.adjusted(-1, -1, 1, 1));
    frame.contentScrollView = new QScrollArea(frame.eventView);
    frame.contentScrollView->setObjectName(QStringLiteral("contentScrollView"));
    frame.contentScrollView->setFrameShape(QFrame::NoFrame);
    frame.contentScrollView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    frame.contentScrollView->setWidgetResizable(false);
    frame.contentScrollView->setGeometry(contentFrame);
    frame.contentScrollView->viewport()->setAutoFillBackground(false);

    frame.resetButton = makeButton(frame.eventView, "setting_btn1", "resetButton");
    frame.resetButton->setGeometry(contentFrame.x(), buttonY, 150, kButtonHeight);
    frame.okButton = makeButton(frame.eventView, "setting_ok_btn1", "okButton");
    frame.cancelButton = makeButton(frame.eventView, "setting_btn1", "cancelButton");
    const int right = contentFrame.right() + 1;
    frame.cancelButton->setGeometry(right - 110, buttonY, 110, kButtonHeight);
    frame.okButton->setGeometry(right - 110 - 10 - 110, buttonY, 110, kButtonHeight);
    return frame;
}

int stackSectionViews(QWidget *page, const QList<SettingSectionView *> &sections, int pageWidth)
{
    int captionColumn = 0;
    for (SettingSectionView *view : sections) {
        if (view->parentWidget() == page && !view->isHidden())
            captionColumn = qMax(captionColumn, view->wantedCaptionWidth());
    }
    int y = kPageTop;
    for (SettingSectionView *view : sections) {
        if (view->parentWidget() != page || view->isHidden())
            continue;
        view->setCaptionColumn(captionColumn);
        const int height = view->relayout(pageWidth);
        view->setGeometry(0, y, pageWidth, height);
        y += height + kSectionGap;
    }
    page->resize(pageWidth, y + kPageTop - kSectionGap);
    return page->height();
}

void fitScrollView(QScrollArea *scrollView, const QRect &laidOut, const QWidget *page)
{
    if (laidOut.height() > page->height()) {
        scrollView->setGeometry(laidOut.x(), laidOut.y(), laidOut.width(), page->height() + 2);
        scrollView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    } else {
        scrollView->setGeometry(laidOut);
        scrollView->setVerticalScrollBarPolicy(page->height() > laidOut.height() ? Qt::ScrollBarAlwaysOn
                                                                                : Qt::ScrollBarAlwaysOff);
    }
}

void WindowDragger::mouseDown(QMouseEvent *event, const QWidget *window)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_lastWindowDragLocation = event->globalPosition().toPoint();
    if (window)
        m_windowDragOrigin = window->pos();
}

void WindowDragger::mouseDragged(QMouseEvent *event, QWidget *window) const
{
    if (!window)
        return;
    // Screen positions: the point under the pointer moves with the window.
    const QPoint moved = event->globalPosition().toPoint() - m_lastWindowDragLocation;
    window->move(m_windowDragOrigin + moved);
}

ControlView *findControlView(const QList<SettingSectionView *> &sections, form::ControlId id)
{
    for (SettingSectionView *section : sections) {
        for (ControlView *view : section->controlViews()) {
            if (view->controlId() == id)
                return view;
        }
    }
    return nullptr;
}

namespace {

// The cause in the user's words; the system's own words where it gave them.
QString cardWriteErrorReason(const CardWriteStatus &status)
{
    switch (status.kind) {
    case CardWriteStatus::NoCard: return localized("The memory card cannot be found.");
    case CardWriteStatus::NoRecordSize: return localized("This camera model has no settings file to write.");
    case CardWriteStatus::Unreadable: return localized("The settings file on the card could not be read.");
    case CardWriteStatus::ReadOnly: return localized("The card is read-only.");
    case CardWriteStatus::WriteFailed:
    case CardWriteStatus::Written:
    case CardWriteStatus::NotAttempted: break;
    }
    return status.reason;
}

} // namespace

QMessageBox *openCardWriteErrorAlert(QWidget *parent, const CardWriteStatus &status)
{
    const QString title = localized("메모리카드 오류");
    auto *alert = new QMessageBox(QMessageBox::Warning, title, title, QMessageBox::NoButton, parent);
    alert->setObjectName(QStringLiteral("cardErrorAlert"));
    alert->setInformativeText(localized("메모리카드를 확인하여 주시기 바랍니다."));
    // The message is the one every card error shows; what happened goes below it.
    setAlertDetail(alert, cardWriteErrorReason(status));
    alert->addButton(localized("OK"), QMessageBox::AcceptRole);
    alert->setAttribute(Qt::WA_DeleteOnClose);
    alert->setWindowModality(Qt::WindowModal);
    alert->open();
    return alert;
}

QProgressBar *addFormattingProgressBar(QMessageBox *box)
{
    auto *progress = new QProgressBar(box);
    progress->setObjectName(QStringLiteral("formatProgressBar"));
    progress->setFixedSize(400, 20);
    progress->setTextVisible(false);
    progress->setRange(0, 0);
    auto *grid = qobject_cast<QGridLayout *>(box->layout());
    auto *buttonBox = box->findChild<QDialogButtonBox *>();
    if (grid && buttonBox) {
        int row = 0, column = 0, rows = 0, columns = 0;
        grid->getItemPosition(grid->indexOf(buttonBox), &row, &column, &rows, &columns);
        grid->removeWidget(buttonBox);
        grid->addWidget(progress, row, 0, 1, grid->columnCount(), Qt::AlignHCenter);
        grid->addWidget(buttonBox, row + 1, column, rows, columns);
    }
    return progress;
}

void labelEditorButtons(ImageButton *reset, ImageButton *ok, ImageButton *cancel, const QString &resetTitle,
                        const QString &okTitle, const QString &cancelTitle)
{
    reset->setText(resetTitle);
    ok->setText(okTitle);
    cancel->setText(cancelTitle);
    reset->setToolTip(localized("The camera's built-in settings, written to the card with OK"));
    ok->setToolTip(localized("Write these settings to the card"));
    cancel->setToolTip(withKeys(localized("Close without writing anything"), {QKeySequence(Qt::Key_Escape)}));
}

} // namespace drovik
