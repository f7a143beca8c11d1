#pragma once
// The winning lines as the machine draws them: the five cells of each line, its colour and the
// six short segments (Lineflash 1..6) between and beside the reel windows, in main-window twips.
// Each segment fills one place from edge to edge: the left stub from the left tags to reel 1, a
// gap between two reel windows, or the right stub from reel 5 to the right tags. The window paints
// the segments only outside the reel windows, so no part of a line ever lies over a symbol.
#include <array>
#include <cstdint>

#include "core/machine/formmodel.h"
#include "core/machine/paytables.h"

namespace zel {

struct Segment {
    int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

struct LineLook {
    int16_t cells[reelcount] = {};  // window cell on reels 1..5
    uint32_t colour = 0;            // 0xRRGGBB
    Segment segments[6] = {};       // Lineflash(1) .. Lineflash(6)
};

namespace linegeometry {
// The y of the top, middle and bottom rows.
constexpr int32_t rowy[3] = {1710, 3090, 4440};
// The places a segment fills: the left stub, the four gaps between the reel windows, the right stub.
struct Span {
    int32_t left, right;
};
constexpr int32_t reelright(int r) { return windowplaces::reelleft[r] + windowplaces::reelwidth; }
constexpr Span leftstub{windowplaces::lefttagleft + windowplaces::tagwidth, windowplaces::reelleft[1]};
constexpr Span gap[reelcount - 1] = {{reelright(1), windowplaces::reelleft[2]},
                                     {reelright(2), windowplaces::reelleft[3]},
                                     {reelright(3), windowplaces::reelleft[4]},
                                     {reelright(4), windowplaces::reelleft[5]}};
constexpr Span rightstub{reelright(5), windowplaces::righttagleft};
constexpr Span places[6] = {leftstub, gap[0], gap[1], gap[2], gap[3], rightstub};

// Where a segment in a gap leaves (or meets) a cell in row `from` on its way to row `to`:
// a step of one row starts inside the cell's band, a step over two rows runs nearly the whole height.
constexpr int32_t endy(Row from, Row to) {
    if (from == to) return rowy[from];
    if (from == top) return to == middle ? 2310 : 1800;
    if (from == bottom) return to == middle ? 3870 : 4400;
    return to == top ? 2550 : 3660;
}

// The segment with its ends moved, along its own rows, onto the edges of the place it lies in
// (the place nearest its middle); x1 stays the end it was.
constexpr Segment onplace(const Segment& s) {
    const int32_t mid = (s.x1 + s.x2) / 2;
    Span at = places[0];
    const auto distance = [mid](const Span& p) { const int32_t d = mid - (p.left + p.right) / 2; return d < 0 ? -d : d; };
    for (const Span& p : places)
        if (distance(p) < distance(at)) at = p;
    return s.x1 <= s.x2 ? Segment{at.left, s.y1, at.right, s.y2} : Segment{at.right, s.y1, at.left, s.y2};
}
}  // namespace linegeometry

namespace linedata {
constexpr uint32_t rgb(int r, int g, int b) { return uint32_t(r) << 16 | uint32_t(g) << 8 | uint32_t(b); }

// Colour of each line 1..25. Lines 21..25 have bright colours of their own, the same as their tags.
constexpr uint32_t colour[numlines + 1] = {
    0,
    rgb(0, 255, 255),   rgb(0, 255, 0),     rgb(255, 192, 192), rgb(192, 0, 192),   rgb(0, 0, 255),
    rgb(192, 64, 0),    rgb(255, 0, 0),     rgb(192, 192, 255), rgb(0, 0, 192),     rgb(255, 224, 192),
    rgb(255, 0, 255),   rgb(0, 128, 128),   rgb(192, 192, 0),   rgb(255, 192, 255), rgb(128, 64, 64),
    rgb(128, 0, 0),     rgb(0, 192, 192),   rgb(255, 128, 0),   rgb(255, 255, 0),   rgb(192, 0, 192),
    rgb(160, 255, 0),   rgb(0, 160, 255),   rgb(255, 0, 128),   rgb(160, 128, 255), rgb(64, 224, 160)};

// The segments of lines 1..20 as the game lists them: their rows and places. The game's x values
// belong to its own reel windows; the table's ends are set on the reel edges of this window.
constexpr int drawnlines = 20;
constexpr Segment drawn[drawnlines + 1][6] = {
    {},
    {{840, 3090, 600, 3090}, {2280, 3090, 2490, 3090}, {3840, 3090, 4110, 3090}, {5520, 3090, 5700, 3090}, {7080, 3090, 7850, 3090}, {8760, 3090, 9120, 3090}},
    {{2190, 1710, 2400, 1710}, {3870, 1710, 4080, 1710}, {5550, 1710, 5700, 1710}, {7170, 1710, 7350, 1710}, {570, 1710, 720, 1710}, {8820, 1710, 9030, 1710}},
    {{2190, 4440, 2400, 4440}, {3870, 4440, 4080, 4440}, {5550, 4440, 5700, 4440}, {7170, 4440, 7350, 4440}, {570, 4440, 720, 4440}, {8820, 4440, 9030, 4440}},
    {{2190, 2340, 2400, 2550}, {3870, 3660, 4080, 3870}, {5700, 3660, 5500, 3870}, {7350, 2310, 7140, 2550}, {570, 1710, 720, 1710}, {8820, 1710, 9030, 1710}},
    {{2190, 3870, 2400, 3660}, {3870, 2500, 4080, 2310}, {5700, 2550, 5500, 2310}, {7140, 3660, 7350, 3870}, {570, 4440, 720, 4440}, {8820, 4440, 9030, 4440}},
    {{2190, 1710, 2400, 1710}, {3870, 2310, 4080, 2550}, {5700, 2310, 5500, 2550}, {7170, 1710, 7350, 1710}, {570, 1710, 720, 1710}, {8820, 1710, 9030, 1710}},
    {{2190, 4440, 2400, 4440}, {4080, 3660, 3870, 3870}, {5500, 3660, 5700, 3870}, {7170, 4440, 7350, 4440}, {570, 4440, 720, 4440}, {8820, 4440, 9030, 4440}},
    {{2400, 2340, 2190, 2550}, {3870, 1710, 4080, 1710}, {5550, 1710, 5700, 1710}, {7140, 2310, 7350, 2550}, {570, 3090, 720, 3090}, {8820, 3090, 9030, 3090}},
    {{2400, 3870, 2190, 3660}, {3870, 4440, 4080, 4440}, {5550, 4440, 5700, 4440}, {7140, 3870, 7350, 3660}, {570, 3090, 720, 3090}, {8820, 3090, 9030, 3090}},
    {{2190, 3090, 2400, 3090}, {3870, 2550, 4080, 2310}, {5700, 2550, 5500, 2310}, {7140, 3090, 7350, 3090}, {570, 3090, 720, 3090}, {8820, 3090, 9030, 3090}},
    {{2190, 3090, 2400, 3090}, {3870, 3660, 4080, 3870}, {5700, 3660, 5500, 3870}, {7140, 3090, 7350, 3090}, {570, 3090, 720, 3090}, {8820, 3090, 9030, 3090}},
    // Line 12 ends on the top row of reel 5, so its right stub sits on the top row.
    {{2190, 2310, 2400, 2550}, {3870, 3090, 4080, 3090}, {5550, 3090, 5700, 3090}, {7350, 2310, 7140, 2550}, {570, 1710, 720, 1710}, {8820, 1710, 9030, 1710}},
    {{2190, 3870, 2400, 3660}, {3870, 3090, 4080, 3090}, {5550, 3090, 5700, 3090}, {7170, 3660, 7350, 3870}, {570, 4440, 720, 4440}, {8820, 4440, 9030, 4440}},
    {{2190, 2310, 2400, 2550}, {3870, 2550, 4080, 2310}, {5700, 2550, 5500, 2310}, {7350, 2310, 7140, 2550}, {570, 1710, 720, 1710}, {8820, 1710, 9030, 1710}},
    {{2400, 2340, 2190, 2550}, {3870, 2310, 4080, 2550}, {5700, 2310, 5500, 2550}, {570, 3090, 720, 3090}, {7140, 2310, 7350, 2550}, {8820, 3090, 9030, 3090}},
    {{2190, 3870, 2400, 3660}, {3870, 3660, 4080, 3870}, {5700, 3660, 5550, 3870}, {7140, 3660, 7350, 3870}, {570, 4440, 720, 4440}, {8820, 4440, 9030, 4440}},
    {{2400, 3870, 2190, 3660}, {4080, 3660, 3870, 3870}, {5500, 3660, 5700, 3870}, {7170, 3870, 7350, 3660}, {570, 3090, 720, 3090}, {8820, 3090, 9030, 3090}},
    {{2190, 1800, 2400, 4400}, {4080, 1800, 3870, 4400}, {5550, 1800, 5700, 4400}, {7170, 4400, 7350, 1800}, {570, 1710, 720, 1710}, {8820, 1710, 9030, 1710}},
    {{2400, 1800, 2190, 4400}, {3870, 1800, 4080, 4400}, {5700, 1800, 5550, 4400}, {7170, 1800, 7350, 4400}, {570, 4440, 720, 4440}, {8820, 4440, 9030, 4440}},
    {{2400, 2190, 2190, 2550}, {3870, 2190, 4080, 4040}, {5550, 4040, 5700, 2190}, {7170, 2190, 7350, 2550}, {570, 3090, 720, 3090}, {8820, 3090, 9030, 3090}},
};

// Segments drawn from a line's shape with the same geometry: four gaps, then the two end stubs.
constexpr std::array<Segment, 6> fromshape(int line) {
    using namespace linegeometry;
    std::array<Segment, 6> s{};
    for (int g = 0; g < reelcount - 1; ++g) {
        const Row a = lineshape[line][g], b = lineshape[line][g + 1];
        s[g] = {gap[g].left, endy(a, b), gap[g].right, endy(b, a)};
    }
    const Row first = lineshape[line][0], last = lineshape[line][reelcount - 1];
    s[4] = {leftstub.left, rowy[first], leftstub.right, rowy[first]};
    s[5] = {rightstub.left, rowy[last], rightstub.right, rowy[last]};
    return s;
}

constexpr std::array<LineLook, numlines + 1> build() {
    std::array<LineLook, numlines + 1> table{};
    for (int L = 1; L <= numlines; ++L) {
        LineLook& look = table[L];
        for (int r = 1; r <= reelcount; ++r) look.cells[r - 1] = linecell(L, r);
        look.colour = colour[L];
        const auto generated = fromshape(L);
        for (int i = 0; i < 6; ++i) look.segments[i] = linegeometry::onplace(L <= drawnlines ? drawn[L][i] : generated[i]);
    }
    return table;
}
}  // namespace linedata

// linetable[L] for L = 1..25; entry 0 is empty.
constexpr std::array<LineLook, numlines + 1> linetable = linedata::build();

}  // namespace zel
