#pragma once
// The game's name on the desktop: the application's display name, which the desktop shows after
// each window's own caption ("Current Player       ALICE — Zel Slots") in the title bar, the
// taskbar and the window switcher. The windows' captions stay the game's own.
#include <QGuiApplication>
#include <QString>

namespace zel {

inline const QString desktopname = QStringLiteral("Zel Slots");

// The title a window with this caption carries. Under X11 the window manager draws the title bar
// from the full title Qt hands it; on Wayland the title bar may be the window's own (Qt draws it
// from the title as set), so the name goes into the title itself, in the form Qt gives the
// compositor, which then leaves it as it is.
inline QString desktoptitle(const QString& caption) {
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) return caption;
    const QString tail = QStringLiteral(" \u2014 ") + desktopname;
    return caption.isEmpty() ? desktopname : caption + tail;
}

}  // namespace zel
