#pragma once

#include <QToolButton>

#include <array>

class QActionGroup;

namespace drovik {

// The speeds the pair can play at, slowest first; 1 is normal.
inline constexpr std::array<double, 6> kPlaybackSpeeds{0.25, 0.5, 1.0, 1.5, 2.0, 4.0};

// The next speed of the table above or below `speed`; the fastest and the slowest stay as they
// are. A speed between two of the table's steps to the one in that direction.
double fasterPlaybackSpeed(double speed);
double slowerPlaybackSpeed(double speed);
// "0.25×", "1×", "1.5×"…
QString playbackSpeedText(double speed);

// The playback bar's speed control: a small button showing the speed, which opens a menu of the
// table's speeds. It only shows and offers; the playback controller sets the speed and tells it.
class PlaybackSpeedButton : public QToolButton {
    Q_OBJECT
    // True away from 1×, so that the style sheet can make an unusual speed stand out.
    Q_PROPERTY(bool unusualSpeed READ isUnusualSpeed)
public:
    explicit PlaybackSpeedButton(QWidget *parent = nullptr);

    double speed() const { return m_speed; }
    void setSpeed(double speed);
    bool isUnusualSpeed() const { return m_speed != 1.0; }

signals:
    void speedChosen(double speed);

protected:
    bool event(QEvent *event) override;

private:
    double m_speed = 1.0;
    QActionGroup *m_choices = nullptr;
};

} // namespace drovik
