#pragma once

#include <QList>
#include <QRect>

class QWidget;

namespace drovik {

// Where the main window reopens: the frame it had, when that frame's top edge (where the title bar
// is grabbed) still lies on one of the screens; else the same size, at most the primary screen's,
// centred on the primary screen. Rectangles are in the desktop's coordinates.
QRect placedWindowFrame(const QRect &saved, const QList<QRect> &screens, const QRect &primary);

// The window's size, place and maximised state are kept with the preferences: saved when it
// closes or the program quits, restored before it first shows.
void restoreWindowFrame(QWidget *window);
void saveWindowFrame(const QWidget *window);

} // namespace drovik
