#include "math/spinreport.h"

#include <cstring>
#include <stdexcept>

#include "math/probeplatform.h"

namespace zel::math {

SpinReport evaluatestops(const std::array<int, reelcount>& stops, int lines, int bet) {
    for (int s : stops)
        if (s < 1 || s > stopcount) throw std::invalid_argument("stops are 1 to 22");
    if (lines < 1 || lines > numlines || bet < 1 || bet > 20) throw std::invalid_argument("no such game");
    ProbePlatform platform;
    Player player;
    Zel zel(player, platform);
    zel.linesplayed = int16_t(lines);
    zel.betperline = int16_t(bet);
    zel.holdreel2 = zel.holdreel3 = zel.holdreel4 = 0;
    zel.clearspin();
    for (int r = 1; r <= reelcount; ++r) {
        zel.reelstop[r] = int16_t(stops[size_t(r - 1)]);
        zel.applystop(r);
    }
    std::memset(zel.linecount, 0, sizeof zel.linecount);
    zel.paylines();

    SpinReport report;
    for (int r = 1; r <= reelcount; ++r)
        for (int row = 0; row < 3; ++row)
            report.window[size_t(r - 1)][size_t(row)] = reelstrip[r - 1][zel.reelstop[r] - 1 + row];
    report.scattercount = zel.scattercount;
    report.scatterpay = int32_t(scatterpay[zel.scattercount]) * zel.stake();
    report.currentwin = zel.currentwin;
    report.hold = {zel.holdreel2, zel.holdreel3, zel.holdreel4};

    // A run starts on reel 1, which carries no wild: the paying symbol is the one reel 1 shows.
    int64_t sum = report.scatterpay;
    for (int L = 1; L <= lines; ++L) {
        if (zel.winlines[L] != L || zel.linecount[L] < 2) continue;
        LinePay p;
        p.line = L;
        p.symbol = report.window[0][size_t(lineshape[L][0])];
        p.run = zel.linecount[L];
        if (static_cast<int>(p.symbol) >= linesymbolcount || p.run > reelcount)
            throw std::runtime_error("a line pays without a line symbol on reel 1");
        p.pay = int32_t(bet) * linepay[static_cast<int>(p.symbol)][p.run];
        sum += p.pay;
        report.lines.push_back(p);
    }
    if (sum != report.currentwin) throw std::runtime_error("the line pays do not add up to the spin's win");
    return report;
}

}  // namespace zel::math
