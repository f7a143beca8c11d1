#include "math/holdmodel.h"

#include <stdexcept>

namespace zel::math {

namespace {

int16_t& holdrequest(Zel& zel, int reel) {
    return reel == 2 ? zel.holdreel2 : reel == 3 ? zel.holdreel3 : zel.holdreel4;
}

int16_t& heldflag(Zel& zel, int reel) {
    return reel == 2 ? zel.heldreel2 : reel == 3 ? zel.heldreel3 : zel.heldreel4;
}

void clearholds(Zel& zel) {
    for (int r = firstholdreel; r <= lastholdreel; ++r) holdrequest(zel, r) = heldflag(zel, r) = 0;
}

constexpr int reelspeeds[] = {1, 2, 4, 8, 10};

// Lands the reels with reel 1 at stop s1 and a hold request on `reel`, held or fresh;
// reports whether the request is still there afterwards.
bool requestoutlives(Zel& zel, int reel, int s1, bool held, int speed) {
    clearholds(zel);
    zel.clearspin();
    zel.freespins = 0;
    zel.player.reelspeed = int16_t(speed);
    for (int r = 1; r <= reelcount; ++r) {
        zel.reelstop[r] = int16_t(r == 1 ? s1 : 1);
        zel.reeltop[r] = -1500 * zel.reelstop[r];  // where the reel chain puts a reel at rest
    }
    holdrequest(zel, reel) = 1;
    heldflag(zel, reel) = held ? 1 : 0;
    zel.landreels();
    const bool kept = holdrequest(zel, reel) > 0;
    clearholds(zel);
    return kept;
}

}  // namespace

int HoldModel::drawnreels(int state) const {
    int drawn = reelcount;
    for (int r = firstholdreel; r <= lastholdreel; ++r)
        if (slot(state, r) > 0) --drawn;
    return drawn;
}

HoldModel learnholds(Zel& zel) {
    HoldModel m;
    for (int r = firstholdreel; r <= lastholdreel; ++r) {
        for (int s = 1; s <= stopcount; ++s) {
            clearholds(zel);
            zel.clearspin();
            zel.reelstop[r] = int16_t(s);
            zel.applystop(r);
            if (holdrequest(zel, r) > 0) {
                m.holdstops[r].push_back(s);
                m.holdslot[r][s] = int(m.holdstops[r].size());
            }
        }
        m.radix[r] = m.statecount;
        m.statecount *= int(m.holdstops[r].size() + 1);
    }
    clearholds(zel);

    for (int held = 0; held <= 1; ++held)
        for (int r = firstholdreel; r <= lastholdreel; ++r)
            for (int s1 = 1; s1 <= stopcount; ++s1) {
                const bool kept = requestoutlives(zel, r, s1, held == 1, reelspeeds[0]);
                for (int speed : reelspeeds)
                    if (requestoutlives(zel, r, s1, held == 1, speed) != kept)
                        throw std::runtime_error("the wild hold after the landing depends on the reel speed");
                m.keeps[held][r][s1] = kept;
            }
    zel.clearspin();
    return m;
}

}  // namespace zel::math
