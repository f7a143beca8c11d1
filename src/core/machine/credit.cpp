// The player's controls beside the spin: coins, quick credit, the number of lines, the space bar.
#include "core/machine/zel.h"

namespace zel {

namespace {
constexpr int32_t coinvalue = 20;
constexpr int32_t quickcredit = 5000;
constexpr int32_t quickcreditlimit = 50000;

// Credit and money put in move together, so the statistics stay consistent:
// when either would leave its range, neither changes.
bool insert(Player& p, int32_t coins) {
    int32_t bank = p.bank, invested = p.amountinvested;
    if (!addChecked(bank, coins) || !addChecked(invested, coins)) return false;
    p.bank = bank;
    p.amountinvested = invested;
    return true;
}
}  // namespace

void Zel::COINSIN_Click() {
    form.pannomoney.visible = false;
    if (insert(player, coinvalue)) commit();
    showcredit();
    form.focus = QStringLiteral("zel");
    form.keypreview = true;
}

void Zel::mnuquickcredit_Click() {
    if (freespins > 0) return;
    playclip(124);
    int64_t after = int64_t(player.bank) + quickcredit;
    if (after > quickcreditlimit) {
        platform.msgbox(QStringLiteral("Sorry... You've reached the limit, \nPlease lose some more first\n(Shouldn't take long !!!)"),
                        QStringLiteral("Slots_ZEL"), MsgIcon::information, MsgButtons::ok);
        return;
    }
    form.pannomoney.visible = false;
    if (insert(player, quickcredit)) commit();
    showcredit();
    // The space bar stays off while a card is on the table.
    if (!form.pandouble.visible) form.keypreview = true;
}

void Zel::payline_Click(int Index) {
    if (Index >= 1 && Index <= 5) linesplayed = paylinelines[Index];
    showlines();
    hideflashers();
    // The line on show goes dark with its frames; lines still played and won are shown again
    // from the next tick.
    clearwinningline();
}

void Zel::Form_KeyPress(int key) {
    if (freespins > 0) return;
    if (stake() > player.bank) {
        playclip(125);
        form.pannomoney.visible = true;
        form.focus = QStringLiteral("zel");
        return;
    }
    addChecked(spacecount, 1);
    if (spacecount > 1) return;
    if (key == 32) {
        const int button = playbuttonfor(betperline);
        if (button != 0) {
            pressplay(button);
            spacecount = 0;
        }
        return;
    }
    spacecount = 0;
}

}  // namespace zel
