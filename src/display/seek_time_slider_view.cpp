#include "slider_views.h"

#include "widgets/images.h"

#include <QMouseEvent>
#include <QPainter>

namespace drovik {

namespace {
constexpr double kTrackHeight = 6;
constexpr qreal kDisabledOpacity = 0.45;
} // namespace

SeekTimeSliderView::SeekTimeSliderView(QWidget *parent)
    : QWidget(parent)
{
}

double SeekTimeSliderView::calculateSliderValueFromSliderXPosition(double x) const
{
    return track().valueAtX(x, m_maxSliderValue);
}

void SeekTimeSliderView::moveSliderImageViewWithXPoint(double x)
{
    m_knobX = track().knobOriginAtX(x);
    update();
}

void SeekTimeSliderView::moveSliderImageViewWithSliderValue(double v)
{
    if (const std::optional<double> origin = track().knobOriginForValue(v, m_maxSliderValue)) {
        m_knobX = *origin;
        update();
    }
}

void SeekTimeSliderView::setMarks(QList<Mark> marks)
{
    m_marks = std::move(marks);
    update();
}

void SeekTimeSliderView::setCurrentSliderValue(double v)
{
    m_currentSliderValue = v > m_maxSliderValue ? m_maxSliderValue : v;
    if (!m_isSliderTouching)
        moveSliderImageViewWithSliderValue(m_currentSliderValue);
}

void SeekTimeSliderView::touch(double x, void (SeekTimeSliderView::*report)(double))
{
    m_isSliderTouching = true;
    moveSliderImageViewWithXPoint(x);
    m_currentSliderValue = calculateSliderValueFromSliderXPosition(x);
    emit (this->*report)(m_currentSliderValue);
}

void SeekTimeSliderView::mousePressEvent(QMouseEvent *event)
{
    if (!isEnabled() || event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    touch(event->position().x(), &SeekTimeSliderView::seekTimeSliderTouchedDown);
}

void SeekTimeSliderView::mouseMoveEvent(QMouseEvent *event)
{
    if (!isEnabled() || !(event->buttons() & Qt::LeftButton) || !m_isSliderTouching)
        return QWidget::mouseMoveEvent(event);
    touch(event->position().x(), &SeekTimeSliderView::seekTimeSliderDragged);
}

void SeekTimeSliderView::mouseReleaseEvent(QMouseEvent *event)
{
    if (!isEnabled() || event->button() != Qt::LeftButton || !m_isSliderTouching)
        return QWidget::mouseReleaseEvent(event);
    // The knob stays where the drag left it; the next timer update puts it at the played time.
    m_currentSliderValue = calculateSliderValueFromSliderXPosition(event->position().x());
    emit seekTimeSliderTouchedUp(m_currentSliderValue);
    m_isSliderTouching = false;
}

void SeekTimeSliderView::changeEvent(QEvent *event)
{
    // A bar disabled in the middle of a drag never sees the release; without this the knob would
    // stay frozen under a pointer that has long left, ignoring the playing time.
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        m_isSliderTouching = false;
    QWidget::changeEvent(event);
}

void SeekTimeSliderView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (!m_isSliderTouching)
        moveSliderImageViewWithSliderValue(m_currentSliderValue);
}

void SeekTimeSliderView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!isEnabled())
        painter.setOpacity(kDisabledOpacity);
    const qreal dpr = devicePixelRatioF();
    const SeekTrack geometry = track();
    const double knobCentreY = qMin<double>(kKnobHeight, height()) / 2;
    const QRectF bar(geometry.minSliderXPt, knobCentreY - kTrackHeight / 2,
                     qMax(0.0, geometry.sliderLength), kTrackHeight);
    const QSize barSize = bar.size().toSize();
    painter.drawPixmap(bar.topLeft(), Images::pixmap(QStringLiteral("seek_track"), barSize, dpr));
    // The played part runs from the start of the track to the knob's centre.
    const double played = knobFrame().center().x() - bar.left();
    if (played >= 1 && m_maxSliderValue > 0) {
        painter.save();
        painter.setClipRect(QRectF(bar.left(), bar.top(), played, bar.height()));
        painter.drawPixmap(bar.topLeft(), Images::pixmap(QStringLiteral("seek_fill"), barSize, dpr));
        painter.restore();
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (const Mark &mark : m_marks) {
        const std::optional<double> origin = geometry.knobOriginForValue(mark.value, m_maxSliderValue);
        if (!origin)
            continue;
        const double x = *origin + kKnobWidth / 2;
        painter.setPen(QPen(QColor(0x0b, 0x0d, 0x10), 1.0));
        painter.setBrush(mark.color);
        painter.drawRoundedRect(QRectF(x - 2, bar.top() - 5, 4, bar.height() + 10), 2, 2);
    }
    painter.restore();
    const QRectF knob = knobFrame();
    painter.drawPixmap(knob.topLeft(),
                       Images::pixmap(QStringLiteral("progress_bar"), knob.size().toSize(), dpr));
}

} // namespace drovik
