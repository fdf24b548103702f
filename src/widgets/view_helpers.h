#pragma once

#include <QAction>
#include <QColor>
#include <QKeySequence>
#include <QList>
#include <QString>
#include <QWidget>

class QMessageBox;

class QAbstractButton;

namespace drovik {

// The opaque colour of a hexadecimal text such as "ffffff" (no "#"): red from bits 16-23, green
// from 8-15, blue from 0-7. Text that is not hexadecimal reads as its leading hexadecimal digits,
// so no digits give black.
QColor colorWithHexColorString(const QString &hex);

// Enables or disables every control inside view, all the way down; text fields take the
// normal or the disabled text colour.
void setSubViewsEnabled(QWidget *view, bool enabled);
inline void enableSubViews(QWidget *view) { setSubViewsEnabled(view, true); }
inline void disableSubViews(QWidget *view) { setSubViewsEnabled(view, false); }

// A command of the window, owned by the object that carries it out: triggering it runs `slot` on
// `receiver`; the keys are the ones that trigger it from the window's key table.
template <typename Receiver, typename Slot>
QAction *makeAction(Receiver *receiver, Slot slot, const QList<QKeySequence> &keys = {})
{
    auto *action = new QAction(receiver);
    action->setShortcuts(keys);
    // The window's key table decides when a key triggers it (not while text is typed), so the
    // shortcut itself is never armed.
    action->setShortcutContext(Qt::WidgetShortcut);
    QObject::connect(action, &QAction::triggered, receiver, slot);
    return action;
}

// Keys as the platform writes them, comma-separated: "Return, F11".
QString keyNames(const QList<QKeySequence> &keys);
// A tooltip's text with its keys as the platform writes them: "Print… (Ctrl+P)"; the text alone
// without keys.
QString withKeys(const QString &text, const QList<QKeySequence> &keys);

// The button shows the action: a click triggers it, and the button is enabled with it and has
// its tooltip.
void showAction(QAbstractButton *button, QAction *action);

// Sliders, pop-ups and spin boxes inside view take the mouse wheel only while they have focus;
// otherwise the wheel scrolls the page that holds them, so scrolling past a control never
// changes a setting. Safe to call again on the same view (controls added since are guarded too).
void keepWheelForScrolling(QWidget *view);

// Gives a button's whole title one colour.
void setTitleColor(QAbstractButton *button, const QColor &color);

// Puts the cause of an alert's error in its details (nothing when detail is empty), and makes
// the alert wide enough for a line of a tool's output to read as one.
void setAlertDetail(QMessageBox *alert, const QString &detail);

// A view that fills its area with one colour, optionally with rounded corners, a vertical sheen
// and a hairline border (the dashboard panels).
class BGColorView : public QWidget {
    Q_OBJECT
public:
    explicit BGColorView(const QColor &color = Qt::black, QWidget *parent = nullptr);

    QColor color() const { return m_color; }
    void setColor(const QColor &color);
    void setCornerRadius(qreal radius);
    void setBorderColor(const QColor &color);
    void setSheen(bool on);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_color;
    QColor m_border = Qt::transparent;
    qreal m_radius = 0;
    bool m_sheen = false;
};

} // namespace drovik
