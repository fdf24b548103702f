#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <memory>

class QAction;
class QWidget;

namespace drovik {

class BusyOverlay;
class DrovikAVView;
class PlaybackController;

// The track file formats offered by the track export, chosen by the file's extension.
enum class TrackFormat { Gpx, Kml, Csv };
// "gpx", "kml", "csv" (any case) → the format; anything else → GPX.
TrackFormat trackFormatOfPath(const QString &path);

// The questions put to the user. The window uses the platform's dialogs; tests answer them.
struct ExportDialogs {
    // The path chosen in a save dialog that proposes `name` and offers `filters` (one per
    // format, GPX first); "" when cancelled. The path ends in the chosen format's extension.
    std::function<QString(QWidget *parent, const QString &name, const QStringList &filters)> trackPath;
    // The folder chosen to receive an incident; "" when cancelled.
    std::function<QString(QWidget *parent)> incidentFolder;

    static ExportDialogs platform();
};

// The window's exports of the playing clip: its track as GPX, KML or CSV (the same writers as
// `drovik telemetry`), and the incident around the position on screen (as `drovik export`),
// the latter on a worker thread under a busy cover.
class ExportController : public QObject {
    Q_OBJECT
public:
    // covered: the widget the busy cover lies on while an incident is written; workingDirectory:
    // the viewer's conversion cache, so the export converts nothing again.
    ExportController(PlaybackController &playback, DrovikAVView &bigMovieView, QWidget *covered,
                     QWidget *window, QString workingDirectory, QObject *parent = nullptr);
    ~ExportController() override;

    void setDialogs(ExportDialogs dialogs) { m_dialogs = std::move(dialogs); }
    // Both need a clip open.
    QAction *trackAction() const { return m_trackAction; }
    QAction *incidentAction() const { return m_incidentAction; }
    void setActionsEnabled(bool enabled);
    bool isExportingIncident() const { return m_running; }
    // Seconds kept before and after the moment.
    void setIncidentSpan(double before, double after);

public slots:
    void trackExportButtonTouched();
    void incidentExportButtonTouched();

signals:
    // A track export ended; when it failed the alert is already up.
    void trackExportFinished(bool saved);
    // An incident export ended: the folder made, or "" when it failed (the alert is up).
    void incidentExportFinished(const QString &folder);

private:
    void showAlert(bool failure, const QString &text, const QString &detail, const QString &folder = {});

    PlaybackController &m_playback;
    DrovikAVView &m_big;
    QWidget *m_window = nullptr;
    QString m_workingDirectory;
    ExportDialogs m_dialogs;
    BusyOverlay *m_busy = nullptr;
    double m_before = 15;
    double m_after = 15;
    bool m_running = false;
    // Told to the worker when the window goes away mid-export: ffmpeg stops, nothing is left.
    QAction *m_trackAction = nullptr;
    QAction *m_incidentAction = nullptr;
    std::shared_ptr<std::atomic<bool>> m_stop = std::make_shared<std::atomic<bool>>(false);
};

} // namespace drovik
