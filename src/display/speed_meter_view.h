#pragma once

#include "display/speed_reading.h"

#include <QList>
#include <QWidget>

namespace drovik {

class ImageView;

// The speed meter: 24 lit segments (ten units each) and up to three digits, all images laid
// on one canvas. Speeds arrive in km/h; the meter shows mph itself when the user prefers it.
class SpeedMeterView : public QWidget {
    Q_OBJECT
public:
    explicit SpeedMeterView(QWidget *parent = nullptr);

    // Stores s (km/h) and redraws segments, unit label and digits in the preferred unit.
    void setSpeed(int s);
    int speed() const { return m_speed; }
    // Lights segment i (1-based) exactly when i ≤ v / 10, truncated toward zero.
    void setSpeedGauge(int v);

    // What the meter shows, for tests and accessibility.
    int litSegmentCount() const;
    QString shownDigits() const;          // e.g. "120", "" when no digits are shown
    bool isUnitLabelShown() const;

    static constexpr int kSegmentCount = kSpeedSegmentCount;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void layoutCanvas();

    int m_speed = 0;
    ImageView *bgImageView = nullptr;
    ImageView *number1 = nullptr;
    ImageView *number10 = nullptr;
    ImageView *number100 = nullptr;
    ImageView *speedUnitImageView = nullptr;
    ImageView *kmhUnitImageView = nullptr;
    QList<ImageView *> gaugeList;
};

} // namespace drovik
