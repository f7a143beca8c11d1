// The menu commands of the machine's window and the exit sequence.
#include "core/machine/zel.h"
#include "core/shell/display.h"

namespace zel {

namespace {
// Opens a secondary window; with no window to open, the machine is given back to the player
// instead of staying disabled for good.
void opensecondary(Zel& zel, SecondaryWindow which) {
    if (zel.openwindow) zel.openwindow(which);
    else zel.form.enabled = true;
}

// What the player has won but not yet collected goes into the credit before the game ends: the
// amount at risk in a gamble is collected, and the total of a feature that has played all its spins
// is taken, as their buttons would. A feature with spins still to play is not cut short: it is in
// the store with the record, and plays on at the next start.
void settlepending(Zel& zel) {
    if (zel.form.pandouble.visible && zel.gamblestake > 0) {
        // While a card is being shown the bet buttons rest; the stake is still the player's to collect.
        zel.form.cancelbet.enabled = true;
        zel.cancelbet_Click();
    }
    if (zel.freespins >= 1 && zel.freespinsplayed >= zel.freespins) zel.takewin_Click();
}
}  // namespace

void Zel::mnuabout_Click() {
    if (freespins >= 1) return;
    playclip(124);
    form.enabled = false;
    opensecondary(*this, SecondaryWindow::about);
}

void Zel::mnuptble_Click() {
    if (freespins >= 1) return;
    playclip(124);
    form.pannomoney.visible = false;
    form.enabled = false;
    opensecondary(*this, SecondaryWindow::paytable);
}

void Zel::mnuplayer_Click() {
    if (freespins >= 1 || form.pandouble.visible) return;
    playclip(124);
    form.doublebutton.enabled = false;
    form.enabled = false;
    opensecondary(*this, SecondaryWindow::options);
}

void Zel::mnuhistory_Click() {
    // Like the options, the history waits for a feature or a gamble to end.
    if (freespins >= 1 || form.pandouble.visible) return;
    playclip(124);
    form.enabled = false;
    opensecondary(*this, SecondaryWindow::history);
}

void Zel::mnuhelp_Click() {
    // Reading the help changes nothing, so it opens in a feature or a gamble too, like the about box.
    playclip(124);
    form.enabled = false;
    opensecondary(*this, SecondaryWindow::help);
}

void Zel::mnuexit_Click() {
    playclip(124);
    settlepending(*this);
    commit();
    // Everything committed reaches the disk before the program ends.
    platform.flush();
    tellstorenews();
    restoreres(platform);
    platform.endprogram();
}

void Zel::Form_QueryUnload() { mnuexit_Click(); }

}  // namespace zel
