#pragma once
// Where the machine's secondary windows (about, pay table, options, history, help) go on the
// desktop. Each is a dialog of the machine's window, modal to the machine alone: the window manager
// keeps it above the machine and with it, and the machine takes no input while it is open. It is placed
// before it is first shown, since the window manager places a window moved later by its own rules,
// and its frame (title bar included) lies wholly on the screen.
#include <cstdint>

#include <QMargins>
#include <QPoint>
#include <QRect>

class QWidget;

namespace zel {

// The part of the window's screen that the desktop's panels leave free (on Wayland, where the
// compositor keeps that to itself, the screen less room for a top bar and a dock).
QRect freearea(const QWidget* window);

// The frame the window manager puts around a window: the machine's own, once it is on screen.
QMargins framearound(const QWidget* mainwindow);

// The screen point `left`, `top` twips from the top left of the screen's free area.
QPoint screenpoint(const QWidget* window, int32_t left, int32_t top);

// Moves `window` (not shown yet) so that its frame's top left lands at `frametopleft`, or as near
// as keeps the whole frame on the screen.
void placeframe(QWidget* window, QPoint frametopleft, const QMargins& frame);

// Moves `window` (not shown yet) over the middle of the machine's window, its whole frame on the
// screen.
void placeovermachine(QWidget* window, const QWidget* mainwindow);

// Makes `window` (not shown yet) a dialog of the machine's window.
void becomedialogof(QWidget* window, QWidget* mainwindow);

}  // namespace zel
