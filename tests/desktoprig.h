#pragma once
// A desktop of our own for the window tests that need a real window manager: an X server (Xvfb)
// with openbox on it, both children of the test, stopped by their process ids. It reads what the
// desktop shows from the X server itself (the stacking order, frames, dialogs, titles, the active
// window) and clicks through the server (XTest), so the window manager sees a player's click.
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QTemporaryDir>

#include <vector>

#include "childprocess.h"

struct _XDisplay;

namespace zel::test {

using XWindow = unsigned long;

class Desktop {
public:
    Desktop() = default;
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;
    ~Desktop() { stop(); }

    // Starts the server with one screen of width x height pixels and the window manager on it;
    // DISPLAY then names this desktop for the process and the programs it starts.
    bool start(int width, int height, QString* why);
    void stop();
    QString display() const { return name; }

    // The managed windows from the bottom of the stack to the top (_NET_CLIENT_LIST_STACKING).
    std::vector<XWindow> stacking();
    // The window this one is a dialog of (WM_TRANSIENT_FOR), 0 for none.
    XWindow transientfor(XWindow window);
    // The window manager has put its frame around the window (_NET_FRAME_EXTENTS is set).
    bool framed(XWindow window);
    // The window with its frame, and without, in screen pixels.
    QRect frame(XWindow window);
    QRect clientrect(XWindow window);
    QRect screen();
    // The title the desktop shows (_NET_WM_NAME).
    QString title(XWindow window);
    XWindow activewindow();
    // The top-level windows the window manager manages, with their class (WM_CLASS, "instance.class").
    std::vector<XWindow> clients();
    QString windowclass(XWindow window);

    // Minimises a window as its title bar's button would; whether the window is shown (not minimised).
    void minimize(XWindow window);
    bool shown(XWindow window);

    // Waits until the window manager has handled everything the server gave it so far (a click, a
    // request): it answers a request of its own for a window's frame, and it handles its events in
    // order. False when it did not answer within `ms` milliseconds.
    bool wmroundtrip(int ms);

    // A left click at a screen point.
    void click(QPoint at);
    // A key typed through the server, with Ctrl held when asked: `key` is an X key name ("F11", "q").
    void type(const char* key, bool control = false);

    // Asks the window manager, as a title bar's button or its menu would, to add or remove states
    // of the window ("_NET_WM_STATE_FULLSCREEN", "_NET_WM_STATE_MAXIMIZED_VERT", ...), and to give a
    // window a new size.
    void askstate(XWindow window, bool add, const char* state, const char* second = nullptr);
    void askresize(XWindow window, QSize size);
    // Whether the window has the state (_NET_WM_STATE).
    bool hasstate(XWindow window, const char* state);

private:
    QTemporaryDir dir;
    ChildProcess server, wm;
    _XDisplay* x = nullptr;
    QString name;
};

}  // namespace zel::test
