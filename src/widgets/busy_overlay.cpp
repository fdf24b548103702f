#include "busy_overlay.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>

namespace drovik {

namespace {
constexpr int kTurnIntervalMs = 33;
constexpr int kDegreesPerTurn = 12;
constexpr int kArcRadius = 22;
const QColor kAccent(0x19, 0xc3, 0xe6);
} // namespace

BusyOverlay::BusyOverlay(QWidget *covered)
    : QWidget(covered->parentWidget())
    , m_covered(covered)
    , m_turn(new QTimer(this))
{
    setAttribute(Qt::WA_NoSystemBackground);
    m_turn->setInterval(kTurnIntervalMs);
    connect(m_turn, &QTimer::timeout, this, [this] {
        m_angle = (m_angle + kDegreesPerTurn) % 360;
        update();
    });
    covered->installEventFilter(this);
    setGeometry(covered->geometry());
    hide();
}

void BusyOverlay::showWithText(const QString &text)
{
    m_text = text;
    setGeometry(m_covered->geometry());
    raise();
    show();
    update();
}

bool BusyOverlay::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_covered && (event->type() == QEvent::Resize || event->type() == QEvent::Move))
        setGeometry(m_covered->geometry());
    return QWidget::eventFilter(watched, event);
}

void BusyOverlay::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), QColor(10, 12, 15, 200));

    const QPointF centre(width() / 2.0, height() / 2.0 - 14);
    const QRectF circle(centre.x() - kArcRadius, centre.y() - kArcRadius, 2 * kArcRadius, 2 * kArcRadius);
    painter.setPen(QPen(QColor(255, 255, 255, 40), 4));
    painter.drawEllipse(circle);
    painter.setPen(QPen(kAccent, 4, Qt::SolidLine, Qt::RoundCap));
    // Qt counts arc angles in sixteenths of a degree, counter-clockwise.
    painter.drawArc(circle, -m_angle * 16, 100 * 16);

    QFont font = painter.font();
    font.setPixelSize(13);
    painter.setFont(font);
    painter.setPen(QColor(0xd7, 0xdd, 0xe4));
    const QRectF textBox(8, centre.y() + kArcRadius + 12, width() - 16, 22);
    painter.drawText(textBox, Qt::AlignHCenter | Qt::AlignTop,
                     painter.fontMetrics().elidedText(m_text, Qt::ElideMiddle, int(textBox.width())));
}

void BusyOverlay::showEvent(QShowEvent *event)
{
    m_turn->start();
    QWidget::showEvent(event);
}

void BusyOverlay::hideEvent(QHideEvent *event)
{
    m_turn->stop();
    QWidget::hideEvent(event);
}

} // namespace drovik
