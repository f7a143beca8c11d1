// How long each winning line is on show in the real window: the game shows a line for five ticks
// of Timer1, each its 150 ms interval plus the tick's own 150 ms pause, so about 1.5 s a line.
// One forced spin is played (bet 1 on 25 lines) and the moments each line starts are taken from
// the platform's waits inside Timer1's ticks; the time per line is the mean between starts.
//
// Run it on a display (xvfb-run for a headless machine). Options:
//   --lines one|many  a spin with one winning line (default) or with nine, scatters and wilds
//   --cycles N        line starts to measure (default 8)
//   --goal S          seconds a line should show (default 1.5), met within --within percent (default 10)
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <QApplication>
#include <QTimer>

#include "benchmachine.h"
#include "forcedplatform.h"

namespace {

using Clock = std::chrono::steady_clock;

// The game's platform, forcing the first draws and noting when each line's first tick pauses.
class LinePlatform : public ForcedPlatform {
public:
    using ForcedPlatform::ForcedPlatform;
    zel::Zel* machine = nullptr;
    zel::ZelWindow* window = nullptr;
    std::vector<Clock::time_point> linestarts;

    void wait(int ms) override {
        if (window && machine && window->input().depth(zel::TimerControl::Timer1) > 0 && machine->lineticks == 1)
            linestarts.push_back(Clock::now());
        QtPlatform::wait(ms);
    }
};

}  // namespace

int main(int argc, char** argv) {
    bool many = false;
    int cycles = 8;
    double goal = 1.5, within = 10;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--lines" && i + 1 < argc) many = std::string(argv[++i]) == "many";
        else if (a == "--cycles" && i + 1 < argc) cycles = std::atoi(argv[++i]);
        else if (a == "--goal" && i + 1 < argc) goal = std::atof(argv[++i]);
        else if (a == "--within" && i + 1 < argc) within = std::atof(argv[++i]);
    }
    if (cycles < 2) cycles = 2;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zelslots"));
    BenchMachine<LinePlatform> bench(false);
    auto& [store, platform, player, machine, window] = bench;
    platform.machine = &machine;
    platform.window = &window;
    player.bank = 100000;
    player.winroll = 1;
    machine.showcredit();
    window.render();
    window.show();

    // One line: J on line 1 across all five reels. Many: nine lines with two scatters and wilds.
    const std::vector<int> stops = many ? std::vector<int>{10, 1, 9, 10, 8} : std::vector<int>{5, 5, 5, 11, 6};
    for (int s : stops) platform.forced.push_back(stopdraw(s));
    platform.forced.push_back(0.0);  // the pay setting lets the win stand

    int status = 0;
    QTimer::singleShot(300, &window, [&] {
        window.input().press(zel::Button::play, 1);
        int winning = 0;
        for (int L = 1; L <= machine.linesplayed; ++L)
            if (machine.winlines[L] > 0) ++winning;
        std::printf("spin: %d winning line%s, Timer1 %s\n", winning, winning == 1 ? "" : "s",
                    machine.form.Timer1.enabled ? "on" : "off");
        if (winning == 0 || !machine.form.Timer1.enabled) {
            status = 2;
            QCoreApplication::exit(status);
        }
    });
    auto* check = new QTimer(&window);
    QObject::connect(check, &QTimer::timeout, &window, [&] {
        if (int(platform.linestarts.size()) < cycles + 1) return;
        const auto& t = platform.linestarts;
        const double total = std::chrono::duration<double>(t.back() - t.front()).count();
        const double perline = total / double(t.size() - 1);
        const double off = 100.0 * (perline - goal) / goal;
        std::printf("time per line: %.3f s over %zu lines (goal %.2f s within %.0f%%: %+.1f%%)\n", perline, t.size() - 1,
                    goal, within, off);
        status = std::abs(off) <= within ? 0 : 1;
        QCoreApplication::exit(status);
    });
    check->start(100);
    // Leaving the loop directly: quitting the application would close the window, and closing the
    // window runs the game's exit sequence, which ends the process at once.
    app.exec();
    std::fflush(stdout);
    return status;
}
