// The landing of the reels: the strips scroll down and stop reel by reel, with their sounds.
#include "core/machine/zel.h"

namespace zel {

namespace {
int framestep(int reelspeed) {
    switch (reelspeed) {
    case 2: return 800;
    case 4: return 600;
    case 8: return 400;
    case 10: return 200;
    default: return 1000;  // 1, and any speed the options never offer
    }
}
constexpr int phasedelay[6] = {0, 13, 15, 17, 18, 19};
constexpr int scatterclip[6] = {0, 119, 120, 121, 122, 123};
}  // namespace

void Zel::landreels() {
    // A speed the options never offer lands as the fastest one.
    const int rs = player.reelspeed;
    const int speed = (rs == 1 || rs == 2 || rs == 4 || rs == 8 || rs == 10) ? rs : 1;
    const int step = framestep(speed);
    // Nothing runs between the frames but the waits, so the holds and resting places are read
    // once; kept in locals, they stay in registers across the platform calls.
    const bool held[reelcount + 1] = {false, false, heldreel2 > 0, heldreel3 > 0, heldreel4 > 0, false};
    int32_t rest[reelcount + 1];
    for (int r = 1; r <= reelcount; ++r) rest[r] = reeltop[r];
    auto& reel = form.reel;
    int32_t P = 0;
    int32_t d = 0;

    const auto phasesounds = [&](int k) {
        P = rest[k] + 600;
        d = 0;
        if (freespins < 1 && !held[k]) playclip(116);
        if (scattercell[k] > 0 && freespins < 1 && (k < 4 || scattercount >= 2)) playclip(scatterclip[k]);
    };

    // Reel 1 lands while all the others roll; a held reel stays and its hold request ends here.
    for (int32_t y = -32400; y <= rest[1]; y += step) {
        reel[1].top = y + 600;
        if (held[2]) holdreel2 = 0; else reel[2].top = y;
        if (held[3]) holdreel3 = 0; else reel[3].top = y;
        if (held[4]) holdreel4 = 0; else reel[4].top = y;
        reel[5].top = y;
        platform.wait(phasedelay[1] + speed);
    }
    phasesounds(1);

    // Reels 2..5 land in turn, each in two passes; the reel before creeps into its resting place.
    for (int k = 2; k <= reelcount; ++k) {
        const int delay = phasedelay[k] + speed;
        for (int pass = 0; pass < 2; ++pass) {
            for (int32_t y = rest[k] - 4050; y <= rest[k]; y += step) {
                if (d < 600) {
                    d += 60;
                    if (!held[k - 1]) reel[k - 1].top = P - d;
                }
                if (!held[k]) reel[k].top = y + 600;
                for (int j = k + 1; j <= reelcount; ++j)
                    if (!held[j]) reel[j].top = y;
                platform.wait(delay);
            }
        }
        phasesounds(k);
    }

    for (int32_t settle = 0; settle <= 600; settle += 50) {
        reel[5].top = P - settle;
        platform.wait(speed + 9);
    }
}

}  // namespace zel
