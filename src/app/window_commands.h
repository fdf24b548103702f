#pragma once

#include <QDialog>
#include <QList>
#include <QString>

class QAction;

namespace drovik {

class MainWindowController;

// The commands of the main window, as the user reads them: each action with its name in the
// interface language, grouped as the shortcuts window lists them. One table names them for
// every place they show: the buttons' tooltips, the menus and the shortcuts window.
struct WindowCommand {
    WindowCommand(QAction *action, const QString &text)
        : action(action)
        , text(text)
    {
    }
    // A key that acts in one place only (the clip list), written out.
    WindowCommand(const QString &text, const QString &keys)
        : text(text)
        , keys(keys)
    {
    }

    QAction *action = nullptr;
    QString text;
    QString keys; // for a row without an action
};
struct WindowCommandGroup {
    QString title;
    QList<WindowCommand> commands;
};

// The table in the present interface language (the window's playback side must exist).
QList<WindowCommandGroup> windowCommands(const MainWindowController &window);

// Gives every command of the table its name and a tooltip that adds its shortcuts, such as
// "Save a Still… (Ctrl+S)".
void labelWindowCommands(const QList<WindowCommandGroup> &groups);

// The "Keyboard Shortcuts" window: every command with its keys, by group.
class KeyboardShortcutsWindow : public QDialog {
    Q_OBJECT
public:
    KeyboardShortcutsWindow(const QList<WindowCommandGroup> &groups, QWidget *parent);
};

} // namespace drovik
