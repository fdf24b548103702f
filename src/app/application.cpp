#include "application.h"

#include "widgets/images.h"

#include <QApplication>
#include <QFile>
#include <QPalette>
#include <QStyleFactory>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace drovik {

namespace {

QPalette darkPalette()
{
    QPalette palette;
    const QColor window(0x0e, 0x10, 0x13);
    const QColor base(0x11, 0x14, 0x18);
    const QColor text(0xd7, 0xdd, 0xe4);
    const QColor accent(0x19, 0xc3, 0xe6);
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, QColor(0x14, 0x18, 0x1d));
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, QColor(0x22, 0x26, 0x2c));
    palette.setColor(QPalette::ButtonText, QColor(0xe6, 0xeb, 0xf0));
    palette.setColor(QPalette::Highlight, accent);
    palette.setColor(QPalette::HighlightedText, QColor(0x0b, 0x0d, 0x10));
    palette.setColor(QPalette::ToolTipBase, QColor(0x17, 0x1a, 0x1f));
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::PlaceholderText, QColor(0x6b, 0x74, 0x7e));
    palette.setColor(QPalette::Link, accent);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, QColor(0x5a, 0x62, 0x6b));
    return palette;
}

} // namespace

void configureApplication(QApplication &app)
{
    QApplication::setApplicationDisplayName(QStringLiteral("Drovik Viewer"));
    QApplication::setDesktopFileName(QStringLiteral("drovik-viewer"));
    QApplication::setWindowIcon(Images::icon(QStringLiteral("drovik-viewer")));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(darkPalette());
    QFile sheet(QStringLiteral(":/style/drovik.qss"));
    if (sheet.open(QIODevice::ReadOnly))
        app.setStyleSheet(QString::fromUtf8(sheet.readAll()));
}

// Clip after clip, decoder threads free frames and packets that glibc would otherwise keep
// resident. Two settings keep a long session flat:
// - Threads get malloc arenas of their own, up to eight a core, and memory freed in one arena
//   serves only that arena again; a player's threads come and go with every clip and each took
//   the next arena, so every arena came to hold its own high-water mark. Four are shared.
// - After the first large block is freed, glibc raises its mmap threshold and carves later
//   frames out of the arenas, where the holes they leave keep pages resident. A fixed threshold
//   keeps blocks of 256 KB and more in mmap, given back to the system as soon as they are freed.
void configureMalloc()
{
#if defined(__GLIBC__)
    mallopt(M_ARENA_MAX, 4);
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
#endif
}

} // namespace drovik
