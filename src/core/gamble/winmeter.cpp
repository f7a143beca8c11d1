// The win meter, which counts a win up on the display, and the collect button that ends
// a free-spin feature by paying its total into the credit.
#include "core/gamble/steptables.h"
#include "core/machine/zel.h"

namespace zel {

namespace {

// Adds the step to the amount shown. An amount that would pass the largest whole number
// has passed every win, so the meter stands at the win instead of sticking below it.
void advance(int32_t& rollcount, int16_t step, int32_t win) {
    if (!addChecked(rollcount, step)) rollcount = win;
}

// A meter still short of the win always moves, so a roll-up can never stall.
int16_t moving(int16_t step, int32_t rollcount, int32_t win) {
    return (step < 1 && rollcount < win) ? int16_t(1) : step;
}

void showwin(ZelForm& form, int64_t amount) {
    if (!fits<int32_t>(amount)) return;
    form.LABWIN.caption = decimal(amount);
    form.lblwin.caption = moneyform(amount);
}

}  // namespace

void Zel::Timerwincounter_Timer() {
    platform.doevents();
    // A spin or a gamble started while events ran has stopped the meter: this tick is void.
    if (!form.Timerwincounter.enabled) return;
    if (freespins < 1) {
        if (player.winroll == 0) rollcount = currentwin;
        advance(rollcount, moving(rollstep, rollcount, currentwin), currentwin);
        rollstep = nextmeterstep(rollcount, false);
        if (rollcount >= currentwin) {
            showwin(form, currentwin);
            showcredit();
            form.Timerwincounter.enabled = false;
            rollcount = 0;
            return;
        }
        showwin(form, rollcount);
        return;
    }

    // During free spins the feature total rolls up together with the spin's own win.
    advance(rollcount, moving(rollstep, rollcount, currentwin), currentwin);
    if (player.winroll == 0) rollcount = currentwin;
    rollstep = nextmeterstep(rollcount, true);
    if (rollcount >= currentwin) {
        showwin(form, freespintotal);
        form.Timerwincounter.enabled = false;
        form.Lblcurrentwin.caption = decimal(currentwin);
        rollcount = 0;
        rollstep = 0;
        form.takewin.enabled = false;
        platform.doevents();
        form.Timerrespin.enabled = true;  // the next free spin follows
        return;
    }
    showwin(form, int64_t(freespintotal) - currentwin + rollcount);
    form.Lblcurrentwin.caption = decimal(rollcount);
}

void Zel::takewin_Click() {
    if (freespins < 1) return;  // no feature, nothing to collect
    playclip(110);
    spacecount = 0;
    freespinsplayed = 0;
    freespins = 0;
    rollcount = 0;
    rollstep = 0;

    showwin(form, freespintotal);
    // Only what the credit could take can be gambled; a total it cannot hold is not
    // counted as won either, so the player's statistics stay true.
    if (addChecked(player.bank, freespintotal)) {
        takenwin = freespintotal;
    } else {
        subChecked(player.total, freespintotal);
        takenwin = 0;
    }
    showcredit();
    const int32_t collected = freespintotal;
    freespintotal = 0;
    commit();
    journal.settled(takenwin, collected);

    form.spinsleft.visible = false;
    for (int i = 1; i <= 6; ++i) {
        form.play[i].enabled = true;
        form.play[i].visible = true;
    }
    for (int i = 1; i <= 5; ++i) {
        form.payline[i].visible = true;
        form.payline[i].enabled = true;
    }
    form.COINSIN.visible = true;
    form.doublebutton.visible = true;
    form.doublebutton.enabled = takenwin > 0;  // the collected total may be gambled
    form.takewin.visible = false;
    form.keypreview = true;

    // The next spin repeats the feature's bet.
    const int button = playbuttonfor(betperline);
    form.focus = button != 0 ? QStringLiteral("play(%1)").arg(button) : QStringLiteral("zel");
}

}  // namespace zel
