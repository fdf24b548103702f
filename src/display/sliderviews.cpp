#include "sliderviews.h"

#include "app/images.h"

#include <QPainter>

namespace drovik {

namespace {
constexpr int kKnobWidth = 10;
constexpr int kKnobHeight = 33;
constexpr int kTrackHeight = 6;
} // namespace

SeekTimeSliderView::SeekTimeSliderView(QWidget *parent)
    : QWidget(parent)
{
}

void SeekTimeSliderView::setValue(double value)
{
    m_value = qBound(0.0, value, 1.0);
    update();
}

void SeekTimeSliderView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const qreal dpr = devicePixelRatioF();
    const int half = kKnobWidth / 2;
    const QRect track(half, (height() - kTrackHeight) / 2, width() - kKnobWidth, kTrackHeight);
    painter.drawPixmap(track.topLeft(), Images::pixmap(QStringLiteral("seek_track"), track.size(), dpr));
    const int knobX = half + int((width() - kKnobWidth) * m_value);
    if (knobX > half) {
        const QSize played(knobX - half, kTrackHeight);
        painter.drawPixmap(track.topLeft(), Images::pixmap(QStringLiteral("seek_fill"), played, dpr));
    }
    const int knobHeight = qMin(kKnobHeight, height());
    painter.drawPixmap(knobX - half, (height() - knobHeight) / 2,
                       Images::pixmap(QStringLiteral("progress_bar"), QSize(kKnobWidth, knobHeight), dpr));
}

VolumeSliderView::VolumeSliderView(QWidget *parent)
    : QWidget(parent)
{
}

void VolumeSliderView::setVolume(double volume)
{
    m_volume = qBound(0.0, volume, 1.0);
    update();
}

void VolumeSliderView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const qreal dpr = devicePixelRatioF();
    painter.drawPixmap(0, 0, Images::pixmap(QStringLiteral("volume_bar"), size(), dpr));
    const int filled = int(width() * m_volume);
    if (filled > 0)
        painter.drawPixmap(0, 0, Images::pixmap(QStringLiteral("volume_level"), QSize(filled, height()), dpr));
}

} // namespace drovik
