#include "shell/secondarywindow.h"

#include "machine/zel.h"
#include "machine/zelwindow.h"
#include "players/optionswindow.h"
#include "shell/aboutwindow.h"
#include "shell/paytablewindow.h"

namespace zel {

void installsecondarywindows(Zel& machine, ZelWindow& window) {
    machine.openwindow = [&machine, &window](SecondaryWindow which) {
        opensecondarywindow(machine, &window, [&window] { window.render(); }, which);
    };
}

QWidget* opensecondarywindow(Zel& machine, QWidget* mainwindow, const std::function<void()>& rendermain,
                             SecondaryWindow which) {
    // The machine's window is disabled while a secondary window is open: the secondary window is
    // its own top-level window so that it stays usable, and it gives the machine back on closing.
    switch (which) {
    case SecondaryWindow::about: {
        auto* about = new AboutWindow(machine, rendermain);
        const bool mainnormal =
            !mainwindow || !(mainwindow->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized));
        about->open(mainnormal);
        return about;
    }
    case SecondaryWindow::paytable: {
        auto* pays = new PaytableWindow(machine, rendermain);
        pays->open();
        return pays;
    }
    case SecondaryWindow::options: {
        auto* options = new OptionsWindow(machine, rendermain);
        if (mainwindow) {
            // Over the middle of the machine.
            options->adjustSize();
            options->move(mainwindow->frameGeometry().center() - options->rect().center());
        }
        options->open();
        return options;
    }
    }
    return nullptr;
}

}  // namespace zel
