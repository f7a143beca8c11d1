// How faithfully the real window keeps the reel landing's timing: the wall time of one landing
// (from the first frame's wait to the end of the last) divided by the sum of its waits, with the
// window drawing every frame on a display. Spins are forced to lose (no free spins, no win
// presentation) and reel 1 stops at different places, so phase 1 varies in length.
//
// Run it on a display (xvfb-run for a headless machine). Options:
//   --landings N   number of landings (default 20)
//   --goal R       goal for the overall ratio (default 1.10)
//   --speed S      reel speed 1, 2, 4, 8 or 10 (default 1)
//   --fullscreen   show the window filling the screen, the machine scaled to fit
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>

#include "benchmachine.h"
#include "forcedplatform.h"

namespace {

using Clock = std::chrono::steady_clock;

// The game's platform, timing every wait and forcing the first draws.
class TimedPlatform : public ForcedPlatform {
public:
    using ForcedPlatform::ForcedPlatform;
    int waits = 0;
    long long waitedms = 0;
    Clock::time_point first, last;

    void wait(int ms) override {
        const auto entry = Clock::now();
        if (waits == 0) first = entry;
        ++waits;
        waitedms += ms;
        QtPlatform::wait(ms);
        last = Clock::now();
    }
};

// Counts the frames that a reel window really painted.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++paints;
        return false;
    }
};

}  // namespace

int main(int argc, char** argv) {
    int landings = 20, speed = 1;
    bool fullscreen = false;
    double goal = 1.10;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--landings" && i + 1 < argc) landings = std::atoi(argv[++i]);
        else if (a == "--goal" && i + 1 < argc) goal = std::atof(argv[++i]);
        else if (a == "--speed" && i + 1 < argc) speed = std::atoi(argv[++i]);
        else if (a == "--fullscreen") fullscreen = true;
    }
    if (landings < 1) landings = 20;

    QApplication app(argc, argv);
    BenchMachine<TimedPlatform> bench(false);
    auto& [store, platform, player, machine, window] = bench;
    window.render();
    showmachine(window, fullscreen);
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 500) app.processEvents();

    player.bank = 1000000;
    player.reelspeed = int16_t(speed);
    machine.showcredit();
    window.render();
    auto* play = window.findChild<QAbstractButton*>(QStringLiteral("play(1)"));
    auto* reel5 = window.findChild<QWidget*>(QStringLiteral("Picture5"));
    if (!play || !reel5) {
        std::fprintf(stderr, "the window has no play(1) or Picture5\n");
        return 2;
    }
    PaintCounter counter;
    reel5->installEventFilter(&counter);

    // Losing windows: reel 1 shows none of K, Q, badge next to reel 2 at stop 3, and no pair follows.
    const int reel1stops[3] = {5, 12, 16};
    double wallsum = 0, waitsum = 0, worst = 0;
    long long frames = 0, painted = 0;
    for (int n = 0; n < landings; ++n) {
        platform.forced = {stopdraw(reel1stops[n % 3]), stopdraw(3), stopdraw(5), stopdraw(3), stopdraw(3), 0.0};
        platform.waits = 0;
        platform.waitedms = 0;
        counter.paints = 0;
        play->click();
        if (platform.waits == 0) {
            std::fprintf(stderr, "landing %d: the spin did not run\n", n + 1);
            return 2;
        }
        const double wall = std::chrono::duration<double, std::milli>(platform.last - platform.first).count();
        const double ratio = wall / double(platform.waitedms);
        wallsum += wall;
        waitsum += double(platform.waitedms);
        frames += platform.waits;
        painted += counter.paints;
        if (ratio > worst) worst = ratio;
        app.processEvents();
    }

    const double overall = wallsum / waitsum;
    std::printf("landing fidelity (reel speed %d, %d landings): wall %.0f ms / waits %.0f ms = %.3f "
                "(worst landing %.3f); reel 5 painted %lld of %lld frames; goal <= %.2f\n",
                speed, landings, wallsum, waitsum, overall, worst, painted, frames, goal);
    return overall <= goal ? 0 : 1;
}
