#include "view_helpers.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTextEdit>

namespace drovik {

QColor colorWithHexColorString(const QString &hex)
{
    // The leading hexadecimal digits count; more than eight saturate as an unsigned 32-bit scan.
    quint64 value = 0;
    for (const QChar c : hex.trimmed()) {
        const int digit = QStringLiteral("0123456789abcdef").indexOf(c.toLower());
        if (digit < 0)
            break;
        value = qMin<quint64>((value << 4) | quint64(digit), 0xffffffffu);
    }
    return QColor::fromRgb(int((value >> 16) & 0xff), int((value >> 8) & 0xff), int(value & 0xff));
}

void setSubViewsEnabled(QWidget *view, bool enabled)
{
    if (!view)
        return;
    for (QObject *child : view->children()) {
        auto *widget = qobject_cast<QWidget *>(child);
        if (!widget)
            continue;
        if (auto *text = qobject_cast<QTextEdit *>(widget))
            text->setTextInteractionFlags(enabled ? Qt::TextSelectableByMouse : Qt::NoTextInteraction);
        if (qobject_cast<QLineEdit *>(widget) || qobject_cast<QLabel *>(widget)) {
            QPalette palette = widget->palette();
            palette.setColor(QPalette::Active, QPalette::Text,
                             palette.color(enabled ? QPalette::Active : QPalette::Disabled,
                                           QPalette::WindowText));
            widget->setPalette(palette);
        }
        widget->setEnabled(enabled);
        setSubViewsEnabled(widget, enabled);
    }
}

void setTitleColor(QAbstractButton *button, const QColor &color)
{
    if (!button)
        return;
    QPalette palette = button->palette();
    palette.setColor(QPalette::ButtonText, color);
    button->setPalette(palette);
}

BGColorView::BGColorView(const QColor &color, QWidget *parent)
    : QWidget(parent)
    , m_color(color)
{
}

void BGColorView::setColor(const QColor &color)
{
    m_color = color;
    update();
}

void BGColorView::setCornerRadius(qreal radius)
{
    m_radius = radius;
    update();
}

void BGColorView::setBorderColor(const QColor &color)
{
    m_border = color;
    update();
}

void BGColorView::setSheen(bool on)
{
    m_sheen = on;
    update();
}

void BGColorView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, m_radius > 0);
    QPainterPath path;
    const QRectF area = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    path.addRoundedRect(area, m_radius, m_radius);
    if (m_sheen) {
        QLinearGradient gradient(area.topLeft(), area.bottomLeft());
        gradient.setColorAt(0, m_color.lighter(118));
        gradient.setColorAt(1, m_color);
        painter.fillPath(path, gradient);
    } else {
        painter.fillPath(path, m_color);
    }
    if (m_border.alpha() > 0) {
        painter.setPen(QPen(m_border, 1));
        painter.drawPath(path);
    }
}

QString keyNames(const QList<QKeySequence> &keys)
{
    QStringList names;
    for (const QKeySequence &key : keys)
        names << key.toString(QKeySequence::NativeText);
    return names.join(QStringLiteral(", "));
}

QString withKeys(const QString &text, const QList<QKeySequence> &keys)
{
    return keys.isEmpty() ? text : QStringLiteral("%1 (%2)").arg(text, keyNames(keys));
}

void showAction(QAbstractButton *button, QAction *action)
{
    QObject::connect(button, &QAbstractButton::clicked, action, &QAction::trigger);
    const auto follow = [button, action] {
        button->setEnabled(action->isEnabled());
        button->setToolTip(action->toolTip());
    };
    QObject::connect(action, &QAction::changed, button, follow);
    follow();
}

namespace {

// Passes a wheel turned over an unfocused control to the scroll view around it.
class WheelGuard : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Wheel || static_cast<QWidget *>(watched)->hasFocus())
            return false;
        for (QWidget *up = static_cast<QWidget *>(watched)->parentWidget(); up; up = up->parentWidget()) {
            if (auto *scroll = qobject_cast<QAbstractScrollArea *>(up)) {
                QCoreApplication::sendEvent(scroll->viewport(), event);
                break;
            }
        }
        return true;
    }
};

} // namespace

void keepWheelForScrolling(QWidget *view)
{
    constexpr const char *kGuarded = "drovikWheelGuarded";
    // Found by name: the guard has no meta-object of its own for findChild to tell it by.
    const QString guardName = QStringLiteral("drovikWheelGuard");
    QObject *guard = view->findChild<QObject *>(guardName, Qt::FindDirectChildrenOnly);
    if (!guard) {
        guard = new WheelGuard(view);
        guard->setObjectName(guardName);
    }
    for (QWidget *control : view->findChildren<QWidget *>()) {
        const bool takesWheel = qobject_cast<QAbstractSlider *>(control) || qobject_cast<QComboBox *>(control)
                                || qobject_cast<QAbstractSpinBox *>(control);
        if (!takesWheel || control->property(kGuarded).toBool())
            continue;
        control->setProperty(kGuarded, true);
        // A click or Tab gives focus; turning the wheel over it does not.
        control->setFocusPolicy(Qt::StrongFocus);
        control->installEventFilter(guard);
    }
}

void setAlertDetail(QMessageBox *alert, const QString &detail)
{
    if (detail.isEmpty())
        return;
    alert->setDetailedText(detail);
    // A message box is as wide as its message; its details box would be a narrow column.
    if (auto *details = alert->findChild<QTextEdit *>())
        details->setMinimumWidth(440);
}

} // namespace drovik
