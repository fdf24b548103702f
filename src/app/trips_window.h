#pragma once

#include <QDialog>
#include <QTimer>
#include <QUrl>

#include <functional>

class QLabel;
class QPushButton;
class QSpinBox;
class QTreeWidget;

namespace drovik {

class FolderTrips;
class SpeedChartView;
class TripPlayback;

// The chosen folder seen as drives: one row per trip with its date, start and end by the
// camera's clock, duration, distance, top speed, G-force events and clips. The rows come at
// once from the clips' names; the figures follow as the clips' telemetry is read in the
// background (through the cache, so a second look reads nothing). Below the rows, the chosen
// trip's statistics beside the playing clip's, and its speed over time with the playing position
// and the events; a click on the chart plays that moment. The trip playing is chosen as it
// changes. A double-click or Return on a trip plays its first clip; its track can be saved as
// GPX, KML or CSV; the longest pause within a trip is a preference set here.
class TripsWindow : public QDialog {
    Q_OBJECT
public:
    using Play = std::function<void(const QUrl &clip)>;
    using Open = std::function<void(const QUrl &clip, double seconds)>;
    // Asks where to save a trip's track (the suggested name); an empty answer cancels.
    using SavePath = std::function<QString(QWidget *parent, const QString &name)>;

    TripsWindow(FolderTrips &trips, TripPlayback &playing, Play play, Open open, QWidget *parent);
    ~TripsWindow() override;

    // Whether every clip's telemetry has been read.
    bool isComplete() const;
    QTreeWidget *table() const { return m_table; }
    SpeedChartView *chart() const { return m_chart; }
    QLabel *statistics() const { return m_statistics; }
    QSpinBox *gapBox() const { return m_gap; }
    QPushButton *exportButton() const { return m_export; }
    int chosenTrip() const;
    void setSavePath(SavePath savePath) { m_savePath = std::move(savePath); }
    // Saves the chosen trip's track where the save path answers, in the format its extension names.
    void exportChosenTrip();
    // The speed unit changed.
    void refreshUnits();

signals:
    void completed();

private:
    void showTrips();
    void showChosenTrip();
    void followPlayingTrip();
    void playTrip(int row);

    FolderTrips &m_trips;
    TripPlayback &m_playing;
    Play m_play;
    Open m_open;
    SavePath m_savePath;
    QLabel *m_status = nullptr;
    QSpinBox *m_gap = nullptr;
    QTreeWidget *m_table = nullptr;
    QLabel *m_statistics = nullptr;
    SpeedChartView *m_chart = nullptr;
    QPushButton *m_export = nullptr;
    bool m_wasComplete = false;
    // Readings come in bursts: the rows are written again once, in an event of their own.
    QTimer m_refresh;
};

} // namespace drovik
