#include "export_controller.h"

#include "i18n/drovik_languages.h"
#include "library/video_file_rules.h"
#include "platform/atomic_save.h"
#include "playback/convert/incident_export.h"
#include "playback/playback_controller.h"
#include "playback/telemetry_readout.h"
#include "playback/player/drovik_av_view.h"
#include "telemetry/clip_data.h"
#include "telemetry/telemetry_export.h"
#include "widgets/busy_overlay.h"
#include "widgets/image_widgets.h"
#include "widgets/view_helpers.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QMessageBox>
#include <QPushButton>
#include <QtConcurrent/QtConcurrentRun>

#include <iterator>
#include <optional>
#include <sstream>

namespace drovik {

namespace {

struct FormatInfo {
    TrackFormat format;
    const char *extension;
    const char *filter;
};

constexpr FormatInfo kFormats[] = {
    {TrackFormat::Gpx, "gpx", "GPX 1.1 (*.gpx)"},
    {TrackFormat::Kml, "kml", "KML 2.2 (*.kml)"},
    {TrackFormat::Csv, "csv", "CSV (*.csv)"},
};

QStringList trackFilters()
{
    QStringList filters;
    for (const FormatInfo &f : kFormats)
        filters.append(QString::fromLatin1(f.filter));
    return filters;
}

QString baseNameOf(const QString &fileName)
{
    const QString extension = lowerCasedExtension(fileName);
    return extension.isEmpty() ? fileName : fileName.left(fileName.size() - extension.size() - 1);
}

// The track of the clip whose file name is clipName, named after it: another make's with its own
// times when it has one.
std::optional<QString> writeTrack(const QString &path, const DrovikClipData &clip, const telemetry::TimedRecord *timed,
                                  const QString &clipName)
{
    std::ostringstream text;
    const std::string name = clipName.toStdString();
    const telemetry::TrackStart start = trackStartTime(clipName, clip);
    switch (trackFormatOfPath(path)) {
    case TrackFormat::Gpx:
        timed ? telemetry::writeTimedGpx(text, timed->track(), name) : telemetry::writeClipGpx(text, clip, name, start);
        break;
    case TrackFormat::Kml:
        timed ? telemetry::writeTimedKml(text, timed->track(), name) : telemetry::writeClipKml(text, clip, name, start);
        break;
    case TrackFormat::Csv:
        timed ? telemetry::writeTimedCsv(text, timed->track()) : telemetry::writeClipCsv(text, clip, start);
        break;
    }
    const std::string bytes = text.str();
    if (const auto failure = saveAtomically(path, [&](QIODevice &file) {
            return file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size());
        }))
        return failure->reason;
    return std::nullopt;
}

} // namespace

TrackFormat trackFormatOfPath(const QString &path)
{
    const QString extension = lowerCasedExtension(QFileInfo(path).fileName());
    for (const FormatInfo &f : kFormats) {
        if (extension == QLatin1String(f.extension))
            return f.format;
    }
    return TrackFormat::Gpx;
}

ExportDialogs ExportDialogs::platform()
{
    ExportDialogs dialogs;
    // The next dialog opens where the last one saved, as the platform's save panels do.
    auto lastFolder = std::make_shared<QString>();
    dialogs.trackPath = [lastFolder](QWidget *parent, const QString &name, const QStringList &filters) {
        QFileDialog dialog(parent, localized("Export Track"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setNameFilters(filters);
        if (!lastFolder->isEmpty())
            dialog.setDirectory(*lastFolder);
        dialog.setDefaultSuffix(QString::fromLatin1(kFormats[0].extension));
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, filters](const QString &filter) {
            const qsizetype i = filters.indexOf(filter);
            if (i >= 0 && i < qsizetype(std::size(kFormats)))
                dialog.setDefaultSuffix(QString::fromLatin1(kFormats[i].extension));
        });
        dialog.selectFile(name);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        QString path = dialog.selectedFiles().constFirst();
        // A name typed with another extension still gets the format the user picked.
        const qsizetype chosen = filters.indexOf(dialog.selectedNameFilter());
        const QString extension = lowerCasedExtension(QFileInfo(path).fileName());
        bool known = false;
        for (const FormatInfo &f : kFormats)
            known = known || extension == QLatin1String(f.extension);
        if (!known && chosen >= 0 && chosen < qsizetype(std::size(kFormats)))
            path += QLatin1Char('.') + QLatin1String(kFormats[chosen].extension);
        *lastFolder = QFileInfo(path).absolutePath();
        return path;
    };
    auto lastIncidentFolder = std::make_shared<QString>();
    dialogs.incidentFolder = [lastIncidentFolder](QWidget *parent) {
        const QString folder = QFileDialog::getExistingDirectory(parent, localized("Export Incident"),
                                                                 *lastIncidentFolder);
        if (!folder.isEmpty())
            *lastIncidentFolder = folder;
        return folder;
    };
    return dialogs;
}

ExportController::ExportController(PlaybackController &playback, DrovikAVView &bigMovieView,
                                   QWidget *covered, QWidget *window, QString workingDirectory,
                                   QObject *parent)
    : QObject(parent)
    , m_playback(playback)
    , m_big(bigMovieView)
    , m_window(window)
    , m_workingDirectory(std::move(workingDirectory))
    , m_dialogs(ExportDialogs::platform())
    , m_busy(new BusyOverlay(covered))
    , m_trackAction(makeAction(this, &ExportController::trackExportButtonTouched, {QKeySequence(Qt::CTRL | Qt::Key_E)}))
    , m_incidentAction(makeAction(this, &ExportController::incidentExportButtonTouched,
                                  {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E)}))
{
}

void ExportController::setActionsEnabled(bool enabled)
{
    m_trackAction->setEnabled(enabled);
    m_incidentAction->setEnabled(enabled);
}

ExportController::~ExportController()
{
    m_stop->store(true);
}

void ExportController::setIncidentSpan(double before, double after)
{
    m_before = before;
    m_after = after;
}

void ExportController::trackExportButtonTouched()
{
    const QUrl clip = m_playback.currentVideoUrl();
    if (clip.isEmpty())
        return;
    m_playback.pauseVideo();
    const QString name = baseNameOf(clip.fileName()) + QStringLiteral(".gpx");
    const QString path = m_dialogs.trackPath(m_window, name, trackFilters());
    if (path.isEmpty())
        return;
    const std::optional<QString> failure =
        writeTrack(path, m_playback.clipData(), m_playback.readout().timedRecord().get(), clip.fileName());
    if (failure)
        showAlert(true, localized("The track could not be exported."), *failure);
    emit trackExportFinished(!failure);
}

void ExportController::incidentExportButtonTouched()
{
    const QUrl clip = m_playback.currentVideoUrl();
    if (clip.isEmpty() || m_running)
        return;
    m_playback.pauseVideo();
    IncidentRequest request;
    request.clip = clip;
    request.at = std::max(0.0, m_big.currentTime());
    request.before = m_before;
    request.after = m_after;
    request.workingDirectory = m_workingDirectory;
    request.outputFolder = m_dialogs.incidentFolder(m_window);
    if (request.outputFolder.isEmpty())
        return;

    m_running = true;
    m_busy->showWithText(localized("Exporting the incident…"));
    auto *watcher = new QFutureWatcher<IncidentResult>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher] {
        const IncidentResult result = watcher->result();
        watcher->deleteLater();
        m_running = false;
        m_busy->hide();
        if (result.ok())
            showAlert(false, localized("The incident was exported."), result.folder, result.folder);
        else
            showAlert(true, localized("The incident could not be exported."), result.error);
        emit incidentExportFinished(result.ok() ? result.folder : QString());
    });
    watcher->setFuture(QtConcurrent::run([request, stop = m_stop] {
        return exportIncident(request, [stop] { return stop->load(); });
    }));
}

void ExportController::showAlert(bool failure, const QString &text, const QString &detail, const QString &folder)
{
    auto *alert = new QMessageBox(failure ? QMessageBox::Warning : QMessageBox::Information, text, text,
                                  QMessageBox::NoButton, m_window);
    // ffmpeg's words run to several lines: the first one under the message, all of them on
    // demand, so the alert stays the size of an alert.
    const qsizetype lineEnd = detail.indexOf(QLatin1Char('\n'));
    alert->setInformativeText(lineEnd < 0 ? detail : detail.left(lineEnd));
    if (lineEnd >= 0)
        setAlertDetail(alert, detail);
    alert->setTextInteractionFlags(Qt::TextSelectableByMouse);
    if (!folder.isEmpty()) {
        QPushButton *open = alert->addButton(localized("Open Folder"), QMessageBox::ActionRole);
        connect(open, &QPushButton::clicked, this,
                [folder] { QDesktopServices::openUrl(QUrl::fromLocalFile(folder)); });
    }
    // Escape (and closing the window) is OK, also when the folder button is there too.
    alert->setEscapeButton(alert->addButton(localized("OK"), QMessageBox::AcceptRole));
    alert->setAttribute(Qt::WA_DeleteOnClose);
    alert->setWindowModality(Qt::WindowModal);
    alert->open();
}

} // namespace drovik
