#include "ui/shell/windowplacement.h"

#include <algorithm>

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace zel {

namespace {
constexpr double twips = 15.0;  // per pixel
// Wayland does not tell a window where the desktop's panels are; these bands hold the top bar and
// the dock of the usual desktops (GNOME, KDE, weston).
constexpr int waylandpanel = 48;
}  // namespace

QRect freearea(const QWidget* window) {
    const QScreen* screen = window && window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) return {};
    const QRect free = screen->availableGeometry();
    if (free != screen->geometry() || !QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return free;
    return free.adjusted(0, waylandpanel, 0, -waylandpanel);
}

QMargins framearound(const QWidget* mainwindow) {
    if (!mainwindow || !mainwindow->isVisible()) return {};
    const QRect outer = mainwindow->frameGeometry(), inner = mainwindow->geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

QPoint screenpoint(const QWidget* window, int32_t left, int32_t top) {
    return freearea(window).topLeft() + QPoint(int(left / twips), int(top / twips));
}

void placeframe(QWidget* window, QPoint frametopleft, const QMargins& frame) {
    const QRect room = freearea(window);
    const QSize outer = window->size().grownBy(frame);
    QPoint at = frametopleft;
    if (!room.isEmpty()) {
        at.setX(std::clamp(at.x(), room.left(), std::max(room.left(), room.right() + 1 - outer.width())));
        at.setY(std::clamp(at.y(), room.top(), std::max(room.top(), room.bottom() + 1 - outer.height())));
    }
    // Before the window exists on the desktop, its position is that of its frame.
    window->move(at);
}

void placeovermachine(QWidget* window, const QWidget* mainwindow) {
    if (!mainwindow) return;
    const QMargins frame = framearound(mainwindow);
    const QSize outer = window->size().grownBy(frame);
    placeframe(window, mainwindow->frameGeometry().center() - QPoint(outer.width() / 2, outer.height() / 2), frame);
}

void becomedialogof(QWidget* window, QWidget* mainwindow) {
    if (!mainwindow || !mainwindow->windowHandle()) return;
    // Modal to the machine alone: the desktop then knows the machine waits for it, and keeps it
    // above the machine and with the keyboard when the machine is clicked (X11 and Wayland alike).
    window->setWindowModality(Qt::WindowModal);
    window->winId();
    // A dialog-type window with a transient parent is what the desktop keeps above that parent
    // (WM_TRANSIENT_FOR on X11, the toplevel's parent on Wayland).
    if (window->windowHandle()) window->windowHandle()->setTransientParent(mainwindow->windowHandle());
}

}  // namespace zel
