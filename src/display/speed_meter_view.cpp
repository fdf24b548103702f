#include "speed_meter_view.h"

#include "widgets/image_widgets.h"
#include "i18n/preferences.h"
#include "display/speed_reading.h"


namespace drovik {

namespace {
// All images of the meter share one 240×150 canvas; the widget scales it to its own size.
constexpr QSizeF kCanvas(240, 150);
constexpr QRectF kHundreds(81, 84, 26, 40);
constexpr QRectF kTens(107, 84, 26, 40);
constexpr QRectF kOnes(133, 84, 26, 40);
constexpr QRectF kUnit(100, 127, 40, 14);

void showDigit(ImageView *view, int digit)
{
    view->setImageName(QString::number(digit));
    view->show();
}

void clearDigit(ImageView *view)
{
    view->setImageName(QString());
    view->hide();
}
} // namespace

SpeedMeterView::SpeedMeterView(QWidget *parent)
    : QWidget(parent)
{
    bgImageView = new ImageView(QStringLiteral("speed_dial"), this);
    for (int i = 1; i <= kSegmentCount; ++i)
        gaugeList.append(new ImageView(QStringLiteral("speed_seg%1").arg(i, 2, 10, QLatin1Char('0')), this));
    number100 = new ImageView(QString(), this);
    number10 = new ImageView(QString(), this);
    number1 = new ImageView(QString(), this);
    kmhUnitImageView = new ImageView(QStringLiteral("speed_unit_kmh"), this);
    speedUnitImageView = new ImageView(QStringLiteral("speed_unit_mph"), this);
    clearDigit(number100);
    clearDigit(number10);
    clearDigit(number1);
    speedUnitImageView->hide();
    setSpeedGauge(0);
    layoutCanvas();
}

void SpeedMeterView::setSpeedGauge(int v)
{
    const int lit = litSpeedSegments(v);
    for (int i = 1; i <= gaugeList.size(); ++i)
        gaugeList.at(i - 1)->setHidden(i > lit);
}

void SpeedMeterView::setSpeed(int s)
{
    m_speed = s;
    const SpeedReading reading = speedReading(s, Preferences::speedUnit());
    speedUnitImageView->setHidden(!reading.milesPerHour);
    kmhUnitImageView->setHidden(reading.milesPerHour);
    setSpeedGauge(reading.shown);
    ImageView *const digitViews[] = {number100, number10, number1};
    for (int place = 0; place < 3; ++place) {
        const int digit = reading.digits[std::size_t(place)];
        if (digit < 0)
            clearDigit(digitViews[place]);
        else
            showDigit(digitViews[place], digit);
    }
}

int SpeedMeterView::litSegmentCount() const
{
    int lit = 0;
    for (const ImageView *segment : gaugeList)
        lit += segment->isHidden() ? 0 : 1;
    return lit;
}

QString SpeedMeterView::shownDigits() const
{
    QString digits;
    for (const ImageView *view : {number100, number10, number1}) {
        if (!view->isHidden())
            digits += view->imageName();
    }
    return digits;
}

bool SpeedMeterView::isUnitLabelShown() const
{
    return !speedUnitImageView->isHidden();
}

void SpeedMeterView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutCanvas();
}

void SpeedMeterView::layoutCanvas()
{
    const qreal scale = qMin(width() / kCanvas.width(), height() / kCanvas.height());
    const QPointF origin((width() - kCanvas.width() * scale) / 2,
                         (height() - kCanvas.height() * scale) / 2);
    const auto place = [&](QWidget *view, const QRectF &canvasRect) {
        const QRectF r(origin + canvasRect.topLeft() * scale, canvasRect.size() * scale);
        view->setGeometry(r.toAlignedRect());
    };
    const QRectF whole(QPointF(0, 0), kCanvas);
    place(bgImageView, whole);
    for (ImageView *segment : gaugeList)
        place(segment, whole);
    place(number100, kHundreds);
    place(number10, kTens);
    place(number1, kOnes);
    place(speedUnitImageView, kUnit);
    place(kmhUnitImageView, kUnit);
}

} // namespace drovik
