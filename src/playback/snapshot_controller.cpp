#include "snapshot_controller.h"

#include "display/speed_reading.h"
#include "i18n/drovik_languages.h"
#include "i18n/preferences.h"
#include "library/video_file_rules.h"
#include "platform/atomic_save.h"
#include "playback/clip_selection.h"
#include "playback/convert/ffmpeg_utils.h"
#include "playback/playback_controller.h"
#include "playback/player/drovik_av_view.h"
#include "playback/telemetry_readout.h"
#include "widgets/view_helpers.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QImage>
#include <QImageWriter>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <cmath>
#include <optional>

namespace drovik {

namespace {

using Failure = std::optional<QString>; // the reason, when something went wrong

// The frame as a PNG file carrying the moment's text chunks, as the incident stills do.
Failure writePng(const QImage &image, const QString &path, const IncidentMoment &moment, double position)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "PNG");
    if (!writer.write(image))
        return writer.errorString();
    // The texts are numbers and a date, always Latin-1: this keeps the picture whatever happens.
    const QByteArray tagged = withPngTextChunks(png, stillTexts(moment, position)).value_or(png);
    if (const auto failure = saveAtomically(path, [&](QIODevice &file) { return file.write(tagged) == tagged.size(); }))
        return failure->reason;
    return std::nullopt;
}

Failure copyFile(const QString &from, const QString &to)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return source.errorString();
    bool readFailed = false;
    const std::optional<SaveFailure> written = saveAtomically(to, [&](QIODevice &target) {
        constexpr qint64 kChunk = 1 << 20;
        for (QByteArray chunk = source.read(kChunk); !chunk.isEmpty(); chunk = source.read(kChunk)) {
            if (target.write(chunk) != chunk.size())
                return false;
        }
        readFailed = source.error() != QFileDevice::NoError;
        return !readFailed;
    });
    if (readFailed)
        return source.errorString();
    return written ? Failure(written->reason) : std::nullopt;
}

// The line under a printed frame: the file, and the date, position and speed of the moment as
// the window's read-outs show them (the speed in the user's unit).
QString printCaption(const QString &fileName, const IncidentMoment &moment)
{
    QStringList parts{fileName};
    const QDateTime time = QDateTime::fromString(moment.dateTime, Qt::ISODate);
    if (time.isValid()) {
        parts.append(time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))
                     + (time.timeSpec() == Qt::UTC ? QStringLiteral(" UTC") : QString()));
    }
    if (moment.hasFix) {
        parts.append(TelemetryReadout::readoutText(moment.lat, 4) + QStringLiteral(", ")
                     + TelemetryReadout::readoutText(moment.lng, 4));
        const SpeedReading speed = speedReading(int(std::min(moment.speedKmh, 9999u)), Preferences::speedUnit());
        parts.append(QStringLiteral("%1 %2").arg(speed.shown).arg(localized(speed.milesPerHour ? "MPH" : "KM/H")));
    }
    return parts.join(QStringLiteral("   \u00b7   "));
}

// The frame as large as the printable area allows, keeping its proportions, in the middle, with
// the caption on one line under it.
Failure printFitted(QPrinter &printer, const QImage &frame, const QString &caption)
{
    const QString destination = printer.outputFileName().isEmpty() ? printer.printerName()
                                                                    : printer.outputFileName();
    QPainter painter;
    if (!painter.begin(&printer))
        return destination;
    QFont font = painter.font();
    font.setPointSizeF(10);
    painter.setFont(font);
    const QFontMetrics metrics = painter.fontMetrics();
    const int captionHeight = metrics.height() * 2; // a blank half line above and below
    const QRect page(QPoint(0, 0), printer.pageRect(QPrinter::DevicePixel).size().toSize());
    QRect target(QPoint(0, 0), frame.size().scaled(page.size() - QSize(0, captionHeight), Qt::KeepAspectRatio));
    target.moveCenter(page.center() - QPoint(0, captionHeight / 2));
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, frame);
    const QRect captionArea(page.left(), target.bottom() + 1, page.width(), captionHeight);
    painter.setPen(Qt::black);
    painter.drawText(captionArea, Qt::AlignCenter, metrics.elidedText(caption, Qt::ElideMiddle, page.width()));
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        return destination;
    return std::nullopt;
}

// Where a still is first proposed: the user's Pictures folder, else home.
QString picturesFolder()
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return !pictures.isEmpty() && QFileInfo(pictures).isDir() ? pictures : QDir::homePath();
}

QString noPictureReason()
{
    return localized("표시된 화면이 없습니다.");
}

} // namespace

QUrl bigVideoUrlOfRow(const QList<QUrl> &list, int row, bool switched)
{
    if (row < 0 || row >= list.size())
        return QUrl();
    const QUrl &entry = list.at(row);
    QUrl shown = entry;
    if (!switched)
        return shown;
    if (row > 0 && isMp4Partner(entry, list.at(row - 1)))
        shown = list.at(row - 1);
    if (row + 1 < list.size() && isMp4Partner(entry, list.at(row + 1)))
        shown = list.at(row + 1);
    return shown;
}

QString snapshotFileName(const QUrl &clip, double seconds)
{
    const QString name = clip.fileName();
    const QString extension = lowerCasedExtension(name);
    const QString base = extension.isEmpty() ? name : name.left(name.size() - extension.size() - 1);
    // A position the player cannot have (not a number, out of range) must not become
    // undefined behaviour in the conversion.
    const double ms = std::trunc(seconds * 1000.0);
    const qint64 whole = std::isfinite(ms) ? qint64(std::clamp(ms, -9.0e18, 9.0e18)) : 0;
    return QStringLiteral("%1_%2.png").arg(base).arg(whole);
}

SnapshotDialogs SnapshotDialogs::platform()
{
    SnapshotDialogs dialogs;
    dialogs.savePath = [](QWidget *parent, const QString &folder, const QString &name) {
        QFileDialog dialog(parent, localized("저장"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        if (!folder.isEmpty())
            dialog.setDirectory(folder);
        dialog.selectFile(name);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        return dialog.selectedFiles().constFirst();
    };
    dialogs.print = [](QWidget *parent, QPrinter &printer) {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    };
    return dialogs;
}

SnapshotController::SnapshotController(ClipSelection &clips, PlaybackController &playback,
                                       DrovikAVView &bigMovieView, QWidget *window, QObject *parent)
    : QObject(parent)
    , m_clips(clips)
    , m_playback(playback)
    , m_big(bigMovieView)
    , m_window(window)
    , m_dialogs(SnapshotDialogs::platform())
    , m_snapshotAction(makeAction(this, &SnapshotController::snapshotButtonTouched, {QKeySequence(Qt::CTRL | Qt::Key_S)}))
    , m_printAction(makeAction(this, &SnapshotController::printButtonTouched, {QKeySequence(Qt::CTRL | Qt::Key_P)}))
    , m_saveCopyAction(makeAction(this, &SnapshotController::saveFileButtonTouched,
                                  {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)}))
    , m_removeAction(makeAction(this, &SnapshotController::removeFileButtonTouched))
{
}

void SnapshotController::setClipActionsEnabled(bool enabled)
{
    m_snapshotAction->setEnabled(enabled);
    m_printAction->setEnabled(enabled);
}

void SnapshotController::setFileActionsEnabled(bool enabled)
{
    m_saveCopyAction->setEnabled(enabled);
    m_removeAction->setEnabled(enabled);
}

SnapshotController::~SnapshotController() = default;

QUrl SnapshotController::takeBigVideoURL(int row) const
{
    return bigVideoUrlOfRow(m_clips.shownClips(), row, m_playback.isVideoSwitched());
}

QUrl SnapshotController::shownClip() const
{
    if (const int row = m_clips.selectedRow(); row >= 0)
        return takeBigVideoURL(row);
    return m_playback.currentVideoUrl();
}

IncidentMoment SnapshotController::momentAt(double position) const
{
    // The moment as the incident export takes it: the entry's telemetry and the entry's date.
    const double at = std::max(0.0, position);
    const QUrl entry = m_playback.currentVideoUrl();
    IncidentMoment moment = m_playback.readout().momentAt(at);
    moment.dateTime = momentDateTime(entry.fileName(), at, [&] {
        return FfmpegUtils::GetFFMPEGVideoInfo(entry.toLocalFile());
    });
    return moment;
}

QString SnapshotController::askSavePath(const QString &firstFolder, const QString &name)
{
    // The next dialog opens where the last one saved, as the platform's save panels do.
    const QString path = m_dialogs.savePath(m_window, m_lastSaveFolder.isEmpty() ? firstFolder : m_lastSaveFolder, name);
    if (!path.isEmpty())
        m_lastSaveFolder = QFileInfo(path).absolutePath();
    return path;
}

void SnapshotController::snapshotButtonTouched()
{
    m_playback.pauseVideo();
    const double position = m_big.currentTime();
    const QString path = askSavePath(picturesFolder(), snapshotFileName(shownClip(), position));
    if (path.isEmpty())
        return;
    const QImage frame = m_big.snapshot();
    const Failure failure = frame.isNull() ? Failure(noPictureReason())
                                           : writePng(frame, path, momentAt(position), std::max(0.0, position));
    if (failure)
        showFailure(localized("스냅샷을 저장하지 못했습니다."), *failure);
}

void SnapshotController::printButtonTouched()
{
    m_playback.pauseVideo();
    const QImage frame = m_big.snapshot();
    if (frame.isNull()) {
        showFailure(localized("인쇄하지 못했습니다."), noPictureReason());
        return;
    }
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    m_printer->setPageOrientation(QPageLayout::Landscape);
    if (!m_dialogs.print(m_window, *m_printer))
        return;
    const QString caption = printCaption(shownClip().fileName(), momentAt(m_big.currentTime()));
    if (const Failure failure = printFitted(*m_printer, frame, caption))
        showFailure(localized("인쇄하지 못했습니다."), *failure);
}

void SnapshotController::saveFileButtonTouched()
{
    const int row = m_clips.selectedRow();
    if (row < 0)
        return;
    const QUrl clip = takeBigVideoURL(row);
    const QString path = askSavePath(QString(), clip.fileName());
    if (path.isEmpty())
        return;
    // A clip is hundreds of megabytes on a slow card: copy off the GUI thread.
    auto *watcher = new QFutureWatcher<Failure>(this);
    connect(watcher, &QFutureWatcher<Failure>::finished, this, [this, watcher] {
        const Failure failure = watcher->result();
        watcher->deleteLater();
        if (failure)
            showFailure(localized("파일을 저장하지 못했습니다."), *failure);
        emit copyFinished(!failure);
    });
    watcher->setFuture(QtConcurrent::run(&copyFile, clip.toLocalFile(), path));
}

void SnapshotController::removeFileButtonTouched()
{
    const int row = m_clips.selectedRow();
    if (row < 0)
        return;
    // The listed file itself: its partner, converted copies and telemetry files stay.
    const QUrl entry = m_clips.shownClips().at(row);
    if (QFile::remove(entry.toLocalFile()))
        m_clips.removeClip(entry);
}

void SnapshotController::showFailure(const QString &text, const QString &reason)
{
    auto *alert = new QMessageBox(QMessageBox::Warning, text, text, QMessageBox::NoButton, m_window);
    alert->setInformativeText(reason);
    alert->addButton(localized("OK"), QMessageBox::AcceptRole);
    alert->setAttribute(Qt::WA_DeleteOnClose);
    alert->setWindowModality(Qt::WindowModal);
    alert->open();
}

} // namespace drovik
