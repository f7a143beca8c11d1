#include "ui/shell/secondarywindow.h"

#include <algorithm>

#include <QScreen>
#include <QWindow>

#include "core/machine/zel.h"
#include "ui/history/historywindow.h"
#include "ui/machine/zelwindow.h"
#include "ui/players/optionswindow.h"
#include "ui/shell/aboutwindow.h"
#include "ui/shell/paytablewindow.h"

namespace zel {

void installsecondarywindows(Zel& machine, ZelWindow& window) {
    machine.openwindow = [&machine, &window](SecondaryWindow which) {
        opensecondarywindow(machine, &window, [&window] { window.render(); }, which);
    };
}

namespace {
// A secondary window is a top-level window of its own (a child of the machine's window would be
// disabled along with it), kept above the machine's window by the window manager.
void keepabove(QWidget* window, QWidget* mainwindow) {
    if (!mainwindow || !mainwindow->windowHandle()) return;
    window->winId();
    if (window->windowHandle()) window->windowHandle()->setTransientParent(mainwindow->windowHandle());
}
}  // namespace

QWidget* opensecondarywindow(Zel& machine, QWidget* mainwindow, const std::function<void()>& rendermain,
                             SecondaryWindow which) {
    // The machine's window is disabled while a secondary window is open; the secondary window gives
    // it back on closing.
    switch (which) {
    case SecondaryWindow::about: {
        auto* about = new AboutWindow(machine, rendermain);
        keepabove(about, mainwindow);
        const bool mainnormal =
            !mainwindow || !(mainwindow->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized));
        about->open(mainnormal);
        return about;
    }
    case SecondaryWindow::paytable: {
        auto* pays = new PaytableWindow(machine, rendermain);
        keepabove(pays, mainwindow);
        pays->open();
        return pays;
    }
    case SecondaryWindow::history: {
        auto* history = new HistoryWindow(machine, rendermain);
        keepabove(history, mainwindow);
        history->open();
        return history;
    }
    case SecondaryWindow::options: {
        auto* options = new OptionsWindow(machine, rendermain);
        keepabove(options, mainwindow);
        if (mainwindow) {
            // Over the middle of the machine, but wholly on the screen.
            options->adjustSize();
            QPoint at = mainwindow->frameGeometry().center() - options->rect().center();
            if (const QScreen* screen = mainwindow->screen()) {
                const QRect room = screen->availableGeometry();
                at.setX(std::clamp(at.x(), room.left(), std::max(room.left(), room.right() + 1 - options->width())));
                at.setY(std::clamp(at.y(), room.top(), std::max(room.top(), room.bottom() + 1 - options->height())));
            }
            options->move(at);
        }
        options->open();
        return options;
    }
    }
    return nullptr;
}

}  // namespace zel
