#pragma once
// Lines, rows, reel weights, window cells and pays of the machine.
#include <cstdint>

#include "core/machine/reelstrips.h"

namespace zel {

constexpr int numlines = 25;
enum Row : int8_t { top = 0, middle = 1, bottom = 2 };

// The cell of each line on reels 1..5.
constexpr Row lineshape[numlines + 1][reelcount] = {
    {},
    {middle, middle, middle, middle, middle},  // 1
    {top, top, top, top, top},                 // 2
    {bottom, bottom, bottom, bottom, bottom},  // 3
    {top, middle, bottom, middle, top},        // 4
    {bottom, middle, top, middle, bottom},     // 5
    {top, top, middle, top, top},              // 6
    {bottom, bottom, middle, bottom, bottom},  // 7
    {middle, top, top, top, middle},           // 8
    {middle, bottom, bottom, bottom, middle},  // 9
    {middle, middle, top, middle, middle},     // 10
    {middle, middle, bottom, middle, middle},  // 11
    {top, middle, middle, middle, top},        // 12
    {bottom, middle, middle, middle, bottom},  // 13
    {top, middle, top, middle, top},           // 14
    {middle, top, middle, top, middle},        // 15
    {bottom, middle, bottom, middle, bottom},  // 16
    {middle, bottom, middle, bottom, middle},  // 17
    {top, bottom, top, bottom, top},           // 18
    {bottom, top, bottom, top, bottom},        // 19
    {middle, top, bottom, top, middle},        // 20
    {middle, bottom, top, bottom, middle},     // 21
    {middle, top, middle, bottom, middle},     // 22
    {middle, bottom, middle, top, middle},     // 23
    {top, top, top, middle, bottom},           // 24
    {bottom, bottom, bottom, middle, top},     // 25
};

// Window cell (the number of its highlight frame) by reel 1..5 and row; reels 2 and 4 count upwards.
constexpr int16_t windowcell[reelcount + 1][3] = {
    {0, 0, 0}, {1, 2, 3}, {6, 5, 4}, {7, 8, 9}, {12, 11, 10}, {13, 14, 15}};

constexpr int16_t reelweight[reelcount + 1] = {0, 8, 7, 6, 10, 20};

// The cell of line L on reel r.
constexpr int16_t linecell(int line, int reel) { return windowcell[reel][lineshape[line][reel - 1]]; }

// Reel of a window cell 1..15.
constexpr int cellreel(int cell) { return (cell - 1) / 3 + 1; }

// Line pays in coins per coin bet, by symbol index and run length 2..5 (0 = no pay).
constexpr int16_t linepay[linesymbolcount][6] = {
    {0, 0, 0, 5, 20, 100},     // J
    {0, 0, 0, 15, 50, 175},    // K
    {0, 0, 2, 10, 20, 100},    // badge
    {0, 0, 0, 100, 250, 800},  // memorial
    {0, 0, 0, 20, 40, 125},    // uncle
    {0, 0, 0, 10, 20, 100},    // Q
    {0, 0, 0, 50, 75, 150},    // sign
    {0, 0, 0, 300, 600, 1500}, // money
    {0, 0, 0, 20, 50, 150},    // president
    {0, 0, 0, 100, 250, 800},  // statue
};

// The order in which the evaluation looks at the symbols of a line.
constexpr Symbol evaluationorder[linesymbolcount] = {
    Symbol::uncle, Symbol::money, Symbol::statue, Symbol::president, Symbol::memorial,
    Symbol::badge, Symbol::K, Symbol::Q, Symbol::sign, Symbol::J};

// Scatter pay in multiples of the total stake, by scatter count 0..5.
constexpr int16_t scatterpay[6] = {0, 0, 1, 5, 10, 20};

// Free spins added by a scatter count 0..5 (the triggering spin counts as one of them).
constexpr int16_t awardedspins[6] = {0, 0, 0, 11, 21, 31};

// Run length named by a tally (sum of the weights of the matching reels); 0 = no pay.
constexpr int runlength(int tally, bool isbadge) {
    switch (tally) {
    case 21: case 41: return 3;
    case 31: return 4;
    case 51: return 5;
    case 15: case 25: case 35: case 45: return isbadge ? 2 : 0;
    default: return 0;
    }
}

// Win sound clip by the win in coins (0 when no clip applies).
constexpr int16_t winclip(int32_t win) {
    if (win < 1) return 0;
    if (win <= 5) return 101;
    if (win <= 10) return 102;
    if (win <= 21) return 103;
    if (win <= 30) return 104;
    if (win <= 40) return 103;
    if (win <= 50) return 106;
    if (win <= 100) return 107;
    if (win <= 120) return 108;
    if (win <= 150) return 109;
    if (win <= 200) return 110;
    if (win <= 300) return 111;
    if (win <= 450) return 112;
    if (win <= 600) return 113;
    if (win <= 750) return 114;
    return 115;
}

// Bet per line of the play buttons 1..6, and lines of the line buttons 1..5.
constexpr int16_t playbet[7] = {0, 1, 2, 3, 5, 10, 20};
constexpr int16_t paylinelines[6] = {0, 1, 5, 10, 15, 25};

// The play button 1..6 of a bet per line; 0 when the bet has no button.
constexpr int playbuttonfor(int bet) {
    for (int i = 1; i <= 6; ++i)
        if (playbet[i] == bet) return i;
    return 0;
}

}  // namespace zel
