#pragma once
// One spin's window and pays as the game's own reel stops and pays work them out, without
// the pay setting or the free-spin multiplier.
#include <array>
#include <cstdint>
#include <vector>

#include "core/machine/zel.h"

namespace zel::math {

struct LinePay {
    int line = 0;
    Symbol symbol = Symbol::J;  // the symbol whose run pays
    int run = 0;                // 2..5
    int32_t pay = 0;            // coins
};

struct SpinReport {
    std::array<std::array<Symbol, 3>, reelcount> window{};  // per reel, top to bottom
    int scattercount = 0;
    int32_t scatterpay = 0;
    std::vector<LinePay> lines;  // ascending
    int32_t currentwin = 0;
    std::array<int, 3> hold{};   // hold requests of reels 2, 3, 4
};

// Stops 1..22 of reels 1..5, lines 1..25, bet per line 1..20.
// Throws std::runtime_error if the pays do not add up to the spin's win.
SpinReport evaluatestops(const std::array<int, reelcount>& stops, int lines, int bet);

}  // namespace zel::math
