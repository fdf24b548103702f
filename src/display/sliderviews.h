#pragma once

#include <QWidget>

namespace drovik {

// The seek bar: an empty track, the played part and the knob "progress_bar".
class SeekTimeSliderView : public QWidget {
    Q_OBJECT
public:
    explicit SeekTimeSliderView(QWidget *parent = nullptr);

    double value() const { return m_value; }
    void setValue(double value);   // 0 … 1

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    double m_value = 0;
};

// The volume bar: the track "volume_bar" and the filled part "volume_level".
class VolumeSliderView : public QWidget {
    Q_OBJECT
public:
    explicit VolumeSliderView(QWidget *parent = nullptr);

    double volume() const { return m_volume; }
    void setVolume(double volume); // 0 … 1

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    double m_volume = 1.0;
};

} // namespace drovik
