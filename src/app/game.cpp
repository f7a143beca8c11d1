#include "app/game.h"

#include <csignal>
#include <cstdio>
#include <pthread.h>

#include <QApplication>
#include <QDialog>

#include "app/commandline.h"
#include "app/desktopidentity.h"
#include "core/machine/zel.h"
#include "core/players/player.h"
#include "store/instancelock.h"
#include "store/settingsfile.h"
#include "ui/machine/zelwindow.h"
#include "ui/platform/desktopsignals.h"
#include "ui/platform/qtplatform.h"
#include "ui/shell/desktopname.h"
#include "ui/shell/secondarywindow.h"

namespace zel {

int rungame(int argc, char** argv, const GameHooks& hooks) {
    // --help, --version and a bad option are answered without a display, before the store is touched.
    const QString settingsfile = userstorefile();
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    if (const auto status = readcommandline(arguments, settingsfile)) return *status;

    // One game a store: a second start shows the first one's window and ends. A request to show the
    // window that comes before the game can answer it waits (its default would end the program);
    // the threads Qt starts keep it blocked, so it reaches the window thread.
    sigset_t raise;
    sigemptyset(&raise);
    sigaddset(&raise, InstanceLock::raisesignal());
    pthread_sigmask(SIG_BLOCK, &raise, nullptr);
    InstanceLock lock(settingsfile);
    if (lock.take() == InstanceLock::Outcome::held) {
        const qint64 holder = lock.holder();
        lock.askholdertoraise(qgetenv("XDG_ACTIVATION_TOKEN"));
        std::fprintf(stderr, "zelslots: the game is already running for the players of %s (process %lld); its window is brought to the front\n",
                     qPrintable(settingsfile), holder);
        return 0;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zelslots"));
    takedesktopidentity();
    QApplication::setApplicationDisplayName(desktopname);

    Player player;
    std::unique_ptr<QtPlatform> platform = hooks.makeplatform ? hooks.makeplatform() : std::make_unique<QtPlatform>();
    Zel machine(player, *platform);
    ZelWindow window(machine, platform.get());
    installsecondarywindows(machine, window);
    // What the store has to say reaches the player between spins.
    platform->newshook = [&machine, &window] { window.input().whensettled([&machine] { machine.tellstorenews(); }); };

    // A logout, a shutdown or a kill ends the game as its exit command does, once the machine has
    // settled. Nobody is there to answer a message box: one that is up is closed as its Escape would.
    DesktopSignals requests([&machine, &window, &settingsfile](int number) {
        if (number == InstanceLock::raisesignal()) {
            window.bringtofront(InstanceLock::takeraiserequest(settingsfile));
            return;
        }
        machine.unattended = true;
        if (auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget())) box->reject();
        window.input().command(Command::exit);
    });
    pthread_sigmask(SIG_UNBLOCK, &raise, nullptr);

    // Start-up may end the program (a screen with large fonts): the platform then exits at once.
    machine.Form_Load();
    if (hooks.started) hooks.started(machine, window, *platform);
    window.render();
    window.restoreplace();
    window.show();
    return app.exec();
}

}  // namespace zel
