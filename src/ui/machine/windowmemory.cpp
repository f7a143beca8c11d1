#include "ui/machine/windowmemory.h"

#include <QEvent>
#include <QRegularExpression>
#include <QWidget>

#include "core/platform/platform.h"
#include "ui/shell/windowplacement.h"

namespace zel {

namespace {
const QString section = QStringLiteral("window");
const QString sizekey = QStringLiteral("size");
const QString statekey = QStringLiteral("state");
constexpr int pausems = 400;  // a drag of the window's edge settles before its size is written

QString statename(Qt::WindowStates state) {
    if (state & Qt::WindowFullScreen) return QStringLiteral("fullscreen");
    if (state & Qt::WindowMaximized) return QStringLiteral("maximized");
    return QStringLiteral("normal");
}
}  // namespace

WindowMemory::WindowMemory(QWidget& w, Platform& pf) : QObject(&w), window(w), platform(pf) {
    pause.setSingleShot(true);
    pause.setInterval(pausems);
    connect(&pause, &QTimer::timeout, this, &WindowMemory::savenow);
    saved[0] = platform.getsetting(section, sizekey);
    saved[1] = platform.getsetting(section, statekey);
    window.installEventFilter(this);
}

QSize WindowMemory::readsize(const QString& text) {
    static const QRegularExpression form(QStringLiteral("^([0-9]{1,5})x([0-9]{1,5})$"));
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch()) return {};
    return {m.captured(1).toInt(), m.captured(2).toInt()};
}

void WindowMemory::restore() {
    QSize size = readsize(saved[0]);
    const QRect free = freearea(&window);
    // A size from a larger screen than this one, or smaller than the window can be, is not used.
    if (size.isValid() && size.expandedTo(window.minimumSizeHint()) == size &&
        (free.isEmpty() || size.boundedTo(free.size()) == size))
        window.resize(size);
    normalsize = window.size();
    if (saved[1] == QLatin1String("maximized")) window.setWindowState(Qt::WindowMaximized);
    else if (saved[1] == QLatin1String("fullscreen")) window.setWindowState(Qt::WindowFullScreen);
}

bool WindowMemory::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &window) return false;
    const QEvent::Type type = event->type();
    if (type == QEvent::Resize || type == QEvent::WindowStateChange) {
        if (!(window.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized)))
            normalsize = window.size();
        // A change of state is written at once; a drag's sizes wait for the drag to settle.
        if (type == QEvent::WindowStateChange) savenow();
        else pause.start();
    }
    return false;
}

void WindowMemory::savenow() {
    pause.stop();
    if (!window.isVisible()) return;
    const QString size = normalsize.isValid() ? QStringLiteral("%1x%2").arg(normalsize.width()).arg(normalsize.height()) : QString();
    // A minimised window comes back as it was before.
    const Qt::WindowStates state = window.windowState();
    const QString statetext = state & Qt::WindowMinimized ? saved[1] : statename(state);
    if (size == saved[0] && statetext == saved[1]) return;
    saved[0] = size;
    saved[1] = statetext;
    platform.commit({{section, {{sizekey, size}, {statekey, statetext}}}});
}

}  // namespace zel
