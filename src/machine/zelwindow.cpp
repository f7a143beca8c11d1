#include "machine/zelwindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QTimer>

#include "machine/cabinetwidget.h"
#include "machine/displaywidget.h"
#include "machine/gamblepanelwidget.h"
#include "machine/imagebuttonwidget.h"
#include "machine/linesoverlaywidget.h"
#include "machine/paytables.h"
#include "machine/picturewidget.h"
#include "machine/reelwidget.h"
#include "machine/zel.h"
#include "platform/qtplatform.h"

namespace zel {

ZelWindow::ZelWindow(Zel& machine, QtPlatform* pf) : zel(machine), platform(pf) {
    setObjectName(QStringLiteral("zelwindow"));
    cabinetwidget = new CabinetWidget(this);
    setCentralWidget(cabinetwidget);
    buildreels();
    builddeck();
    gamble = new GamblePanelWidget(cabinetwidget);
    gamble->hide();
    buildmenus();
    buildtimers();
    const QPixmap icon = zelpicture(QStringLiteral(":/panels/icon.png"));
    if (!icon.isNull()) setWindowIcon(icon);

    // Keys are seen here before the focused control gets them (the window's key preview).
    qApp->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (!now || now->window() != this || now->objectName().isEmpty()) return;
        zel.form.focus = appliedfocus = now->objectName();
    });
    connect(gamble->betred, &QAbstractButton::clicked, this, [this] { dispatch(&zel.form.betred, [this] { zel.betred_Click(); }); });
    connect(gamble->betblack, &QAbstractButton::clicked, this,
            [this] { dispatch(&zel.form.betblack, [this] { zel.betblack_Click(); }); });
    connect(gamble->cancelbet, &QAbstractButton::clicked, this,
            [this] { dispatch(&zel.form.cancelbet, [this] { zel.cancelbet_Click(); }); });
    for (int i = 1; i <= 4; ++i)
        connect(gamble->suitbet[i], &QAbstractButton::clicked, this,
                [this, i] { dispatch(&zel.form.suitbet[i], [this, i] { zel.suitbet_Click(i); }); });

    if (platform) {
        platform->renderhook = [this] { render(true); };
        platform->scalehook = [this](double s) { zel.form.scale = s; };
    }
    render();
}

ZelWindow::~ZelWindow() {
    qApp->removeEventFilter(this);
    if (platform) {
        platform->renderhook = nullptr;
        platform->scalehook = nullptr;
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
}

ImageButtonWidget* ZelWindow::makebutton(const QString& name, const QString& face, const QString& fallback) {
    auto* b = new ImageButtonWidget(cabinetwidget);
    b->setObjectName(name);
    b->setfacepath(face);
    b->setfallback(fallback);
    return b;
}

void ZelWindow::builddeck() {
    for (int i = 1; i <= 5; ++i) {
        payline[i] = makebutton(QStringLiteral("payline(%1)").arg(i), QStringLiteral(":/faces/payline%1.png").arg(i),
                                QStringLiteral("%1 LINE%2").arg(paylinelines[i]).arg(i > 1 ? "S" : ""));
        connect(payline[i], &QAbstractButton::clicked, this,
                [this, i] { dispatch(&zel.form.payline[i], [this, i] { zel.payline_Click(i); }); });
    }
    for (int i = 1; i <= 6; ++i) {
        play[i] = makebutton(QStringLiteral("play(%1)").arg(i), QStringLiteral(":/faces/play%1.png").arg(i),
                             QStringLiteral("BET %1").arg(playbet[i]));
        connect(play[i], &QAbstractButton::clicked, this,
                [this, i] { dispatch(&zel.form.play[i], [this, i] { zel.play_Click(i); }); });
    }
    for (int i = 1; i <= 5; ++i)
        payline[i]->setToolTip(QStringLiteral("Play %1 line%2").arg(paylinelines[i]).arg(i > 1 ? "s" : ""));
    for (int i = 1; i <= 6; ++i)
        play[i]->setToolTip(QStringLiteral("Spin with %1 coin%2 on each line (space bar repeats the last bet)")
                                .arg(playbet[i])
                                .arg(i > 1 ? "s" : ""));
    COINSIN = makebutton(QStringLiteral("COINSIN"), QStringLiteral(":/faces/COINSIN.png"), QStringLiteral("COIN"));
    COINSIN->setToolTip(QStringLiteral("Insert 20 coins"));
    connect(COINSIN, &QAbstractButton::clicked, this, [this] { dispatch(&zel.form.COINSIN, [this] { zel.COINSIN_Click(); }); });
    doublebutton = makebutton(QStringLiteral("doublebutton"), QStringLiteral(":/faces/doublebutton.png"),
                              QStringLiteral("GAMBLE"));
    connect(doublebutton, &QAbstractButton::clicked, this,
            [this] { dispatch(&zel.form.doublebutton, [this] { zel.doublebutton_Click(); }); });
    doublebutton->setToolTip(QStringLiteral("Gamble the win on a card"));
    takewin = makebutton(QStringLiteral("takewin"), QStringLiteral(":/faces/takewin.png"), QStringLiteral("COLLECT"));
    takewin->setToolTip(QStringLiteral("Collect the free-spin winnings"));
    connect(takewin, &QAbstractButton::clicked, this, [this] { dispatch(&zel.form.takewin, [this] { zel.takewin_Click(); }); });

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
        "QMenuBar::item { background: transparent; padding: 3px 9px; }"
        "QMenuBar::item:selected { background: #7c1420; color: #fff3c4; }"
        "QMenuBar::item:pressed { background: #a01c2a; color: #ffffff; }"
        "QMenuBar::item:disabled { color: #7a6a50; }"));
    const struct { const char* text; const char* name; const Control* control; void (Zel::*handler)(); } commands[5] = {
        {"&about", "mnuabout", &zel.form.mnuabout, &Zel::mnuabout_Click},
        {"&Paytable", "mnuptble", &zel.form.mnuptble, &Zel::mnuptble_Click},
        {"Options", "mnuplayer", &zel.form.mnuplayer, &Zel::mnuplayer_Click},
        {"Quick Credit", "mnuquickcredit", &zel.form.mnuquickcredit, &Zel::mnuquickcredit_Click},
        {"&exit", "mnuexit", &zel.form.mnuexit, &Zel::mnuexit_Click},
    };
    for (int i = 0; i < 5; ++i) {
        QAction* action = bar->addAction(QString::fromLatin1(commands[i].text));
        action->setObjectName(QString::fromLatin1(commands[i].name));
        menus[i] = {action, commands[i].control, commands[i].handler};
        connect(action, &QAction::triggered, this, [this, i] {
            const MenuCommand& m = menus[i];
            dispatch(m.control, [this, &m] { (zel.*(m.handler))(); });
        });
    }
    buildsoundswitch(bar);
}

void ZelWindow::buildsoundswitch(QMenuBar* bar) {
    // The sound switch is the player's, not the machine's: it acts at once, in the middle of a
    // spin too, so it does not go through dispatch. Its caption shows the state and the key.
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
    const TimerControl list[6] = {
        {nullptr, &ZelForm::Timer1, &Zel::Timer1_Timer},
        {nullptr, &ZelForm::Timerscatters, &Zel::Timerscatters_Timer},
        {nullptr, &ZelForm::Timer4, &Zel::Timer4_Timer},
        {nullptr, &ZelForm::timerwild, &Zel::timerwild_Timer},
        {nullptr, &ZelForm::Timerrespin, &Zel::Timerrespin_Timer},
        {nullptr, &ZelForm::Timerwincounter, &Zel::Timerwincounter_Timer},
    };
    for (int i = 0; i < 6; ++i) {
        timers[i] = list[i];
        timers[i].timer = new QTimer(this);
        timers[i].timer->setTimerType(Qt::PreciseTimer);
        connect(timers[i].timer, &QTimer::timeout, this, [this, i] { tick(i); });
    }
}

void ZelWindow::tick(int i) {
    const TimerControl& t = timers[i];
    // A tick that was already queued when the game stopped its timer does nothing.
    if (!(zel.form.*(t.field)).enabled) return;
    run([this, &t] { (zel.*(t.handler))(); });
}

void ZelWindow::run(const std::function<void()>& handler) {
    ++running;
    handler();
    --running;
    render();
    // Leaving in the middle of a spin would save the record before the spin is settled:
    // the exit waits until the handlers in progress have finished.
    if (running == 0 && exitpending) {
        exitpending = false;
        zel.Form_QueryUnload();
        render();
    }
}

void ZelWindow::dispatch(const Control* control, const std::function<void()>& handler) {
    // Handlers run nested event loops: a control switched off meanwhile must not act.
    if (!zel.form.enabled || !isEnabled()) return;
    if (control && (!control->enabled || !control->visible)) return;
    if (control == &zel.form.mnuexit && running > 0) {
        exitpending = true;
        return;
    }
    run(handler);
}

void ZelWindow::dispatchkey(int key) {
    if (!zel.form.enabled || !isEnabled()) return;
    run([this, key] { zel.Form_KeyPress(key); });
}

bool ZelWindow::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((type != QEvent::KeyPress && type != QEvent::KeyRelease) || !watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (widget->window() != this || !zel.form.keypreview) return false;
    // The key reaches the focused control first and then its parents: preview it once, there.
    QWidget* focus = QApplication::focusWidget();
    if (widget != (focus ? focus : this)) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const bool space = key->key() == Qt::Key_Space;
    if (type == QEvent::KeyPress && !key->text().isEmpty()) dispatchkey(key->text().at(0).unicode());
    // The space bar spins through the preview only; it must not also press the focused button.
    return space;
}

void ZelWindow::closeEvent(QCloseEvent* event) {
    if (running > 0) {
        exitpending = true;
        event->ignore();
        return;
    }
    zel.Form_QueryUnload();
    render();
    event->accept();
}

}  // namespace zel
