#include "window_placement.h"

#include "i18n/preferences.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace drovik {

QRect placedWindowFrame(const QRect &saved, const QList<QRect> &screens, const QRect &primary)
{
    // A frame whose top edge is on no screen could not be grabbed and moved back by the user.
    const QPoint grip(saved.center().x(), saved.top());
    if (std::ranges::any_of(screens, [&](const QRect &screen) { return screen.contains(grip); }))
        return saved;
    QRect placed(QPoint(0, 0), saved.size().boundedTo(primary.size()));
    placed.moveCenter(primary.center());
    return placed;
}

void restoreWindowFrame(QWidget *window)
{
    const std::optional<QRect> saved = Preferences::storedWindowFrame();
    const QScreen *primary = QGuiApplication::primaryScreen();
    if (!saved || !primary)
        return;
    QList<QRect> screens;
    for (const QScreen *screen : QGuiApplication::screens())
        screens << screen->geometry();
    window->setGeometry(placedWindowFrame(*saved, screens, primary->availableGeometry()));
    if (Preferences::storedWindowMaximized())
        window->setWindowState(window->windowState() | Qt::WindowMaximized);
}

void saveWindowFrame(const QWidget *window)
{
    Preferences::storeWindowFrame(window->normalGeometry(), window->windowState().testFlag(Qt::WindowMaximized));
}

} // namespace drovik
