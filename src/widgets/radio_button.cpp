#include "radio_button.h"

#include "images.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace drovik {

namespace {

QString groupKey(long id)
{
    return QString::asprintf("%ld", id);
}

const QColor kWell(0x10, 0x13, 0x17);
const QColor kRing(0x4a, 0x53, 0x5e);
const QColor kRingHover(0x19, 0xc3, 0xe6);
const QColor kRingDisabled(0x30, 0x36, 0x3d);

} // namespace

RadioButton::RadioButton(QWidget *parent)
    : QAbstractButton(parent)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
}

RadioButton::RadioButton(const QString &title, QWidget *parent)
    : RadioButton(parent)
{
    setText(title);
}

RadioButton::~RadioButton()
{
    RemoveRadioButton(this);
}

QHash<QString, RadioButton::Group> &RadioButton::GetRadioButtonGroupDic()
{
    static QHash<QString, Group> groups;
    return groups;
}

const RadioButton::Group *RadioButton::GetRadioButtonGroupFromGroupID(long id)
{
    const auto &groups = GetRadioButtonGroupDic();
    const auto it = groups.constFind(groupKey(id));
    return it == groups.constEnd() ? nullptr : &it.value();
}

void RadioButton::RemoveRadioButtonGroupFromGroupID(long id)
{
    GetRadioButtonGroupDic().remove(groupKey(id));
}

void RadioButton::AddRadioButton(RadioButton *button, long id)
{
    Group &group = GetRadioButtonGroupDic()[groupKey(id)];
    if (!group.contains(button))
        group.append(button);
}

void RadioButton::RemoveRadioButton(RadioButton *button)
{
    auto &groups = GetRadioButtonGroupDic();
    for (auto it = groups.begin(); it != groups.end(); ++it) {
        // A button being destroyed no longer converts to its QPointer; compare addresses.
        it.value().removeIf([button](const QPointer<RadioButton> &member) {
            return member.isNull() || member.data() == button;
        });
    }
}

void RadioButton::setRadioGroupID(long id)
{
    m_radioGroupID = id;
    RemoveRadioButton(this);
    AddRadioButton(this, id);
    m_inGroup = true;
}

void RadioButton::setIsSelected(bool selected)
{
    m_isSelected = selected;
    update();
    if (!selected || !m_inGroup)
        return;
    if (const Group *group = GetRadioButtonGroupFromGroupID(m_radioGroupID)) {
        for (const QPointer<RadioButton> &other : *group) {
            if (other && other != this && other->m_isSelected) {
                other->m_isSelected = false;
                other->update();
            }
        }
    }
}

void RadioButton::setEnabled(bool enabled)
{
    m_radioEnabled = enabled;
    setCursor(enabled ? Qt::PointingHandCursor : Qt::ArrowCursor);
    update();
}

void RadioButton::setIsCheckBoxMode(bool on)
{
    m_isCheckBoxMode = on;
    update();
}

QString RadioButton::currentImageName() const
{
    if (!m_radioEnabled)
        return m_isCheckBoxMode ? QStringLiteral("pv_dst_check") : QStringLiteral("discheck2");
    if (m_isSelected)
        return m_isCheckBoxMode ? QStringLiteral("check1") : QStringLiteral("check");
    return QString();
}

QSize RadioButton::sizeHint() const
{
    const int textWidth = text().isEmpty() ? 0 : kTitleGap + fontMetrics().horizontalAdvance(text()) + 2;
    return QSize(kMarkSize + textWidth, qMax(kMarkSize + 4, fontMetrics().height() + 4));
}

void RadioButton::act()
{
    if (m_radioEnabled)
        setIsSelected(m_isToggleMode ? !m_isSelected : true);
    emit touched(this);
    emit clicked(m_isSelected);
}

void RadioButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    event->accept();
    act();
}

void RadioButton::mouseReleaseEvent(QMouseEvent *event)
{
    // The press already acted; a release must not click a second time.
    event->accept();
}

void RadioButton::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return) {
        event->accept();
        act();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void RadioButton::enterEvent(QEnterEvent *event)
{
    m_hovered = true;
    update();
    QAbstractButton::enterEvent(event);
}

void RadioButton::leaveEvent(QEvent *event)
{
    m_hovered = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void RadioButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF mark(0.5, (height() - kMarkSize) / 2.0 + 0.5, kMarkSize - 1, kMarkSize - 1);
    // The empty well under the image, so that an unselected choice is still visible.
    QPainterPath well;
    if (m_isCheckBoxMode)
        well.addRoundedRect(mark, 3.5, 3.5);
    else
        well.addEllipse(mark);
    painter.fillPath(well, kWell);
    painter.setPen(QPen(!m_radioEnabled ? kRingDisabled : m_hovered ? kRingHover : kRing, 1));
    painter.drawPath(well);

    const QString image = currentImageName();
    if (!image.isEmpty()) {
        const QSize size(kMarkSize, kMarkSize);
        painter.drawPixmap(QPointF(0, (height() - kMarkSize) / 2.0),
                           Images::pixmap(image, size, devicePixelRatioF()));
    }
    if (text().isEmpty())
        return;
    const QPalette::ColorGroup group = m_radioEnabled ? QPalette::Active : QPalette::Disabled;
    painter.setPen(palette().color(group, QPalette::WindowText));
    const QRect textRect(kMarkSize + kTitleGap, 0, width() - kMarkSize - kTitleGap, height());
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter,
                     fontMetrics().elidedText(text(), Qt::ElideRight, textRect.width()));
}

} // namespace drovik
