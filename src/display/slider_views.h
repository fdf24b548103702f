#pragma once

#include "display/slider_geometry.h"

#include <QColor>
#include <QList>
#include <QRectF>
#include <QWidget>

namespace drovik {

// The playing-position bar. The playback controller sets the maximum (the clip's duration in
// seconds) and, on every play-timer tick, the current value; the user presses and drags the
// knob "progress_bar" and the bar reports it with its signals, each carrying
// currentSliderValue. While a press or drag is in progress the knob stays under the pointer:
// timer updates are stored but do not move it. The mouse is ignored while the bar is disabled
// (QWidget::setEnabled).
class SeekTimeSliderView : public QWidget {
    Q_OBJECT
public:
    static constexpr double kKnobWidth = 10;
    static constexpr double kKnobHeight = 33;

    explicit SeekTimeSliderView(QWidget *parent = nullptr);

    void setMaxSliderValue(double value) { m_maxSliderValue = value; }
    double maxSliderValue() const { return m_maxSliderValue; }
    // Stores v, or the maximum when v is larger (smaller values are kept as they are), and moves
    // the knob there unless the user holds it.
    void setCurrentSliderValue(double v);
    double currentSliderValue() const { return m_currentSliderValue; }

    bool isSliderTouching() const { return m_isSliderTouching; }
    // The track for the bar's current width (a bar not yet shown may not have had its resize
    // event, so the width is read each time).
    SeekTrack track() const { return SeekTrack::forWidth(width(), kKnobWidth); }
    // Where the knob is drawn, in the bar's coordinates.
    QRectF knobFrame() const { return QRectF(m_knobX, 0, kKnobWidth, kKnobHeight); }

    // Ticks on the track behind the knob, at values of the bar (seconds) in their colours: the
    // playing clip's G-force events. A bar without a maximum yet shows none.
    struct Mark {
        double value = 0;
        QColor color;
    };
    void setMarks(QList<Mark> marks);
    const QList<Mark> &marks() const { return m_marks; }

    double calculateSliderValueFromSliderXPosition(double x) const;
    void moveSliderImageViewWithSliderValue(double v);
    void moveSliderImageViewWithXPoint(double x);

signals:
    void seekTimeSliderTouchedDown(double value);
    void seekTimeSliderDragged(double value);
    // The button was released; the knob stays where the drag left it.
    void seekTimeSliderTouchedUp(double value);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void touch(double x, void (SeekTimeSliderView::*report)(double));

    double m_knobX = 0;
    double m_maxSliderValue = 0;
    double m_currentSliderValue = 0;
    bool m_isSliderTouching = false;
    QList<Mark> m_marks;
};

// The volume bar: the empty bar "volume_bar" with the filled part "volume_level" over it, whose
// width is volume × the bar's width. Pressing or dragging sets the volume from the pointer and
// reports it; muting keeps the volume to restore on unmuting.
class VolumeSliderView : public QWidget {
    Q_OBJECT
public:
    explicit VolumeSliderView(QWidget *parent = nullptr);

    // Keeps v within 0 … 1; does not report.
    void setVolume(float v);
    float volume() const { return m_volume; }
    // Muting saves the volume and sets 0; unmuting restores the saved volume (0 when nothing
    // was saved). Both report the new volume.
    void setIsMuted(bool muted);
    bool isMuted() const { return m_isMuted; }

    // The filled part's width in the bar's coordinates.
    double gaugeWidth() const { return volumeGaugeWidth(m_volume, width()); }

    void setVolumeGaugeWithXPoint(double x);
    void setVolumeGageWithVolume(float v);
    void sendVolumeChangedEvent();

signals:
    // After a press, a drag and every setIsMuted(); setVolume() does not report.
    void volumeChanged(float volume);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    float m_volume = 1.0f;
    float m_backupVolume = 0.0f;
    bool m_isMuted = false;
};

} // namespace drovik
