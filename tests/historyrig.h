#pragma once
// A machine whose games go into a history folder of its own, and the scripted game the history
// tests share: a spin with three mountains, its ten free spins played out and collected, and the
// total gambled three cards deep (two wins on red, then a loss).
#include <vector>

#include "core/history/historybook.h"
#include "core/history/journal.h"
#include "gamblerig.h"

namespace zeltest {

// A rig whose games go into a history folder beside its store.
struct HistoryRig : zel::Rig {
    HistoryRig() { platform.keephistory(); }
};

// Stops (reels 1..5) that show a mountain on reels 1, 2 and 3 and pay nothing else: 5 x stake.
constexpr int threescatters[5] = {11, 8, 13, 15, 15};

// What the machine showed as it went, for comparing with what the history kept.
struct Seen {
    zel::SpinRecord paidspin;
    std::vector<zel::SpinRecord> freespins;   // stops, multiplier and win of each, as the machine had them
    int32_t featuretotal = 0;
    int32_t collected = 0;
    int32_t creditafterfeature = 0;
    int32_t creditaftergamble = 0;
};

// Plays the scripted game on a rig at 1 coin on 25 lines.
inline Seen playscriptedgame(HistoryRig& rig) {
    Seen seen;
    zel::Zel& z = rig.zel;
    z.linesplayed = 25;
    for (int s : threescatters) rig.platform.scriptstop(s);
    rig.platform.scriptdraw(1, 6);
    z.play_Click(1);
    for (int r = 1; r <= 5; ++r) seen.paidspin.stops[size_t(r - 1)] = z.reelstop[r];
    seen.paidspin.scatters = z.scattercount;
    seen.paidspin.win = z.currentwin;

    // The feature plays itself: the meter rolls up, the respin timer presses play.
    for (int step = 0; step < 100000 && !z.form.takewin.visible; ++step) {
        if (z.form.Timerwincounter.enabled) {
            z.Timerwincounter_Timer();
        } else if (z.form.Timerrespin.enabled) {
            z.Timerrespin_Timer();
            zel::SpinRecord spin;
            for (int r = 1; r <= 5; ++r) spin.stops[size_t(r - 1)] = z.reelstop[r];
            spin.multiplier = z.freespinmultiplier;
            spin.win = z.currentwin;
            seen.freespins.push_back(spin);
        } else {
            break;
        }
    }
    seen.featuretotal = z.freespintotal;
    rig.platform.clockms += 60000;
    z.takewin_Click();
    seen.collected = z.takenwin;
    seen.creditafterfeature = rig.player.bank;

    z.doublebutton_Click();
    rig.scriptcard(1);  // hearts on red: won
    z.betred_Click();
    rig.scriptcard(3);  // diamonds on red: won
    z.betred_Click();
    rig.scriptcard(2);  // clubs on red: lost
    z.betred_Click();
    seen.creditaftergamble = rig.player.bank;
    return seen;
}

}  // namespace zeltest
