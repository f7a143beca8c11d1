// Headless spins per second: the real play_Click, reel stops, evaluation and landing on a
// platform whose waits take no time. 25 lines at 1 coin, reel speed 1, credit kept topped up;
// free-spin features are played out and collected. The goal is 1,000,000 spins a second on one
// core: the rate is taken over the process's own CPU time, so other work on a shared machine
// does not count against it (the wall-clock rate is printed beside it). Options:
//   --seconds N   length of the measurement (default 3)
//   --goal S      goal in spins a second (default 1000000)
//   --spins N     measure exactly N spins instead (for instruction counts under perf stat)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "core/machine/zel.h"
#include "core/platform/headlessplatform.h"
#include "core/players/player.h"

namespace {

using clock_type = std::chrono::steady_clock;

double cpuseconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

struct Bench {
    zel::HeadlessPlatform platform{20261208};
    zel::Player player;
    zel::Zel machine{player, platform};
    int64_t spins = 0;

    Bench() {
        player.bank = 1000000000;
        player.machinepay = 6;
        player.reelspeed = 1;
        player.playerslot = "1";
        machine.payline_Click(5);  // 25 lines
    }

    void spin() {
        if (player.bank < 1000) player.bank += 1000000000;
        machine.play_Click(1);
        ++spins;
        // A feature plays its free spins at the same bet, then the total is collected.
        while (machine.freespins > 0) {
            if (machine.freespinsplayed >= machine.freespins) {
                machine.takewin_Click();
                break;
            }
            machine.play_Click(1);
            ++spins;
        }
    }
};

}  // namespace

int main(int argc, char** argv) {
    double seconds = 3;
    double goal = 1000000;
    long long fixedspins = 0;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--seconds") == 0) seconds = std::atof(argv[i + 1]);
        else if (std::strcmp(argv[i], "--goal") == 0) goal = std::atof(argv[i + 1]);
        else if (std::strcmp(argv[i], "--spins") == 0) fixedspins = std::atoll(argv[i + 1]);
    }

    Bench bench;
    for (int i = 0; i < 20000; ++i) bench.spin();  // warm up

    const int64_t before = bench.spins;
    const auto start = clock_type::now();
    const double cpustart = cpuseconds();
    double elapsed = 0;
    if (fixedspins > 0) {
        while (bench.spins - before < fixedspins) bench.spin();
        elapsed = std::chrono::duration<double>(clock_type::now() - start).count();
    }
    while (fixedspins <= 0 && elapsed < seconds) {
        for (int i = 0; i < 10000; ++i) bench.spin();
        elapsed = std::chrono::duration<double>(clock_type::now() - start).count();
    }
    const double cpu = cpuseconds() - cpustart;
    const double spins = double(bench.spins - before);
    const double rate = spins / cpu;
    std::printf("spins/s: %.0f on one core (%.0f spins in %.2f s of CPU time; %.0f spins/s by the wall clock; goal %.0f)\n",
                rate, spins, cpu, spins / elapsed, goal);
    return rate >= goal ? 0 : 1;
}
