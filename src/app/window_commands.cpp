#include "window_commands.h"

#include "file_list_controller.h"
#include "i18n/drovik_languages.h"
#include "main_window.h"
#include "main_window_controller.h"
#include "playback/event_navigation.h"
#include "playback/export_controller.h"
#include "playback/full_screen_controller.h"
#include "playback/playback_controller.h"
#include "playback/snapshot_controller.h"
#include "playback/view_zoom.h"
#include "playback_binding.h"
#include "widgets/view_helpers.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace drovik {

QList<WindowCommandGroup> windowCommands(const MainWindowController &w)
{
    const PlaybackController::Actions &play = w.playback()->actions();
    const PlaybackBinding &binding = *w.playbackBinding();
    const EventNavigation &events = binding.eventNavigation();
    const ViewZoom &zoom = w.playback()->zoom();
    const SnapshotController &still = *w.snapshot();
    return {
        {localized("Playback"),
         {{play.playPause, localized("Play or Pause")},
          {play.stop, localized("Stop")},
          {play.stepBackward, localized("Previous Frame")},
          {play.stepForward, localized("Next Frame")},
          {play.previous, localized("Previous Clip")},
          {play.next, localized("Next Clip")},
          {play.slower, localized("Slower")},
          {play.faster, localized("Faster")},
          {play.normalSpeed, localized("Normal Speed")},
          {events.previousAction(), localized("Previous G-Force Event")},
          {events.nextAction(), localized("Next G-Force Event")},
          {binding.muteAction(), localized("Sound On or Off")},
          {binding.volumeUpAction(), localized("Volume Up")},
          {binding.volumeDownAction(), localized("Volume Down")}}},
        {localized("View"),
         {{zoom.zoomInAction(), localized("Zoom In")},
          {zoom.zoomOutAction(), localized("Zoom Out")},
          {zoom.resetAction(), localized("Actual Size (1:1)")},
          {zoom.panAction(), localized("Pan the Zoomed Picture")},
          {play.mirror, localized("Mirror the Pictures")},
          {play.switchViews, localized("Swap Front and Rear")},
          {w.fullScreen()->toggleAction(), localized("Full Screen")},
          {w.fullScreen()->leaveAction(), localized("Leave Full Screen")}}},
        {localized("Clips and Evidence"),
         {{w.fileList().chooseFolderAction(), localized("Choose Folder…")},
          {localized("Choose a Clip in the List"),
           keyNames({QKeySequence(Qt::Key_Up), QKeySequence(Qt::Key_Down), QKeySequence(Qt::Key_Home),
                     QKeySequence(Qt::Key_End), QKeySequence(Qt::Key_PageUp), QKeySequence(Qt::Key_PageDown)})},
          {localized("Play the Chosen Clip"), keyNames({QKeySequence(Qt::Key_Return)})},
          {w.tripsAction(), localized("Trips…")},
          {w.fileList().tripsAction(), localized("Show the List by Trip")},
          {still.snapshotAction(), localized("Save a Still…")},
          {still.printAction(), localized("Print…")},
          {still.saveCopyAction(), localized("Save a Copy of the Clip…")},
          {w.exports()->trackAction(), localized("Export Track…")},
          {w.exports()->incidentAction(), localized("Export Incident…")}}},
        {localized("Window"),
         {{w.settingsAction(), localized("Camera Settings…")},
          {w.shortcutsAction(), localized("Keyboard Shortcuts")},
          {w.minimizeAction(), localized("Minimise")},
          {w.quitAction(), localized("Quit %1").arg(w.window()->windowTitle())}}},
    };
}


void labelWindowCommands(const QList<WindowCommandGroup> &groups)
{
    for (const WindowCommandGroup &group : groups) {
        for (const WindowCommand &command : group.commands) {
            if (!command.action)
                continue;
            command.action->setText(command.text);
            command.action->setToolTip(withKeys(command.text, command.action->shortcuts()));
        }
    }
}

KeyboardShortcutsWindow::KeyboardShortcutsWindow(const QList<WindowCommandGroup> &groups, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("keyboardShortcutsWindow"));
    setWindowTitle(localized("Keyboard Shortcuts"));
    auto *content = new QWidget;
    auto *grid = new QGridLayout(content);
    grid->setHorizontalSpacing(28);
    grid->setVerticalSpacing(4);
    int row = 0;
    for (const WindowCommandGroup &group : groups) {
        auto *title = new QLabel(group.title);
        title->setObjectName(QStringLiteral("shortcutGroupTitle"));
        grid->addWidget(title, row++, 0, 1, 2);
        for (const WindowCommand &command : group.commands) {
            const QString keys = command.action ? keyNames(command.action->shortcuts())
                                                : command.keys;
            auto *name = new QLabel(command.text);
            auto *shortcut = new QLabel(keys.isEmpty() ? QStringLiteral("—") : keys);
            shortcut->setObjectName(QStringLiteral("shortcutKeys"));
            grid->addWidget(name, row, 0);
            grid->addWidget(shortcut, row++, 1);
        }
    }
    grid->setRowStretch(row, 1);
    auto *scroll = new QScrollArea;
    scroll->setWidget(content);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto *buttons = new QDialogButtonBox;
    QPushButton *close = buttons->addButton(localized("OK"), QDialogButtonBox::AcceptRole);
    close->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(scroll, 1);
    layout->addWidget(buttons);
    resize(qMax(540, content->sizeHint().width() + 60), 620);
}

} // namespace drovik
