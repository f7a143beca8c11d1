// The scatter and wild animations: every scatter pulses through its frames in step, and in
// ordinary play the wilds on reels 2..4 cycle theirs (shown while the line presentation lights them).
#include "core/machine/zel.h"

namespace zel {

namespace {
constexpr int scatterframes = 20;  // ImageList1 1..20
constexpr int scattercycle = 39;   // ticks of one rise and fall
constexpr int wildframes = 7;      // ImageList2 1..7

bool onreel(int cell, int reel) { return cell >= 1 && cell <= 15 && cellreel(cell) == reel; }
}  // namespace

void Zel::Timerscatters_Timer() {
    if (scattertick >= scattercycle) scattertick = 0;
    if (scattertick >= scatterframes) subChecked(scatterframe, 1);
    else addChecked(scatterframe, 1);
    if (scatterframe > scatterframes) scatterframe = scatterframes;
    addChecked(scattertick, 1);

    for (int r = 1; r <= reelcount; ++r) {
        const int cell = scattercell[r];
        if (!onreel(cell, r)) continue;
        // A frame outside the picture list leaves the picture as it was; the cell still shows.
        if (scatterframe >= 1) form.flasher[cell].picture = {PicList::ImageList1, scatterframe, 0};
        form.flasher[cell].visible = true;
    }
}

void Zel::Timer4_Timer() {
    addChecked(wildframe, 1);
    if (wildframe > wildframes) wildframe = 1;
    for (int r = 2; r <= 4; ++r) {
        const int cell = wildcell[r];
        if (onreel(cell, r) && wildframe >= 1) form.flasher[cell].picture = {PicList::ImageList2, wildframe, 0};
    }
}

}  // namespace zel
