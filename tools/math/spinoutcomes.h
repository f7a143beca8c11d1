#pragma once
// Every one of the 22^5 stop combinations played through the game's own reel stops, pays and
// multiplier, gathered by the hold state a spin starts from and the hold state it leaves.
#include <cstdint>
#include <vector>

#include "math/holdmodel.h"
#include "math/multiplierlaw.h"

namespace zel::math {

constexpr int scattercounts = reelcount + 1;  // 0..5 reels with a scatter

// The spins from one hold state to another with a given scatter count, with or without a wild
// in a paying run, and with the number of multiplier factors that would take the win above
// twice the stake. Win in coins at one coin a line.
struct OutcomeCell {
    int64_t spins = 0;
    int64_t hits = 0;  // spins that win anything
    int64_t win = 0;
};

struct LinesOutcomes {
    int lines = 0;
    int32_t stake = 0;  // at one coin a line
    std::vector<OutcomeCell> cells;
    // The spin alone: all five reels drawn, no hold, no pay setting, no feature.
    int64_t combinations = 0, hits = 0, triggers = 0, win = 0, winsquared = 0;
};

struct SpinOutcomes {
    HoldModel holds;
    MultiplierLaw multipliers;
    std::vector<LinesOutcomes> bylines;

    // The combinations a spin from this hold state can show (held reels keep their stop).
    int64_t combinationsfrom(int state) const {
        int64_t n = 1;
        for (int r = 1; r <= holds.drawnreels(state); ++r) n *= stopcount;
        return n;
    }

    int overclasses() const { return int(multipliers.factors.size()) + 1; }
    size_t cellindex(int from, int to, int scatters, bool wildpays, int over) const {
        return ((size_t(from) * holds.statecount + to) * scattercounts + scatters) * 2 * overclasses() +
               (wildpays ? overclasses() : 0) + over;
    }
    size_t cellcount() const { return size_t(holds.statecount) * holds.statecount * scattercounts * 2 * overclasses(); }
};

// One pass over all combinations, paying each at every number of lines asked for (1..25).
// Throws std::invalid_argument for any other number of lines.
SpinOutcomes enumeratespins(const std::vector<int>& lines);

}  // namespace zel::math
