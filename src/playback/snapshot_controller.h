#pragma once

#include "playback/convert/incident_export.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>
#include <memory>

class QAction;
class QPrinter;
class QWidget;

namespace drovik {

class DrovikAVView;
class ClipSelection;
class PlaybackController;

// The file the large view shows for entry `row` of the shown list: the entry itself, or, with
// front and rear switched, its mp4 partner when that sits in the next or previous row.
// An empty URL for a row outside the list.
QUrl bigVideoUrlOfRow(const QList<QUrl> &list, int row, bool switched);

// The proposed name of a still: the clip's file name without its extension, "_", and the
// position in whole milliseconds (truncated), ".png".
QString snapshotFileName(const QUrl &clip, double seconds);

// The questions put to the user. The window uses the platform's dialogs; tests answer them.
struct SnapshotDialogs {
    // The path chosen in a save dialog that opens in `folder` (the platform's choice when empty)
    // and proposes `name`, or "" when cancelled. The dialog itself asks before an existing file
    // is replaced.
    std::function<QString(QWidget *parent, const QString &folder, const QString &name)> savePath;
    // Shows the print dialog for printer; whether to print.
    std::function<bool(QWidget *parent, QPrinter &printer)> print;

    static SnapshotDialogs platform();
};

// The main window's actions on the shown clip and the selected file: save the large view's
// frame as a PNG, print it, save a copy of the file, remove the file from the card.
class SnapshotController : public QObject {
    Q_OBJECT
public:
    SnapshotController(ClipSelection &clips, PlaybackController &playback,
                       DrovikAVView &bigMovieView, QWidget *window, QObject *parent = nullptr);
    ~SnapshotController() override;

    void setDialogs(SnapshotDialogs dialogs) { m_dialogs = std::move(dialogs); }

    // The still and the print need a clip open; save a copy and remove, a listed file.
    QAction *snapshotAction() const { return m_snapshotAction; }
    QAction *printAction() const { return m_printAction; }
    QAction *saveCopyAction() const { return m_saveCopyAction; }
    QAction *removeAction() const { return m_removeAction; }
    void setClipActionsEnabled(bool enabled);
    void setFileActionsEnabled(bool enabled);
    // The file the large view shows for a row of the shown list (front/rear switch respected).
    QUrl takeBigVideoURL(int row) const;

public slots:
    void snapshotButtonTouched();
    void printButtonTouched();
    void saveFileButtonTouched();
    void removeFileButtonTouched();

signals:
    // A copy started by saveFileButtonTouched ended; when it failed the alert is already up.
    void copyFinished(bool copied);

private:
    // The file the large view shows: the selected row's, else the playing entry.
    QUrl shownClip() const;
    // The read-outs and the date and time `position` seconds into the playing entry.
    IncidentMoment momentAt(double position) const;
    // Asks for a path, the dialog opening where the last one saved, else in firstFolder.
    QString askSavePath(const QString &firstFolder, const QString &name);
    void showFailure(const QString &text, const QString &reason);

    ClipSelection &m_clips;
    PlaybackController &m_playback;
    DrovikAVView &m_big;
    QWidget *m_window = nullptr;
    SnapshotDialogs m_dialogs;
    // Where the last save went, for the rest of the session; empty before the first.
    QString m_lastSaveFolder;
    // Kept between prints, so the printer and paper chosen last time are offered again.
    std::unique_ptr<QPrinter> m_printer;
    QAction *m_snapshotAction = nullptr;
    QAction *m_printAction = nullptr;
    QAction *m_saveCopyAction = nullptr;
    QAction *m_removeAction = nullptr;
};

} // namespace drovik
