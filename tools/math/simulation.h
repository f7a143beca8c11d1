#pragma once
// The machine played through its own handlers on a headless platform: play_Click for every
// paid spin, the win meter's and Timerrespin's ticks through each free-spin feature, and
// takewin_Click to collect it. No gamble.
#include <cstdint>

namespace zel::math {

struct SimulationSettings {
    int64_t spins = 1000000;  // paid spins (games); a feature is played through inside its game
    uint64_t seed = 1;
    int lines = 25;
    int bet = 1;
    int machinepay = 6;
};

struct SimulationFigures {
    int64_t games = 0;         // as the player's record counted them
    int64_t featurespins = 0;  // automatic spins inside features
    int64_t features = 0;
    int64_t hits = 0;          // games that won anything
    int64_t total = 0, wager = 0;
    double rtp = 0;
    double cilow = 0, cihigh = 0;  // 99% confidence interval of rtp from batch means; NaN when
                                   // there are too few spins for one (intervalspins)
    double hitfrequency = 0;
    double featuresperspin = 0;
    double seconds = 0;            // on the clock on the wall
    double cpuseconds = 0;         // of processor time, which a busy machine does not stretch
    double spinspersecond = 0;     // paid spins per second on the wall clock
};

// The fewest paid spins that give a confidence interval: a hundred batches of a hundred games,
// so each batch mean is close enough to normal for Student's t to hold.
constexpr int64_t intervalspins = 10000;

// Throws std::runtime_error when the handlers stop playing (a feature that cannot be collected).
SimulationFigures simulate(const SimulationSettings& settings);

// The two-sided 99% quantile of Student's t with the given degrees of freedom.
double student99(int degrees);

}  // namespace zel::math
