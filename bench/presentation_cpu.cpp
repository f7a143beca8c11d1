// CPU used by the game while a win is being presented: the real main window and the real
// timers, after one spin whose stops are forced to give several winning lines, two scatters and
// wilds on the middle reels. The process's own user + system time is read from /proc over 10 s
// of presentation and compared with the goal of 3% of one core.
//
// Run it on a display (xvfb-run for a headless machine). Options:
//   --seconds N   length of the measurement (default 10)
//   --goal P      goal in percent of one core (default 3)
//   --silent      run without the sound bank
//   --large       show the window as on a 640 x 480 display (scale 1.25)
//   --fullscreen  show the window filling the screen, the machine scaled to fit
#include <cstdio>
#include <cstdlib>
#include <string>

#include <QApplication>
#include <QTimer>
#include <unistd.h>

#include "benchmachine.h"
#include "cpuseconds.h"
#include "forcedplatform.h"

int main(int argc, char** argv) {
    double seconds = 10, goal = 3;
    bool sound = true, large = false, fullscreen = false;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--seconds" && i + 1 < argc) seconds = std::atof(argv[++i]);
        else if (a == "--goal" && i + 1 < argc) goal = std::atof(argv[++i]);
        else if (a == "--silent") sound = false;
        else if (a == "--large") large = true;
        else if (a == "--fullscreen") fullscreen = true;
    }
    if (seconds <= 0) seconds = 10;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zelslots"));
    BenchMachine<ForcedPlatform> bench(sound);
    auto& [store, platform, player, machine, window] = bench;
    player.bank = 100000;
    machine.showcredit();
    if (large) platform.changedisplay(640, 480);
    window.render();
    showmachine(window, fullscreen);

    // Reel 1: president, badge, scatter; reel 2: badge, wild, K; reel 3: president, memorial, wild;
    // reel 4: Q, wild, J; reel 5: money, scatter, uncle: nine lines win, with two scatters and
    // three wilds. Then the pay setting lets the win stand.
    platform.forced = {stopdraw(10), stopdraw(1), stopdraw(9), stopdraw(10), stopdraw(8), 0.01};

    int status = 0;
    QTimer::singleShot(500, &window, [&] {
        machine.play_Click(1);  // a bet of one coin on each of the 25 lines, as a player's click would
        window.render();

        int winning = 0;
        for (int L = 1; L <= machine.linesplayed; ++L)
            if (machine.winlines[L] > 0) ++winning;
        const zel::ZelForm& f = machine.form;
        std::printf("spin: win %d coins on %d lines, %d scatters; Timer1 %s, Timerscatters %s, Timer4 %s\n",
                    int(machine.currentwin), winning, int(machine.scattercount), f.Timer1.enabled ? "on" : "off",
                    f.Timerscatters.enabled ? "on" : "off", f.Timer4.enabled ? "on" : "off");
        if (winning < 5 || !f.Timer1.enabled || !f.Timerscatters.enabled || !f.Timer4.enabled) {
            std::printf("the forced spin did not start every presentation timer\n");
            status = 2;
            QCoreApplication::exit(status);
            return;
        }

        const double start = cpuseconds();
        QTimer::singleShot(int(seconds * 1000), &window, [&, start] {
            const double used = cpuseconds() - start;
            const double percent = 100.0 * used / seconds;
            std::printf("presentation CPU: %.2f s over %.0f s = %.2f%% of one core (goal under %.1f%%)\n", used,
                        seconds, percent, goal);
            status = percent < goal ? 0 : 1;
            QCoreApplication::exit(status);
        });
    });
    // Leaving the loop directly: quitting the application would close the window, and closing the
    // window runs the game's exit sequence, which ends the process at once.
    app.exec();
    std::fflush(stdout);
    return status;
}
