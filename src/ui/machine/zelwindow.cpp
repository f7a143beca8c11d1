#include "ui/machine/zelwindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QTimer>
#include <QWindow>

#include "ui/machine/accessiblecontrols.h"
#include "ui/machine/cabinetwidget.h"
#include "ui/machine/displaywidget.h"
#include "ui/gamble/gamblepanelwidget.h"
#include "ui/machine/imagebuttonwidget.h"
#include "ui/machine/linesoverlaywidget.h"
#include "core/machine/paytables.h"
#include "ui/machine/picturewidget.h"
#include "ui/machine/reelwidget.h"
#include "ui/machine/stagewidget.h"
#include "ui/machine/windowmemory.h"
#include "core/machine/zel.h"
#include "ui/platform/qtplatform.h"

namespace zel {

ZelWindow::ZelWindow(Zel& machine, QtPlatform* pf) : zel(machine), platform(pf), dispatcher(machine) {
    setObjectName(QStringLiteral("zelwindow"));
    installaccessiblecontrols();
    stage = new StageWidget(this);
    setCentralWidget(stage);
    cabinetwidget = new CabinetWidget(stage);
    stage->onresize = [this] { fitmachine(); };
    buildreels();
    builddeck();
    gamble = new GamblePanelWidget(cabinetwidget);
    gamble->hide();
    buildmenus();
    buildwindowkeys();
    buildtimers();
    // A screen reader hears the result and the credit once the machine has settled.
    for (QWidget* meter : {static_cast<QWidget*>(winmeter), static_cast<QWidget*>(creditmeter),
                           static_cast<QWidget*>(spinsleft), static_cast<QWidget*>(gamble->risklab)})
        announcer.watch(meter);
    // The window shows the application's icon, the one its desktop entry names (app/main.cpp).
    dispatcher.afterhandler = [this] { render(); };

    // Keys are seen here before the focused control gets them (the window's key preview).
    qApp->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (!now || now->window() != this || now->objectName().isEmpty()) return;
        zel.form.focus = appliedfocus = now->objectName();
    });
    connectpress(gamble->betred, Button::betred);
    connectpress(gamble->betblack, Button::betblack);
    connectpress(gamble->cancelbet, Button::cancelbet);
    for (int i = 1; i <= 4; ++i) connectpress(gamble->suitbet[i], Button::suitbet, i);

    if (platform) {
        platform->renderhook = [this] { render(true); };
        platform->scalehook = [this](double s) {
            zel.form.scale = s;
            designasked = true;
        };
        memory = new WindowMemory(*this, *platform);
        // A size still settling after a drag is written with the rest as the game ends.
        platform->endhook = [this] { memory->savenow(); };
    }
    render();
}

ZelWindow::~ZelWindow() {
    qApp->removeEventFilter(this);
    if (platform) {
        platform->renderhook = nullptr;
        platform->scalehook = nullptr;
        platform->endhook = nullptr;
    }
}

void ZelWindow::buildreels() {
    for (int r = 1; r <= reelcount; ++r) {
        reels[r] = new ReelWidget(r, cabinetwidget);
        reels[r]->setObjectName(QStringLiteral("Picture%1").arg(r));
    }
    for (int i = 1; i <= 26; ++i) {
        lin[i] = new PictureWidget(cabinetwidget);
        lin[i]->setObjectName(QStringLiteral("lin(%1)").arg(i));
    }
    overlay = new LinesOverlayWidget(cabinetwidget);
    overlay->setObjectName(QStringLiteral("Lineflash"));
}

ImageButtonWidget* ZelWindow::makebutton(const QString& name, const QString& face, const QString& fallback) {
    auto* b = new ImageButtonWidget(cabinetwidget);
    b->setObjectName(name);
    b->setfacepath(face);
    b->setfallback(fallback);
    return b;
}

void ZelWindow::connectpress(QAbstractButton* button, Button which, int index) {
    presses.insert(button, {which, index});
    connect(button, &QAbstractButton::clicked, this, [this, which, index] { dispatcher.press(which, index); });
}

void ZelWindow::builddeck() {
    for (int i = 1; i <= 5; ++i) {
        payline[i] = makebutton(QStringLiteral("payline(%1)").arg(i), QStringLiteral(":/faces/payline%1.png").arg(i),
                                QStringLiteral("%1 LINE%2").arg(paylinelines[i]).arg(i > 1 ? "S" : ""));
        connectpress(payline[i], Button::payline, i);
    }
    for (int i = 1; i <= 6; ++i) {
        play[i] = makebutton(QStringLiteral("play(%1)").arg(i), QStringLiteral(":/faces/play%1.png").arg(i),
                             QStringLiteral("BET %1").arg(playbet[i]));
        connectpress(play[i], Button::play, i);
    }
    for (int i = 1; i <= 5; ++i)
        payline[i]->setToolTip(QStringLiteral("Play %1 line%2").arg(paylinelines[i]).arg(i > 1 ? "s" : ""));
    for (int i = 1; i <= 6; ++i)
        play[i]->setToolTip(QStringLiteral("Spin with %1 coin%2 on each line (space bar repeats the last bet)")
                                .arg(playbet[i])
                                .arg(i > 1 ? "s" : ""));
    COINSIN = makebutton(QStringLiteral("COINSIN"), QStringLiteral(":/faces/COINSIN.png"), QStringLiteral("COIN"));
    COINSIN->setToolTip(QStringLiteral("Insert 20 coins"));
    connectpress(COINSIN, Button::COINSIN);
    doublebutton = makebutton(QStringLiteral("doublebutton"), QStringLiteral(":/faces/doublebutton.png"),
                              QStringLiteral("GAMBLE"));
    connectpress(doublebutton, Button::doublebutton);
    doublebutton->setToolTip(QStringLiteral("Gamble the win on a card"));
    takewin = makebutton(QStringLiteral("takewin"), QStringLiteral(":/faces/takewin.png"), QStringLiteral("COLLECT"));
    takewin->setToolTip(QStringLiteral("Collect the free-spin winnings"));
    connectpress(takewin, Button::takewin);

    creditmeter = new DisplayWidget(DisplayWidget::Style::meter, cabinetwidget);
    creditmeter->setObjectName(QStringLiteral("PANELBANK"));
    creditmeter->setheading(QStringLiteral("Credit"));
    winmeter = new DisplayWidget(DisplayWidget::Style::meter, cabinetwidget);
    winmeter->setObjectName(QStringLiteral("LABWIN"));
    winmeter->setheading(QStringLiteral("Win"));
    winmeter->setledcolour(QColor(255, 200, 40));
    lastbetmeter = new DisplayWidget(DisplayWidget::Style::meter, cabinetwidget);
    lastbetmeter->setObjectName(QStringLiteral("lbllast"));
    thiswinmeter = new DisplayWidget(DisplayWidget::Style::meter, cabinetwidget);
    thiswinmeter->setObjectName(QStringLiteral("Lblcurrentwin"));
    thiswinmeter->setledcolour(QColor(255, 200, 40));
    spinsleft = new DisplayWidget(DisplayWidget::Style::banner, cabinetwidget);
    spinsleft->setObjectName(QStringLiteral("spinsleft"));
    spinsleft->setledcolour(QColor(255, 210, 60));
    pannomoney = new PictureWidget(cabinetwidget);
    pannomoney->setObjectName(QStringLiteral("pannomoney"));
    pannomoney->setpath(QStringLiteral(":/panels/pannomoney.png"));
}

void ZelWindow::buildmenus() {
    QMenuBar* bar = menuBar();
    // The menu bar belongs to the cabinet: dark lacquer with gold lettering.
    bar->setStyleSheet(QStringLiteral(
        "QMenuBar { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #2a0609, stop:1 #12020a);"
        " color: #f3d27a; border-bottom: 1px solid #b8892a; }"
        "QMenuBar::item { background: transparent; padding: 3px 8px; }"
        "QMenuBar::item:selected { background: #7c1420; color: #fff3c4; }"
        "QMenuBar::item:pressed { background: #a01c2a; color: #ffffff; }"
        "QMenuBar::item:disabled { color: #7a6a50; }"));
    // In the menu bar's order, which is the order of Command: the game's five, the history, the help.
    const struct { const char* text; const char* name; } commands[commandcount] = {
        {"&about", "mnuabout"},
        {"&Paytable", "mnuptble"},
        {"Options", "mnuplayer"},
        {"Quick Credit", "mnuquickcredit"},
        {"&exit", "mnuexit"},
        {"&History", "mnuhistory"},
        {"Help", "mnuhelp"},
    };
    for (int i = 0; i < commandcount; ++i) {
        QAction* action = bar->addAction(QString::fromLatin1(commands[i].text));
        action->setObjectName(QString::fromLatin1(commands[i].name));
        menus[i] = action;
        connect(action, &QAction::triggered, this, [this, i] { dispatcher.command(Command(i)); });
    }
    buildsoundswitch(bar);
}

void ZelWindow::buildsoundswitch(QMenuBar* bar) {
    // The sound switch is the player's, not the machine's: it acts at once, in the middle of a
    // spin too, so it does not go through the dispatcher. Its caption shows the state and the key.
    QAction* sound = bar->addAction(QString());
    sound->setObjectName(QStringLiteral("mnusound"));
    sound->setCheckable(true);
    sound->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    sound->setEnabled(platform != nullptr);
    const auto show = [sound](bool on) {
        sound->setText(on ? QStringLiteral("&Sound on (Ctrl+M)") : QStringLiteral("&Sound off (Ctrl+M)"));
        sound->setToolTip(on ? QStringLiteral("Switch the sound off") : QStringLiteral("Switch the sound on"));
    };
    sound->setChecked(platform && platform->soundon());
    show(sound->isChecked());
    connect(sound, &QAction::toggled, this, [this, show](bool on) {
        if (platform) platform->setsound(on);
        show(on);
    });
}

void ZelWindow::buildtimers() {
    static const char* const names[timercount] = {"Timer1", "Timerscatters", "Timer4", "timerwild", "Timerrespin",
                                                  "Timerwincounter"};
    for (int i = 0; i < timercount; ++i) {
        timers[i] = new QTimer(this);
        timers[i]->setObjectName(QString::fromLatin1(names[i]));
        timers[i]->setTimerType(Qt::PreciseTimer);
        // The interval counts from the end of a tick, as the game's timers count it: a tick that
        // pauses inside its handler does not eat into the time before the next one.
        timers[i]->setSingleShot(true);
        connect(timers[i], &QTimer::timeout, this, [this, i] { timertick(i); });
    }
}

void ZelWindow::timertick(int timer) {
    dispatcher.tick(TimerControl(timer));
    // Counting starts again now, also after a tick that could not run (its handler was busy).
    rendertimers();
}

bool ZelWindow::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((type != QEvent::KeyPress && type != QEvent::KeyRelease) || !watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (widget->window() != this) return false;
    // The key reaches the focused control first and then its parents: look at it once, there.
    QWidget* focus = QApplication::focusWidget();
    if (widget != (focus ? focus : this)) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    // Enter on a focused button of the machine presses it, under the same rule as a click, so a
    // player without a mouse can place the first bet and use every button.
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        const auto button = presses.constFind(focus);
        if (button == presses.constEnd()) return false;
        if (type == QEvent::KeyPress && !key->isAutoRepeat()) dispatcher.press(button->first, button->second);
        return true;
    }
    if (!zel.form.keypreview) return false;
    // Only the space bar is the machine's key; every other key does what it does anywhere.
    if (key->key() != Qt::Key_Space) return false;
    // The space bar spins through the preview only; it must not also press the focused button.
    if (type == QEvent::KeyPress) dispatcher.key(' ');
    return true;
}

void ZelWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    // A click on the machine while one of its dialogs is open brings the dialog to the front with
    // the keyboard, as a modal dialog's would: the machine itself takes no input then. The request
    // goes after the click's own (Qt asks for the clicked window too, and on Wayland the last
    // request the compositor hears wins).
    if (event->type() != QEvent::ActivationChange || !isActiveWindow() || isEnabled() || !windowHandle()) return;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != this && w->isVisible() && w->windowHandle() && w->windowHandle()->transientParent() == windowHandle()) {
            QMetaObject::invokeMethod(w, [w] { w->activateWindow(); }, Qt::QueuedConnection);
            return;
        }
}

void ZelWindow::bringtofront(const QByteArray& activationtoken) {
    // Wayland lets a window take the focus only with a token from the start that asked for it.
    if (!activationtoken.isEmpty()) qputenv("XDG_ACTIVATION_TOKEN", activationtoken);
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
    // While one of its dialogs is open, the dialog is what the player is to see and answer.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != this && w->isVisible() && w->windowHandle() && w->windowHandle()->transientParent() == windowHandle()) {
            w->raise();
            w->activateWindow();
        }
}

void ZelWindow::closeEvent(QCloseEvent* event) {
    // The close box is the exit command. While a handler runs it waits for the machine to settle,
    // so the saved record holds the spin's result.
    const bool now = !dispatcher.busy();
    dispatcher.command(Command::exit);
    if (now) event->accept();
    else event->ignore();
}

}  // namespace zel
