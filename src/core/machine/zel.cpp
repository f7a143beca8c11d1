#include "core/machine/zel.h"

namespace zel {

Zel::Zel(Player& p, Platform& pf) : player(p), platform(pf) {}

void Zel::showcredit() {
    setdecimal(form.PANELBANK.caption, player.bank);
    setmoneyform(form.Lblcredit.caption, player.bank);
}

void Zel::setplaycontrols(bool enabled) {
    for (int i = 1; i <= 6; ++i) form.play[i].enabled = enabled;
    for (int i = 1; i <= 5; ++i) form.payline[i].enabled = enabled;
    form.COINSIN.enabled = enabled;
}

void Zel::restoreplaycontrols() {
    // A gamble opened while the spin let events run keeps the spin controls locked until it ends.
    setplaycontrols(!form.pandouble.visible);
}

void Zel::hideflashers() {
    for (int i = 1; i <= 15; ++i) form.flasher[i].visible = false;
}

void Zel::showlines() {
    for (int L = 1; L <= numlines; ++L) form.lin[L].picture = {PicList::linepics, int16_t(L), 0};
    form.lin[26].picture = {PicList::linepics, 1, 0};
    for (int L = linesplayed + 1; L <= numlines; ++L) form.lin[L].picture = {PicList::linepics, int16_t(L + 25), 0};
}

void Zel::clearwinningline() {
    for (int L = 1; L <= numlines; ++L) form.lin[L].visible = true;
    for (int i = 1; i <= 6; ++i) form.Lineflash[i].visible = false;
}

void Zel::stoppresentation() {
    form.Timer1.enabled = false;
    form.Timerscatters.enabled = false;
    form.Timer4.enabled = false;
}

int16_t Zel::stake() const {
    int16_t s = 0;
    return product16(betperline, linesplayed, s) ? s : 0;
}

void Zel::pressplay(int Index) {
    if (Index >= 1 && Index <= 6) play_Click(Index);
}

}  // namespace zel
