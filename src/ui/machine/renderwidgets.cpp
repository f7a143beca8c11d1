// Drawing the form onto the main window's widgets: only what changed is touched, so this
// runs after every handler and at every frame of the reel landing.
#include <QAction>
#include <QApplication>
#include <QScreen>
#include <QTimer>

#include "ui/machine/cabinetwidget.h"
#include "ui/machine/displaywidget.h"
#include "ui/gamble/gamblepanelwidget.h"
#include "ui/machine/imagebuttonwidget.h"
#include "ui/machine/linesoverlaywidget.h"
#include "core/machine/paytables.h"
#include "ui/machine/picturewidget.h"
#include "ui/machine/reelwidget.h"
#include "ui/machine/widgetsync.h"
#include "core/machine/zel.h"
#include "ui/machine/zelwindow.h"
#include "ui/players/onelinewidget.h"
#include "ui/shell/desktopname.h"

namespace zel {

namespace {
void syncbutton(ImageButtonWidget* button, const Control& c, const QRect& where, double scale) {
    place(button, scaledrect(where, scale));
    showif(button, c.visible);
    enableif(button, c.enabled);
}
}  // namespace

void ZelWindow::render(bool now) {
    const double design = zel.form.scale > 0 ? zel.form.scale : 1.0;
    rendering = true;
    if (designasked || design != designscale) setdesignscale(design);
    rendering = false;
    const double s = scale;
    renderwindow();
    renderreels(s);
    renderdeck(s);
    rendertimers();
    announcer.update(!dispatcher.busy() && !zel.form.Timerwincounter.enabled);
    if (now && isVisible()) {
        // Paint everything that changed at once, with a single flush to the screen.
        QEvent request(QEvent::UpdateRequest);
        QCoreApplication::sendEvent(this, &request);
    }
}

void ZelWindow::renderwindow() {
    const ZelForm& f = zel.form;
    if (const QString title = desktoptitle(titleline(f.caption)); windowTitle() != title) setWindowTitle(title);
    if (isEnabled() != f.enabled) setEnabled(f.enabled);
    if (isVisible() && !f.visible) hide();
    if (f.left != appliedleft || f.top != appliedtop) {
        appliedleft = f.left;
        appliedtop = f.top;
        const QScreen* screen = QGuiApplication::primaryScreen();
        const QPoint origin = screen ? screen->availableGeometry().topLeft() : QPoint();
        move(origin + QPoint(int(f.left / twipsperpixel), int(f.top / twipsperpixel)));
    }
    for (int i = 0; i < commandcount; ++i) {
        const Control& c = Dispatcher::menuof(zel.form, Command(i));
        if (menus[i]->isEnabled() != c.enabled) menus[i]->setEnabled(c.enabled);
        if (menus[i]->isVisible() != c.visible) menus[i]->setVisible(c.visible);
    }
    if (f.focus != appliedfocus) {
        appliedfocus = f.focus;
        if (QWidget* target = focustarget(f.focus)) target->setFocus(Qt::OtherFocusReason);
    }
}

QWidget* ZelWindow::focustarget(const QString& name) const {
    if (name.isEmpty()) return nullptr;
    if (name == QLatin1String("zel")) return cabinetwidget;
    return findChild<QWidget*>(name);
}

void ZelWindow::renderreels(double s) {
    const ZelForm& f = zel.form;
    for (int r = 1; r <= reelcount; ++r) {
        ReelWidget* reel = reels[r];
        place(reel, twipsrect(f.Picture[r], s));
        showif(reel, f.Picture[r].visible);
        reel->setstriptop(f.reel[r].top);
        overlay->setreelwindow(r, f.Picture[r].visible ? reel->geometry() : QRect());
        for (int row = 0; row < 3; ++row) reel->setflasher(row, f.flasher[windowcell[r][row]]);
    }
    for (int i = 1; i <= 26; ++i) {
        place(lin[i], twipsrect(f.lin[i], s));
        // The right-hand tag of line 1 blinks together with the left one.
        showif(lin[i], f.lin[i].visible && (i != 26 || f.lin[1].visible));
        lin[i]->setpicture(f.lin[i].picture);
    }
    for (int i = 1; i <= 6; ++i) overlay->setsegment(i, f.Lineflash[i]);
}

void ZelWindow::renderdeck(double s) {
    const ZelForm& f = zel.form;
    for (int i = 1; i <= 5; ++i) syncbutton(payline[i], f.payline[i], cabinet::payline(i), s);
    for (int i = 1; i <= 6; ++i) syncbutton(play[i], f.play[i], cabinet::play(i), s);
    syncbutton(COINSIN, f.COINSIN, cabinet::coinsin, s);
    syncbutton(doublebutton, f.doublebutton, cabinet::doublebutton, s);
    syncbutton(takewin, f.takewin, cabinet::takewin, s);

    place(creditmeter, scaledrect(cabinet::creditmeter, s));
    showif(creditmeter, f.PANELBANK.visible || f.Lblcredit.visible);
    creditmeter->setvalue(f.PANELBANK.visible ? f.PANELBANK.caption : QString());
    creditmeter->setsubvalue(f.Lblcredit.visible ? f.Lblcredit.caption : QString());

    place(winmeter, scaledrect(cabinet::winmeter, s));
    showif(winmeter, f.LABWIN.visible || f.lblwin.visible);
    winmeter->setvalue(f.LABWIN.visible ? f.LABWIN.caption : QString());
    winmeter->setsubvalue(f.lblwin.visible ? f.lblwin.caption : QString());

    // The last bet and, during free spins, the win of the current spin share one meter.
    place(lastbetmeter, scaledrect(cabinet::lastbetmeter, s));
    showif(lastbetmeter, f.LABLASTBET.visible || f.lbllast.visible);
    lastbetmeter->setheading(f.LABLASTBET.visible ? f.LABLASTBET.caption : QString());
    lastbetmeter->setvalue(f.lbllast.visible ? f.lbllast.caption : QString());
    place(thiswinmeter, scaledrect(cabinet::lastbetmeter, s));
    showif(thiswinmeter, f.LABTHISWIN.visible || f.Lblcurrentwin.visible);
    thiswinmeter->setheading(f.LABTHISWIN.visible ? f.LABTHISWIN.caption : QString());
    thiswinmeter->setvalue(f.Lblcurrentwin.visible ? f.Lblcurrentwin.caption : QString());

    place(spinsleft, scaledrect(cabinet::spinsleft, s));
    showif(spinsleft, f.spinsleft.visible);
    spinsleft->setvalue(f.spinsleft.caption);

    place(pannomoney, scaledrect(cabinet::pannomoney, s));
    showif(pannomoney, f.pannomoney.visible);
    pannomoney->setcaption(f.pannomoney.caption);
    if (pannomoney->accessibleName() != f.pannomoney.caption) pannomoney->setAccessibleName(f.pannomoney.caption);

    place(gamble, scaledrect(cabinet::pandouble, s));
    if (showif(gamble, f.pandouble.visible) && f.pandouble.visible) gamble->raise();
    gamble->sync(f, s);
}

void ZelWindow::rendertimers() {
    for (int i = 0; i < timercount; ++i) {
        const FormTimer& ft = Dispatcher::timerof(zel.form, TimerControl(i));
        QTimer* timer = timers[i];
        // A timer without an interval never ticks.
        const int interval = ft.interval;
        if (!ft.enabled || interval <= 0) {
            if (timer->isActive()) timer->stop();
        } else if (dispatcher.depth(TimerControl(i)) > 0) {
            // Its tick is running: the timer counts again once the tick is over.
        } else if (!timer->isActive() || timer->interval() != interval) {
            timer->start(interval);
        }
    }
}

}  // namespace zel
