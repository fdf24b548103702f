#include "snapshot_controller.h"

#include "i18n/drovik_languages.h"
#include "library/video_file_rules.h"
#include "platform/atomic_save.h"
#include "playback/clip_selection.h"
#include "playback/playback_controller.h"
#include "playback/player/drovik_av_view.h"
#include "widgets/view_helpers.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QImage>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <cmath>
#include <optional>

namespace drovik {

namespace {

using Failure = std::optional<QString>; // the reason, when something went wrong

Failure writePng(const QImage &image, const QString &path)
{
    if (const auto failure = saveAtomically(path, [&](QIODevice &file) { return image.save(&file, "PNG"); }))
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

// The frame as large as the printable area allows, keeping its proportions, in the middle.
Failure printFitted(QPrinter &printer, const QImage &frame)
{
    const QString destination = printer.outputFileName().isEmpty() ? printer.printerName()
                                                                    : printer.outputFileName();
    QPainter painter;
    if (!painter.begin(&printer))
        return destination;
    const QRect page(QPoint(0, 0), printer.pageRect(QPrinter::DevicePixel).size().toSize());
    QRect target(QPoint(0, 0), frame.size().scaled(page.size(), Qt::KeepAspectRatio));
    target.moveCenter(page.center());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, frame);
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        return destination;
    return std::nullopt;
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
    // The next dialog opens where the last one saved, as the platform's save panels do.
    auto lastFolder = std::make_shared<QString>();
    dialogs.savePath = [lastFolder](QWidget *parent, const QString &name) {
        QFileDialog dialog(parent, localized("저장"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        if (!lastFolder->isEmpty())
            dialog.setDirectory(*lastFolder);
        dialog.selectFile(name);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        const QString path = dialog.selectedFiles().constFirst();
        *lastFolder = QFileInfo(path).absolutePath();
        return path;
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
    , m_snapshotAction(makeAction(this, &SnapshotController::snapshotButtonTouched))
    , m_printAction(makeAction(this, &SnapshotController::printButtonTouched))
    , m_saveCopyAction(makeAction(this, &SnapshotController::saveFileButtonTouched))
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

void SnapshotController::snapshotButtonTouched()
{
    m_playback.pauseVideo();
    const double position = m_big.currentTime();
    QUrl clip = m_playback.currentVideoUrl();
    if (const int row = m_clips.selectedRow(); row >= 0)
        clip = takeBigVideoURL(row);
    const QString path = m_dialogs.savePath(m_window, snapshotFileName(clip, position));
    if (path.isEmpty())
        return;
    const QImage frame = m_big.snapshot();
    const Failure failure = frame.isNull() ? Failure(noPictureReason()) : writePng(frame, path);
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
    if (const Failure failure = printFitted(*m_printer, frame))
        showFailure(localized("인쇄하지 못했습니다."), *failure);
}

void SnapshotController::saveFileButtonTouched()
{
    const int row = m_clips.selectedRow();
    if (row < 0)
        return;
    const QUrl clip = takeBigVideoURL(row);
    const QString path = m_dialogs.savePath(m_window, clip.fileName());
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
