#pragma once
// A desktop of our own for the window tests that need a real window manager: an X server (Xvfb)
// with openbox on it, both children of the test, stopped by their process ids. It reads what the
// desktop shows from the X server itself (the stacking order, frames, dialogs, titles, the active
// window) and clicks through the server (XTest), so the window manager sees a player's click.
#include <QPoint>
#include <QRect>
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
    // The window with its frame, in screen pixels.
    QRect frame(XWindow window);
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

    // A left click at a screen point.
    void click(QPoint at);

private:
    QTemporaryDir dir;
    ChildProcess server, wm;
    _XDisplay* x = nullptr;
    QString name;
};

}  // namespace zel::test
