// The settling of one spin: pays, stake and statistics, the pay setting, the landing,
// free spins, and the start of the presentation and the win meter.
#include <array>
#include <cmath>

#include "core/machine/zel.h"

namespace zel {

namespace {
// runlength as a table: the evaluation reads a line's tallies without a jump per symbol.
constexpr int runtablesize = 64;
constexpr auto runtable = [] {
    std::array<std::array<int8_t, runtablesize>, 2> t{};
    for (int badge = 0; badge <= 1; ++badge)
        for (int tally = 0; tally < runtablesize; ++tally) t[badge][tally] = int8_t(runlength(tally, badge == 1));
    return t;
}();
int runof(int tally, bool isbadge) {
    return tally >= 0 && tally < runtablesize ? runtable[isbadge][tally] : runlength(tally, isbadge);
}
}  // namespace

void Zel::paylines() {
    currentwin = 0;
    atrisk = 0;
    for (int L = 1; L <= numlines; ++L) winlines[L] = 0;

    const int16_t bet = stake();
    addChecked(currentwin, int64_t(scatterpay[scattercount < 0 || scattercount > 5 ? 0 : scattercount]) * bet);

    for (loopindex = 1; loopindex <= linesplayed && loopindex <= numlines; ++loopindex) {
        const int L = loopindex;
        for (const Symbol sym : evaluationorder) {
            const int s = static_cast<int>(sym);
            const int run = runof(linetally[s][L], sym == Symbol::badge);
            if (run == 0) continue;
            addChecked(currentwin, int64_t(betperline) * linepay[s][run]);
            winlines[L] = int16_t(L);
            linecount[L] = int16_t(run);
        }
    }
}

void Zel::evaluatespin() {
    Player& p = player;
    if (p.reelspeed == 0) p.reelspeed = 1;
    if (freespins < 1) {
        freespintotal = 0;
        freespinmultiplier = 1;
    }
    paylines();
    const int16_t bet = stake();

    if (currentwin > 0) rollstep = 1;

    if (freespinsplayed > 0) {
        freespinbusiness();
        mulChecked(currentwin, freespinmultiplier);
    }

    // Stake and statistics; a step that would overflow is skipped, and only booked steps are undone.
    const bool bookedtotal = addChecked(p.total, currentwin);
    const bool bookedwager = addChecked(p.wager, bet);
    const bool bookedgame = addChecked(p.games, 1);
    const bool bookedbank = subChecked(p.bank, bet);
    spinning = true;

    platform.randomize();
    machinepaydraw = int16_t(std::floor(platform.rnd() * p.machinepay) + 1);
    const bool stands = machinepaydraw == 1 || heldreel2 > 0 || heldreel3 > 0 || heldreel4 > 0 ||
                        int64_t(currentwin) <= 2 * int64_t(bet);
    if (!stands) {
        if (bookedwager) subChecked(p.wager, bet);
        if (bookedtotal) subChecked(p.total, currentwin);
        if (bookedbank) addChecked(p.bank, bet);
        if (bookedgame) subChecked(p.games, 1);
        spinning = false;
        currentwin = 0;
        scattercount = 0;
        freespinmultiplier = 1;
        holdreel2 = holdreel3 = holdreel4 = 0;
        for (int L = 1; L <= numlines; ++L) linecount[L] = 0;
        stopreel1();
        return;
    }

    if (freespins < 1) showcredit();
    journal.spinstands(*this);

    platform.doevents();
    landreels();
    heldreel2 = heldreel3 = heldreel4 = 0;

    if (scattercount > 1) form.Timerscatters.enabled = true;

    if (scattercount >= 3) {
        freespinaward();
        for (loopindex = 1; loopindex <= numlines; ++loopindex) {
            const int L = loopindex;
            if (wildtag[L] > 0 && freespinsplayed == 0) form.Timer4.enabled = true;
            if (wildtag[L] > 0 && freespinsplayed > 0) form.timerwild.enabled = true;
            if (linecount[L] >= 2) form.Timer1.enabled = true;
        }
    } else {
        if (currentwin >= 1) {
            for (loopindex = 1; loopindex <= linesplayed && loopindex <= numlines; ++loopindex) {
                const int L = loopindex;
                if (wildtag[L] > 0 && freespinsplayed == 0) form.Timer4.enabled = true;
                if (wildtag[L] > 0) form.timerwild.enabled = true;
                if (linecount[L] >= 2) form.Timer1.enabled = true;
            }
        }
        if (freespins <= 1) {
            const int clip = winclip(currentwin);
            if (clip != 0) playclip(clip);
            else rollstep = 0;
        }
        platform.doevents();
    }

    if (freespinsplayed < freespins) {
        freespinbooking();
        return;
    }

    // The credit and the total won take the win together or not at all: a win the credit cannot
    // hold at its limit is neither counted nor offered to the gamble.
    if (addChecked(p.bank, currentwin) != bookedtotal) {
        if (bookedtotal) subChecked(p.total, currentwin);
        else subChecked(p.bank, currentwin);
        currentwin = 0;
    }
    // The game has settled: the record first, then the history (which may lack this game after a
    // kill between the two, never hold a game the record does not).
    spinning = false;
    commit();
    journal.settled(currentwin);
    if (currentwin < 1) {
        form.LABWIN.caption = QStringLiteral("No Win");
        form.lblwin.caption = QString();
    } else {
        form.Timerwincounter.enabled = true;
    }
    if (currentwin > 0 && freespins < 1) form.doublebutton.enabled = true;
}

}  // namespace zel
