#pragma once
// The wild hold as the figures see it, learned from the game's own reel stops and landing:
// which stops of reels 2, 3 and 4 leave a hold request, whether a request outlives the
// landing (it does not for a held reel, unless reel 1 stopped where the landing shows no
// frame), and the numbering of the hold states a spin can start from.
#include <array>
#include <vector>

#include "core/machine/zel.h"

namespace zel::math {

constexpr int firstholdreel = 2;
constexpr int lastholdreel = 4;

struct HoldModel {
    // holdslot[r][s]: 0 when stop s of reel r leaves no hold request, else 1 + the index of s
    // among the reel's hold stops.
    std::array<std::array<int, stopcount + 1>, reelcount + 1> holdslot{};
    std::array<std::vector<int>, reelcount + 1> holdstops;
    // keeps[held][r][s1]: reel r's hold request is still there after the landing when reel 1
    // stopped at s1; held = 1 for a reel that was held in the spin, 0 for a fresh request.
    std::array<std::array<std::array<bool, stopcount + 1>, reelcount + 1>, 2> keeps{};

    // A hold state numbers the slot (0 = drawn afresh) of each of reels 2..4; state 0 holds nothing.
    int statecount = 1;
    std::array<int, reelcount + 1> radix{};

    int slot(int state, int reel) const { return state / radix[reel] % int(holdstops[reel].size() + 1); }
    // The number of reels a spin from this state draws (reels 1 and 5 always draw).
    int drawnreels(int state) const;
};

// Probes Zel::applystop and Zel::landreels (at every reel speed the options offer).
// Throws std::runtime_error when the landing treats the speeds differently.
HoldModel learnholds(Zel& zel);

}  // namespace zel::math
