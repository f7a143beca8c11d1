#include "ui/shell/secondarywindow.h"

#include "core/machine/zel.h"
#include "ui/history/historywindow.h"
#include "ui/machine/zelwindow.h"
#include "ui/players/optionswindow.h"
#include "ui/shell/aboutwindow.h"
#include "ui/shell/helpwindow.h"
#include "ui/shell/paytablewindow.h"

namespace zel {

void installsecondarywindows(Zel& machine, ZelWindow& window) {
    machine.openwindow = [&machine, &window](SecondaryWindow which) {
        opensecondarywindow(machine, &window, [&window] { window.render(); }, which);
    };
}

QWidget* opensecondarywindow(Zel& machine, QWidget* mainwindow, const std::function<void()>& rendermain,
                             SecondaryWindow which) {
    // The machine's window is disabled while a secondary window is open; the secondary window gives
    // it back on closing.
    switch (which) {
    case SecondaryWindow::about: {
        auto* about = new AboutWindow(machine, rendermain);
        const bool mainnormal =
            !mainwindow || !(mainwindow->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized));
        about->open(mainnormal, mainwindow);
        return about;
    }
    case SecondaryWindow::paytable: {
        auto* pays = new PaytableWindow(machine, rendermain);
        pays->open(mainwindow);
        return pays;
    }
    case SecondaryWindow::history: {
        auto* history = new HistoryWindow(machine, rendermain);
        history->open(mainwindow);
        return history;
    }
    case SecondaryWindow::help: {
        auto* help = new HelpWindow(machine, rendermain);
        help->open(mainwindow);
        return help;
    }
    case SecondaryWindow::options: {
        auto* options = new OptionsWindow(machine, rendermain);
        options->open(mainwindow);
        return options;
    }
    }
    return nullptr;
}

}  // namespace zel
