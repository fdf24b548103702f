#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

class QLabel;
class QMessageBox;
class QProgressBar;
class QString;
class QMouseEvent;
class QScrollArea;
class QWidget;

namespace drovik::form {
enum class ControlId;
}

namespace drovik {

class BGColorView;
class ControlView;
class DrovikEventView;
class ImageButton;
class SettingSectionView;
struct CardWriteStatus;

// The parts both settings editors share around their pages: the event view that takes presses
// and keys no control takes, the dark background, the title, the scroll view over its framed
// background, and the Reset / OK / Cancel row. Built on root; the controller connects them.
struct SettingFrame {
    DrovikEventView *eventView = nullptr;
    BGColorView *bgImageView = nullptr;
    QLabel *titleTextField = nullptr;
    BGColorView *contentBGView = nullptr;
    QScrollArea *contentScrollView = nullptr;
    ImageButton *resetButton = nullptr;
    ImageButton *okButton = nullptr;
    ImageButton *cancelButton = nullptr;

    // contentFrame: where the scroll view sits as laid out; buttonY: the button row's top.
    static SettingFrame build(QWidget *root, const QRect &contentFrame, int buttonY);
    // A stretchable button of the editors (white title, pressed image while held).
    static ImageButton *makeButton(QWidget *parent, const char *image, const char *objectName);
};

// A page of sections: the visible ones stacked from top to bottom without gaps for hidden
// ones, all with one caption column so that their sliders and rows line up. Returns the page's
// new height.
int stackSectionViews(QWidget *page, const QList<SettingSectionView *> &sections, int pageWidth);

// The scroll view at its laid-out frame, shrunk from the bottom to a page shorter than it;
// a scroll bar only when the page is taller.
void fitScrollView(QScrollArea *scrollView, const QRect &laidOut, const QWidget *page);

// The view drawing the control of that name among the sections' views, or nullptr.
ControlView *findControlView(const QList<SettingSectionView *> &sections, form::ControlId id);

// The Reset / OK / Cancel titles, with tooltips that say what each does (and Escape for Cancel).
void labelEditorButtons(ImageButton *reset, ImageButton *ok, ImageButton *cancel, const QString &resetTitle,
                        const QString &okTitle, const QString &cancelTitle);

// The card error ("check the memory card") as a sheet on parent, open; it deletes itself. Its
// detail names what went wrong with the card: status is why the write failed.
QMessageBox *openCardWriteErrorAlert(QWidget *parent, const CardWriteStatus &status);

// An indeterminate 400 x 20 progress bar put between an alert's text and its buttons, for
// the formatting sheets.
QProgressBar *addFormattingProgressBar(QMessageBox *box);

// Moves a borderless window by dragging its background: the point under the pointer stays there.
class WindowDragger {
public:
    void mouseDown(QMouseEvent *event, const QWidget *window);
    void mouseDragged(QMouseEvent *event, QWidget *window) const;

private:
    QPoint m_lastWindowDragLocation;
    QPoint m_windowDragOrigin;
};

} // namespace drovik
