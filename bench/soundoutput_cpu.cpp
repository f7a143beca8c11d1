// CPU used by the sound output: the game's sound bank playing into a private PulseAudio server
// with a null sink (started here and stopped by its pid), measured over a stretch of silence
// (the game idling, the output open) and over back-to-back landings (the click, then five reel
// stops 0.15 s apart). Goal: under 1% of one core while idle. The server's own share is shown
// beside it.
//
// Options:
//   --seconds N   length of each measurement (default 10)
//   --goal P      goal in percent of one core while idle (default 1)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include <QCoreApplication>

#include "cpuseconds.h"
#include "ui/sound/soundbank.h"
#include "pulserig.h"

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

struct Share {
    double self, server;  // percent of one core
};

// Runs `work` until `seconds` have passed and returns the CPU both processes used meanwhile.
template <typename Work>
Share measure(double seconds, pid_t server, Work work) {
    const double self0 = cpuseconds(), server0 = cpuseconds(server);
    const auto end = Clock::now() + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
    work(end);
    return {100.0 * (cpuseconds() - self0) / seconds, 100.0 * (cpuseconds(server) - server0) / seconds};
}

}  // namespace

int main(int argc, char** argv) {
    double seconds = 10, goal = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--seconds" && i + 1 < argc) seconds = std::atof(argv[++i]);
        else if (a == "--goal" && i + 1 < argc) goal = std::atof(argv[++i]);
    }
    if (seconds <= 0) seconds = 10;
    QCoreApplication app(argc, argv);

    zel::test::PulseServer server;
    QString why;
    if (!server.start(&why)) {
        std::printf("no private sound server: %s\n", qPrintable(why));
        return 2;
    }
    zel::SoundBank bank;
    bank.play(124, false);
    std::this_thread::sleep_for(milliseconds(1000));

    const Share idle = measure(seconds, server.pid(), [](Clock::time_point end) { std::this_thread::sleep_until(end); });
    const Share landing = measure(seconds, server.pid(), [&](Clock::time_point end) {
        while (Clock::now() < end) {
            const auto start = Clock::now();
            bank.play(124, false);
            for (int reel = 1; reel <= 5; ++reel) {
                std::this_thread::sleep_until(start + milliseconds(150 * reel));
                bank.play(116, false);
            }
            std::this_thread::sleep_until(start + milliseconds(1200));
        }
    });
    std::printf("sound output idle: %.2f%% of one core (server %.2f%%; goal under %.1f%%)\n", idle.self, idle.server, goal);
    std::printf("sound output during landings: %.2f%% of one core (server %.2f%%)\n", landing.self, landing.server);
    return idle.self < goal ? 0 : 1;
}
