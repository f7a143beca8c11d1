// A press of a play button: the stake check, the locked controls, and the reel chain.
#include "core/machine/zel.h"

namespace zel {

void Zel::play_Click(int Index) {
    if (freespins <= 0) {
        playclip(124);
        multiplierlimit = freewildframe = scatterframe = wildframe = scattertick = 0;
        multiplierframe = 0;
        takenwin = atrisk = freespintotal = rollcount = 0;
        if (Index >= 1 && Index <= 6) betperline = playbet[Index];
        if (stake() > player.bank) {
            playclip(125);
            form.pannomoney.visible = true;
            form.COINSIN.enabled = true;
            return;
        }
        form.pannomoney.visible = false;
    }

    setplaycontrols(false);
    stoppresentation();

    if (freespins < 1) {
        form.doublebutton.visible = true;
        form.LABWIN.caption = QStringLiteral("Good Luck");
        form.lblwin.caption = QStringLiteral(" ");
        setdecimal(form.lbllast.caption, stake());
        showcredit();
        form.Timerwincounter.enabled = false;
    }

    for (int r = 1; r <= reelcount; ++r) scattercell[r] = 0;
    for (int L = 1; L <= numlines; ++L) linecount[L] = 0;

    stopreel1();

    spacecount = 0;
    platform.doevents();
    restoreplaycontrols();
}

}  // namespace zel
