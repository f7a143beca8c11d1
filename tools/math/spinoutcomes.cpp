#include "math/spinoutcomes.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "math/probeplatform.h"

namespace zel::math {

namespace {

// What the reel stops have written so far: restoring it undoes the reels applied after it.
struct Tallies {
    int16_t linetally[linesymbolcount][numlines + 1];
    int16_t wildtag[numlines + 1];
    int16_t scattercell[reelcount + 1];
    int16_t wildcell[reelcount + 1];
    int16_t scattercount;

    void take(const Zel& z) {
        std::memcpy(linetally, z.linetally, sizeof linetally);
        std::memcpy(wildtag, z.wildtag, sizeof wildtag);
        std::memcpy(scattercell, z.scattercell, sizeof scattercell);
        std::memcpy(wildcell, z.wildcell, sizeof wildcell);
        scattercount = z.scattercount;
    }
    void put(Zel& z) const {
        std::memcpy(z.linetally, linetally, sizeof linetally);
        std::memcpy(z.wildtag, wildtag, sizeof wildtag);
        std::memcpy(z.scattercell, scattercell, sizeof scattercell);
        std::memcpy(z.wildcell, wildcell, sizeof wildcell);
        z.scattercount = scattercount;
    }
};

// A hold state a combination can be reached from, and the hold state the spin leaves.
struct Passage {
    int from = 0;
    int to = 0;
};

// The hold states from which reels 2..4 show stops s[2..4], and where each leads when reel 1
// shows s[1]: a held reel keeps its request only where the landing leaves it; a drawn reel
// that shows a wild leaves a fresh request.
int passages(const HoldModel& m, const int* s, Passage* out) {
    int count = 0;
    const int held = lastholdreel - firstholdreel + 1;
    for (int mask = 0; mask < (1 << held); ++mask) {
        Passage p;
        bool possible = true;
        for (int i = 0; i < held; ++i) {
            const int r = firstholdreel + i;
            const int slot = m.holdslot[r][s[r]];
            if (mask & (1 << i)) {
                if (slot == 0) { possible = false; break; }
                p.from += slot * m.radix[r];
                if (m.keeps[1][r][s[1]]) p.to += slot * m.radix[r];
            } else if (slot > 0 && m.keeps[0][r][s[1]]) {
                p.to += slot * m.radix[r];
            }
        }
        if (possible) out[count++] = p;
    }
    return count;
}

}  // namespace

SpinOutcomes enumeratespins(const std::vector<int>& lines) {
    ProbePlatform platform;
    Player player;
    player.reelspeed = 1;
    Zel zel(player, platform);

    SpinOutcomes out;
    out.holds = learnholds(zel);
    out.multipliers = learnmultipliers(zel, platform);
    zel.betperline = 1;
    for (int n : lines) {
        LinesOutcomes l;
        l.lines = n;
        zel.linesplayed = int16_t(n);
        l.stake = zel.stake();
        if (n < 1 || n > numlines || l.stake < 1) throw std::invalid_argument("lines are 1 to 25");
        l.cells.assign(out.cellcount(), OutcomeCell{});
        out.bylines.push_back(std::move(l));
    }

    const HoldModel& holds = out.holds;
    const MultiplierLaw& law = out.multipliers;
    Tallies level[reelcount];
    int s[reelcount + 1] = {};
    Passage passage[8];
    for (auto& h : {&zel.holdreel2, &zel.holdreel3, &zel.holdreel4}) *h = 0;

    zel.clearspin();
    level[0].take(zel);
    for (s[1] = 1; s[1] <= stopcount; ++s[1]) {
        level[0].put(zel);
        zel.reelstop[1] = int16_t(s[1]);
        zel.applystop(1);
        level[1].take(zel);
        for (s[2] = 1; s[2] <= stopcount; ++s[2]) {
            level[1].put(zel);
            zel.reelstop[2] = int16_t(s[2]);
            zel.applystop(2);
            level[2].take(zel);
            for (s[3] = 1; s[3] <= stopcount; ++s[3]) {
                level[2].put(zel);
                zel.reelstop[3] = int16_t(s[3]);
                zel.applystop(3);
                level[3].take(zel);
                for (s[4] = 1; s[4] <= stopcount; ++s[4]) {
                    level[3].put(zel);
                    zel.reelstop[4] = int16_t(s[4]);
                    zel.applystop(4);
                    level[4].take(zel);
                    const int npassages = passages(holds, s, passage);
                    for (s[5] = 1; s[5] <= stopcount; ++s[5]) {
                        level[4].put(zel);
                        zel.reelstop[5] = int16_t(s[5]);
                        zel.applystop(5);
                        const int scatters = std::clamp<int>(zel.scattercount, 0, reelcount);
                        const bool trigger = awardedspins[scatters] > 0;
                        for (LinesOutcomes& l : out.bylines) {
                            zel.linesplayed = int16_t(l.lines);
                            std::memset(zel.linecount, 0, sizeof zel.linecount);  // as play_Click does
                            zel.paylines();
                            const int64_t win = zel.currentwin;
                            const bool wildpays = win > 0 && wildinpayingrun(zel, platform, law);
                            const int over = law.over(win, l.stake);
                            for (int i = 0; i < npassages; ++i) {
                                OutcomeCell& c = l.cells[out.cellindex(passage[i].from, passage[i].to, scatters, wildpays, over)];
                                ++c.spins;
                                c.hits += win > 0;
                                c.win += win;
                            }
                            ++l.combinations;
                            l.hits += win > 0;
                            l.triggers += trigger;
                            l.win += win;
                            l.winsquared += win * win;
                        }
                    }
                }
            }
        }
    }
    return out;
}

}  // namespace zel::math
