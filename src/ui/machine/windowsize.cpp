// The machine window's size: the scale the game shows the machine at, the size the player gives
// the window (dragged, maximised, fullscreen) with the cabinet fitted into it, and the window's
// own keys.
#include <algorithm>
#include <cstdlib>

#include <QAction>
#include <QMenuBar>

#include "ui/machine/cabinetwidget.h"
#include "ui/machine/displaywidget.h"
#include "ui/machine/linesoverlaywidget.h"
#include "ui/machine/reelwidget.h"
#include "ui/machine/stagewidget.h"
#include "ui/machine/widgetsync.h"
#include "ui/machine/windowmemory.h"
#include "ui/machine/zelwindow.h"

namespace zel {

namespace {
constexpr double smallest = 0.5;  // the window may not make the machine smaller than this
constexpr int menupixels = 13;    // the menu bar's letters at the game's scale 1
}  // namespace

QSize ZelWindow::machinesize(double s) const {
    return scaledrect(QRect(0, 0, cabinet::width, cabinet::height), s).size();
}

void ZelWindow::applyscale(double s) {
    scale = s;
    cabinetwidget->setscale(s);
    cabinetwidget->resize(machinesize(s));
    for (int r = 1; r <= reelcount; ++r) reels[r]->setscale(s);
    overlay->setscale(s);
    for (DisplayWidget* d : {creditmeter, winmeter, lastbetmeter, thiswinmeter, spinsleft}) d->setscale(s);
    place(overlay, QRect(QPoint(0, 0), cabinetwidget->size()));
}

void ZelWindow::setdesignscale(double s) {
    designasked = false;
    designscale = s;
    // The menu bar keeps the game's own scale: a window the player enlarges shows a larger machine,
    // not larger menus.
    QFont menufont = menuBar()->font();
    menufont.setPixelSize(int(menupixels * s));
    menuBar()->setFont(menufont);
    stage->setdesignsize(machinesize(s));
    stage->setMinimumSize(machinesize(smallest));
    // The game's display sizes show the machine at their own scale, in a window of its size.
    if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
        setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen));
    applyscale(s);
    const QSize machine = machinesize(s);
    resize(machine.width(), machine.height() + menuBar()->heightForWidth(machine.width()));
    fitmachine();
}

void ZelWindow::fitmachine() {
    const QSize area = stage->size();
    const QSize design = machinesize(designscale);
    // The window as the game sized it (give or take the pixel a window manager may add) shows the
    // machine at the game's scale; any other size shows it as large as fits.
    const auto within = [](int have, int want) { return have >= want && have <= want + 2; };
    const bool asdesigned = within(area.width(), design.width()) && within(area.height(), design.height());
    const double s = asdesigned ? designscale : fitscale(area, QSize(cabinet::width, cabinet::height));
    if (s > 0 && s != scale) {
        applyscale(s);
        if (!rendering) render();
    }
    const QSize cabinetsize = cabinetwidget->size();
    cabinetwidget->move(std::max(0, (area.width() - cabinetsize.width()) / 2),
                        std::max(0, (area.height() - cabinetsize.height()) / 2));
}

void ZelWindow::togglefullscreen() { setWindowState(windowState() ^ Qt::WindowFullScreen); }

void ZelWindow::restoreplace() {
    if (memory) memory->restore();
}

void ZelWindow::buildwindowkeys() {
    // The desktop's own keys: Ctrl+Q is the exit command, F1 the help; both follow the menu's rule.
    menus[int(Command::exit)]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    menus[int(Command::help)]->setShortcut(QKeySequence(Qt::Key_F1));
    menus[int(Command::help)]->setToolTip(QStringLiteral("How to play, the keys and where the records live (F1)"));
    // F11 is the window's, not the machine's: it acts at once, in the middle of a spin too.
    auto* fullscreen = new QAction(this);
    fullscreen->setObjectName(QStringLiteral("fullscreen"));
    fullscreen->setShortcut(QKeySequence(Qt::Key_F11));
    addAction(fullscreen);
    connect(fullscreen, &QAction::triggered, this, [this] { togglefullscreen(); });
}

}  // namespace zel
