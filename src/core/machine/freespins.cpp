// The free-spin feature: the award, the booking after each feature spin, the multiplier,
// the automatic next spin and the wild with its multiplier badge.
#include <cmath>

#include "core/machine/zel.h"

namespace zel {

void Zel::freespinaward() {
    platform.doevents();
    const int count = scattercount < 0 || scattercount > 5 ? 0 : scattercount;
    addChecked(freespins, awardedspins[count]);
    showfeature();

    platform.doevents();
    playclip(118);
    platform.wait(3000);
    playclip(117, true);
}

void Zel::freespinbooking() {
    spinning = false;  // the feature's books take the spin from here, in this one step
    addChecked(freespinsplayed, 1);
    form.spinsleft.visible = true;
    form.spinsleft.caption = QStringLiteral("     Freespins Remaining  ") + decimal(int(freespins) - int(freespinsplayed));
    // A win the feature total cannot hold is not counted as won either.
    if (!addChecked(freespintotal, currentwin)) subChecked(player.total, currentwin);
    form.LABWIN.caption = decimal(freespintotal);
    form.lblwin.caption = moneyform(freespintotal);

    if (freespinsplayed == freespins) {
        // The last spin of the feature keeps its stake; the player collects the total.
        showfeaturecompleted();
        commit();
        return;
    }

    form.Timerwincounter.enabled = true;
    // Every feature spin but the last is free: its stake goes back, booked as if never played.
    const int16_t bet = stake();
    int32_t wager = player.wager, games = player.games, bank = player.bank;
    if (subChecked(wager, bet) && subChecked(games, 1) && addChecked(bank, bet)) {
        player.wager = wager;
        player.games = games;
        player.bank = bank;
    }
    // The spin is booked: a feature left now, however it is left, goes on from here.
    commit();
}

void Zel::showfeature() {
    form.LABLASTBET.visible = false;
    form.lbllast.visible = false;
    form.LABTHISWIN.visible = true;
    form.Lblcurrentwin.visible = true;
    form.keypreview = false;
    for (int i = 1; i <= 6; ++i) form.play[i].visible = false;
    for (int i = 1; i <= 5; ++i) form.payline[i].visible = false;
    form.COINSIN.visible = false;
    form.doublebutton.visible = false;
}

void Zel::showfeaturecompleted() {
    form.spinsleft.caption = QStringLiteral("Freespins Completed          ");
    form.takewin.enabled = true;
    form.takewin.visible = true;
    form.LABLASTBET.visible = true;
    form.lbllast.visible = true;
    form.LABTHISWIN.visible = false;
    form.Lblcurrentwin.visible = false;
}

void Zel::freespinbusiness() {
    platform.randomize();
    const int d = static_cast<int>(std::floor(platform.rnd() * 25)) + 1;
    if (d <= 1) {
        freespinmultiplier = 10;
        multiplierframe = 23;
    } else if (d <= 5) {
        freespinmultiplier = 5;
        multiplierframe = 31;
    } else if (d <= 14) {
        freespinmultiplier = 3;
        multiplierframe = 27;
    } else {
        freespinmultiplier = 2;
        multiplierframe = 23;
    }

    bool wildbonus = false;
    for (int L = 1; L <= linesplayed && L <= numlines; ++L) {
        int lastreel = 0;
        switch (linecount[L]) {
        case 2: lastreel = 2; break;
        case 3: lastreel = 3; break;
        case 4: case 5: lastreel = 4; break;
        default: break;
        }
        for (int r = 2; r <= lastreel; ++r)
            if (linecell(L, r) == wildcell[r]) wildbonus = true;
    }
    if (!wildbonus) freespinmultiplier = 1;
}

void Zel::Timerrespin_Timer() {
    platform.doevents();
    form.Lblcurrentwin.caption = QString();
    pressplay(playbuttonfor(betperline));
    // A total collected while the spin let events run has given the keyboard back already.
    if (freespins >= 1) form.keypreview = false;
}

void Zel::timerwild_Timer() {
    if (currentwin < 1) return;
    switch (freespinmultiplier) {
    case 2: multiplierlimit = 12; break;
    case 3: multiplierlimit = 16; break;
    case 5: multiplierlimit = 20; break;
    case 10: multiplierlimit = 24; break;
    default: return;
    }
    addChecked(multiplierframe, 1);
    if (multiplierframe > multiplierlimit) multiplierframe = int16_t(multiplierlimit - 3);
    addChecked(freewildframe, 1);
    if (freewildframe > 8) freewildframe = 1;
    if (multiplierframe < 1) multiplierframe = 3;
    for (int r = 2; r <= 4; ++r) {
        const int cell = wildcell[r];
        if (cell >= 1 && cell <= 15 && cellreel(cell) == r)
            form.flasher[cell].picture = {PicList::ImageList2, freewildframe, multiplierframe};
    }
}

}  // namespace zel
