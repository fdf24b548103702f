#pragma once

#include "library/card_trips.h"

#include <QDialog>
#include <QList>
#include <QUrl>

#include <functional>
#include <memory>

class QLabel;
class QTreeWidget;

namespace drovik {

class TelemetryLoader;

// The chosen folder seen as drives: one row per trip with its date, start and end by the
// camera's clock, duration, distance, top speed, G-force events and clips. The rows come at
// once from the clips' names; the figures follow as the clips' telemetry is read in the
// background (through the cache, so a second look reads nothing). A double-click or Return on a
// trip plays its first clip.
class TripsWindow : public QDialog {
    Q_OBJECT
public:
    using Play = std::function<void(const QUrl &clip)>;

    TripsWindow(const QString &folder, const QList<QUrl> &listing, Play play, QWidget *parent);
    ~TripsWindow() override;

    const CardTrips &trips() const { return m_card; }
    // Whether every clip's telemetry has been read.
    bool isComplete() const { return m_complete; }
    QTreeWidget *table() const { return m_table; }

signals:
    void completed();

private:
    void regroup();
    void showTrips();
    void playTrip(int row);

    CardTrips m_card;
    QList<TripRecording> m_recordings;
    std::vector<DrovikClipData> m_telemetry;
    Play m_play;
    QLabel *m_status = nullptr;
    QTreeWidget *m_table = nullptr;
    std::unique_ptr<TelemetryLoader> m_loader;
    int m_read = 0;
    bool m_complete = false;
};

} // namespace drovik
