#include "slider_views.h"

#include "widgets/images.h"

#include <QMouseEvent>
#include <QPainter>

namespace drovik {

VolumeSliderView::VolumeSliderView(QWidget *parent)
    : QWidget(parent)
{
}

void VolumeSliderView::setVolume(float v)
{
    setVolumeGageWithVolume(limitedVolume(v));
}

void VolumeSliderView::setVolumeGageWithVolume(float v)
{
    // The filled width is derived from the volume when drawn, so the gauge also follows a
    // resize; storing the volume is all that moving the gauge takes.
    m_volume = limitedVolume(v);
    update();
}

void VolumeSliderView::setVolumeGaugeWithXPoint(double x)
{
    m_volume = volumeAtX(x, width());
    update();
}

void VolumeSliderView::sendVolumeChangedEvent()
{
    emit volumeChanged(m_volume);
}

void VolumeSliderView::setIsMuted(bool muted)
{
    m_isMuted = muted;
    if (muted)
        m_backupVolume = m_volume;
    setVolume(muted ? 0.0f : m_backupVolume);
    sendVolumeChangedEvent();
}

void VolumeSliderView::mousePressEvent(QMouseEvent *event)
{
    if (!isEnabled() || event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    setVolumeGaugeWithXPoint(event->position().x());
    sendVolumeChangedEvent();
}

void VolumeSliderView::mouseMoveEvent(QMouseEvent *event)
{
    if (!isEnabled() || !(event->buttons() & Qt::LeftButton))
        return QWidget::mouseMoveEvent(event);
    setVolumeGaugeWithXPoint(event->position().x());
    sendVolumeChangedEvent();
}

void VolumeSliderView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!isEnabled())
        painter.setOpacity(0.45);
    const qreal dpr = devicePixelRatioF();
    painter.drawPixmap(0, 0, Images::pixmap(QStringLiteral("volume_bar"), size(), dpr));
    const double filled = gaugeWidth();
    if (filled <= 0)
        return;
    // The level is drawn at the bar's full size and cut at the volume, so its rounded end and
    // highlight keep their shape at any volume.
    painter.setClipRect(QRectF(0, 0, filled, height()));
    painter.drawPixmap(0, 0, Images::pixmap(QStringLiteral("volume_level"), size(), dpr));
}

} // namespace drovik
