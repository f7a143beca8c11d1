#include "desktoprig.h"

#include <poll.h>
#include <unistd.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <chrono>
#include <cstdlib>

#include <QByteArray>

namespace zel::test {

namespace {

using Clock = std::chrono::steady_clock;

// Reads a property of 32-bit items (windows, cardinals); empty when it is not set.
std::vector<unsigned long> items(Display* x, Window window, const char* property, Atom type) {
    Atom actual = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::vector<unsigned long> result;
    if (XGetWindowProperty(x, window, XInternAtom(x, property, False), 0, 4096, False, type, &actual, &format, &count,
                           &after, &data) == Success &&
        data && format == 32) {
        const auto* values = reinterpret_cast<const unsigned long*>(data);
        result.assign(values, values + count);
    }
    if (data) XFree(data);
    return result;
}

// Waits for the X connection to have something to read, at most `ms` milliseconds.
void awaitevent(Display* x, int ms) {
    pollfd fd{ConnectionNumber(x), POLLIN, 0};
    ::poll(&fd, 1, ms);
}

}  // namespace

bool Desktop::start(int width, int height, QString* why) {
    const auto fail = [why](const QString& reason) {
        if (why) *why = reason;
        return false;
    };
    if (!dir.isValid()) return fail(QStringLiteral("no temporary folder"));
    // The server names the display it took on its standard output once it accepts clients.
    if (!server.start(QStringLiteral("Xvfb"),
                      {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"), QStringLiteral("0"),
                       QStringLiteral("%1x%2x24").arg(width).arg(height), QStringLiteral("-nolisten"),
                       QStringLiteral("tcp"), QStringLiteral("-noreset")},
                      {}, dir.filePath(QStringLiteral("xvfb.log")), true))
        return fail(QStringLiteral("Xvfb did not start (is it installed?)"));
    QByteArray number;
    const auto deadline = Clock::now() + std::chrono::seconds(15);
    while (!number.endsWith('\n') && Clock::now() < deadline) {
        pollfd fd{server.outfd(), POLLIN, 0};
        if (::poll(&fd, 1, 100) <= 0) continue;
        char c = 0;
        if (::read(server.outfd(), &c, 1) != 1) break;
        number.append(c);
    }
    if (!number.endsWith('\n')) return fail(QStringLiteral("Xvfb named no display"));
    name = QStringLiteral(":") + QString::fromLatin1(number.trimmed());
    x = XOpenDisplay(name.toLatin1().constData());
    if (!x) return fail(QStringLiteral("cannot reach the X server at ") + name);
    qputenv("DISPLAY", name.toLatin1());

    // The window manager with the settings it comes with, not the user's.
    if (!wm.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")},
                  {QStringLiteral("DISPLAY=") + name, QStringLiteral("XDG_CONFIG_HOME=") + dir.filePath(QStringLiteral("config")),
                   QStringLiteral("XDG_CACHE_HOME=") + dir.filePath(QStringLiteral("cache"))},
                  dir.filePath(QStringLiteral("openbox.log")), false))
        return fail(QStringLiteral("openbox did not start (is it installed?)"));
    // It has taken the screen once it announces itself on the root window.
    const Window root = DefaultRootWindow(x);
    XSelectInput(x, root, PropertyChangeMask);
    const auto wmdeadline = Clock::now() + std::chrono::seconds(15);
    while (items(x, root, "_NET_SUPPORTING_WM_CHECK", XA_WINDOW).empty()) {
        if (Clock::now() > wmdeadline || !wm.running()) return fail(QStringLiteral("openbox did not take the screen"));
        awaitevent(x, 100);
        while (XPending(x)) {
            XEvent event;
            XNextEvent(x, &event);
        }
    }
    XSelectInput(x, root, NoEventMask);
    XSync(x, True);  // what came meanwhile is not needed
    return true;
}

void Desktop::stop() {
    if (x) XCloseDisplay(x);
    x = nullptr;
    wm.stop();
    server.stop();
}

std::vector<XWindow> Desktop::stacking() {
    return items(x, DefaultRootWindow(x), "_NET_CLIENT_LIST_STACKING", XA_WINDOW);
}

std::vector<XWindow> Desktop::clients() { return items(x, DefaultRootWindow(x), "_NET_CLIENT_LIST", XA_WINDOW); }

XWindow Desktop::transientfor(XWindow window) {
    Window parent = 0;
    return XGetTransientForHint(x, window, &parent) ? parent : 0;
}

bool Desktop::framed(XWindow window) { return items(x, window, "_NET_FRAME_EXTENTS", XA_CARDINAL).size() == 4; }

QRect Desktop::frame(XWindow window) {
    const QRect inner = clientrect(window);
    if (inner.isNull()) return {};
    const auto extents = items(x, window, "_NET_FRAME_EXTENTS", XA_CARDINAL);  // left, right, top, bottom
    if (extents.size() != 4) return inner;
    return inner.adjusted(-int(extents[0]), -int(extents[2]), int(extents[1]), int(extents[3]));
}

QRect Desktop::clientrect(XWindow window) {
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(x, window, &attributes)) return {};
    int left = 0, top = 0;
    Window child = 0;
    XTranslateCoordinates(x, window, DefaultRootWindow(x), 0, 0, &left, &top, &child);
    return {left, top, attributes.width, attributes.height};
}

QRect Desktop::screen() {
    return QRect(0, 0, DisplayWidth(x, DefaultScreen(x)), DisplayHeight(x, DefaultScreen(x)));
}

QString Desktop::title(XWindow window) {
    Atom actual = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    QString text;
    if (XGetWindowProperty(x, window, XInternAtom(x, "_NET_WM_NAME", False), 0, 4096, False,
                           XInternAtom(x, "UTF8_STRING", False), &actual, &format, &count, &after, &data) == Success &&
        data && format == 8)
        text = QString::fromUtf8(reinterpret_cast<const char*>(data), int(count));
    if (data) XFree(data);
    return text;
}

void Desktop::minimize(XWindow window) {
    XIconifyWindow(x, window, DefaultScreen(x));
    XFlush(x);
}

bool Desktop::shown(XWindow window) {
    const Atom state = XInternAtom(x, "WM_STATE", False);
    const auto values = items(x, window, "WM_STATE", state);
    return !values.empty() && values.front() == NormalState;
}

XWindow Desktop::activewindow() {
    const auto active = items(x, DefaultRootWindow(x), "_NET_ACTIVE_WINDOW", XA_WINDOW);
    return active.empty() ? 0 : active.front();
}

QString Desktop::windowclass(XWindow window) {
    XClassHint hint{};
    if (!XGetClassHint(x, window, &hint)) return {};
    const QString text = QString::fromLatin1(hint.res_name) + QLatin1Char('.') + QString::fromLatin1(hint.res_class);
    XFree(hint.res_name);
    XFree(hint.res_class);
    return text;
}

void Desktop::type(const char* key, bool control) {
    const KeyCode code = XKeysymToKeycode(x, XStringToKeysym(key));
    const KeyCode ctrl = XKeysymToKeycode(x, XK_Control_L);
    if (control) XTestFakeKeyEvent(x, ctrl, True, 0);
    XTestFakeKeyEvent(x, code, True, 0);
    XTestFakeKeyEvent(x, code, False, 0);
    if (control) XTestFakeKeyEvent(x, ctrl, False, 0);
    XSync(x, False);
}

void Desktop::askstate(XWindow window, bool add, const char* state, const char* second) {
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = window;
    e.xclient.message_type = XInternAtom(x, "_NET_WM_STATE", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = add ? 1 : 0;
    e.xclient.data.l[1] = long(XInternAtom(x, state, False));
    e.xclient.data.l[2] = second ? long(XInternAtom(x, second, False)) : 0;
    e.xclient.data.l[3] = 2;  // asked by the player, through the desktop
    XSendEvent(x, DefaultRootWindow(x), False, SubstructureRedirectMask | SubstructureNotifyMask, &e);
    XFlush(x);
}

void Desktop::askresize(XWindow window, QSize size) {
    XResizeWindow(x, window, unsigned(size.width()), unsigned(size.height()));
    XFlush(x);
}

bool Desktop::hasstate(XWindow window, const char* state) {
    const Atom wanted = XInternAtom(x, state, False);
    for (unsigned long s : items(x, window, "_NET_WM_STATE", XA_ATOM))
        if (s == wanted) return true;
    return false;
}

bool Desktop::wmroundtrip(int ms) {
    const Window probe = XCreateSimpleWindow(x, DefaultRootWindow(x), 0, 0, 1, 1, 0, 0, 0);
    XSelectInput(x, probe, PropertyChangeMask);
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = probe;
    e.xclient.message_type = XInternAtom(x, "_NET_REQUEST_FRAME_EXTENTS", False);
    e.xclient.format = 32;
    XSendEvent(x, DefaultRootWindow(x), False, SubstructureRedirectMask | SubstructureNotifyMask, &e);
    XSync(x, False);
    const auto deadline = Clock::now() + std::chrono::milliseconds(ms);
    bool answered = false;
    while (!answered && Clock::now() < deadline) {
        answered = items(x, probe, "_NET_FRAME_EXTENTS", XA_CARDINAL).size() == 4;
        if (answered) break;
        if (!XPending(x)) awaitevent(x, 50);
        while (XPending(x)) XNextEvent(x, &e);
    }
    XDestroyWindow(x, probe);
    XSync(x, False);
    return answered;
}

void Desktop::click(QPoint at) {
    XTestFakeMotionEvent(x, -1, at.x(), at.y(), 0);
    XTestFakeButtonEvent(x, 1, True, 0);
    XTestFakeButtonEvent(x, 1, False, 0);
    XSync(x, False);
}

}  // namespace zel::test
