#include "math/simulation.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>
#include <stdexcept>
#include <vector>

#include "core/machine/zel.h"
#include "core/platform/headlessplatform.h"

namespace zel::math {

namespace {

constexpr int batchcount = 100;
// The record's 32-bit statistics are emptied into 64-bit sums this often, so no session,
// however long, reaches their limit.
constexpr int64_t settleevery = 20000;
constexpr int32_t freshbank = 1000000000;
constexpr int maxmeterticks = 100000;

struct Batch {
    int64_t total = 0;
    int64_t wager = 0;
};

int paylinebutton(int lines) {
    for (int i = 1; i <= 5; ++i)
        if (paylinelines[i] == lines) return i;
    return 0;
}

// Each free spin: the win meter rolls up and hands over to Timerrespin, whose tick presses
// play; after the last one the total is collected.
int64_t playfeature(Zel& zel) {
    int64_t spins = 0;
    while (zel.freespins > 0) {
        if (zel.freespinsplayed >= zel.freespins) {
            zel.takewin_Click();
            if (zel.freespins > 0) throw std::runtime_error("collecting did not end the free-spin feature");
            break;
        }
        for (int ticks = 0; zel.form.Timerwincounter.enabled; ++ticks) {
            if (ticks == maxmeterticks) throw std::runtime_error("the win meter never finished");
            zel.Timerwincounter_Timer();
        }
        if (!zel.form.Timerrespin.enabled) throw std::runtime_error("the win meter did not start the next free spin");
        zel.Timerrespin_Timer();
        ++spins;
    }
    return spins;
}

// Empties the record's statistics into the batch and gives the machine a fresh credit.
void settle(Player& player, Batch& batch, int64_t& games) {
    batch.total += player.total;
    batch.wager += player.wager;
    games += player.games;
    player.total = player.wager = player.games = 0;
    player.bank = freshbank;
}

}  // namespace

double student99(int degrees) {
    static constexpr double table[] = {0,     63.657, 9.925, 5.841, 4.604, 4.032, 3.707, 3.499, 3.355, 3.250, 3.169,
                                       3.106, 3.055,  3.012, 2.977, 2.947, 2.921, 2.898, 2.878, 2.861, 2.845,
                                       2.831, 2.819,  2.807, 2.797, 2.787, 2.779, 2.771, 2.763, 2.756, 2.750};
    if (degrees < 1) return std::nan("");
    if (degrees <= 30) return table[degrees];
    // Cornish-Fisher expansion about the normal quantile.
    const double z = 2.5758293035489004, v = degrees;
    const double z3 = z * z * z, z5 = z3 * z * z, z7 = z5 * z * z, z9 = z7 * z * z;
    return z + (z3 + z) / (4 * v) + (5 * z5 + 16 * z3 + 3 * z) / (96 * v * v) +
           (3 * z7 + 19 * z5 + 17 * z3 - 15 * z) / (384 * v * v * v) +
           (79 * z9 + 776 * z7 + 1482 * z5 - 1920 * z3 - 945 * z) / (92160 * v * v * v * v);
}

SimulationFigures simulate(const SimulationSettings& s) {
    const int payline = paylinebutton(s.lines);
    const int play = playbuttonfor(s.bet);
    if (payline == 0 || play == 0 || s.spins < 1 || s.machinepay < 1) throw std::invalid_argument("no such game");

    HeadlessPlatform platform(s.seed);
    Player player;
    player.machinepay = int16_t(s.machinepay);
    player.winroll = 0;    // the meter shows the whole win on its first tick
    player.reelspeed = 1;
    player.bank = freshbank;
    Zel zel(player, platform);
    zel.payline_Click(payline);

    SimulationFigures f;
    const int batches = int(std::min<int64_t>(batchcount, s.spins));
    std::vector<Batch> batch(static_cast<size_t>(batches));
    const auto started = std::chrono::steady_clock::now();
    const std::clock_t cpustarted = std::clock();
    int64_t played = 0;
    for (int b = 0; b < batches; ++b) {
        const int64_t end = s.spins * (b + 1) / batches;
        int64_t sincesettled = 0;
        while (played < end) {
            const int32_t before = player.total;
            zel.play_Click(play);
            if (zel.freespins > 0) {
                ++f.features;
                f.featurespins += playfeature(zel);
            }
            if (player.total > before) ++f.hits;
            ++played;
            if (++sincesettled == settleevery) {
                settle(player, batch[size_t(b)], f.games);
                sincesettled = 0;
            }
        }
        settle(player, batch[size_t(b)], f.games);
        f.total += batch[size_t(b)].total;
        f.wager += batch[size_t(b)].wager;
    }
    f.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    f.cpuseconds = double(std::clock() - cpustarted) / CLOCKS_PER_SEC;

    f.rtp = f.wager > 0 ? double(f.total) / double(f.wager) : 0;
    f.hitfrequency = double(f.hits) / double(s.spins);
    f.featuresperspin = double(f.features) / double(s.spins);
    f.spinspersecond = f.seconds > 0 ? double(s.spins) / f.seconds : 0;

    // The ratio estimator's spread from the batches' own ratios (batches are whole games, and
    // a feature never straddles two of them).
    f.cilow = f.cihigh = std::nan("");
    if (s.spins >= intervalspins && batches >= 2 && f.wager > 0) {
        const double meanwager = double(f.wager) / batches;
        double sum = 0;
        for (const Batch& x : batch) {
            const double d = double(x.total) - f.rtp * double(x.wager);
            sum += d * d;
        }
        const double se = std::sqrt(sum / (batches - 1) / batches) / meanwager;
        const double half = student99(batches - 1) * se;
        f.cilow = f.rtp - half;
        f.cihigh = f.rtp + half;
    }
    return f;
}

}  // namespace zel::math
