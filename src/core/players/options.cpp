// Opening the options window, choosing a slot, and the option groups.
#include "core/players/options.h"

#include "core/players/playerstore.h"
#include "core/players/returntable.h"
#include "core/players/statistics.h"

namespace zel {

namespace {
QString slotcaption(const QString& name) { return name.isEmpty() ? QStringLiteral("Vacant") : name.toUpper(); }
}  // namespace

int speedoption(int reelspeed) {
    for (int i = 0; i < 5; ++i)
        if (speedsetting[i] == reelspeed) return i;
    return -1;
}

int payoption(int machinepay) {
    for (int i = 0; i < 3; ++i)
        if (paysetting[i] == machinepay) return i;
    return -1;
}

Options::Options(Player& p, Platform& pf, Zel& z) : player(p), platform(pf), zel(z) {}

void Options::Form_Load() {
    form.visible = true;
    platform.playclip(124);
    zel.commit();
    refreshdeletecaption();
    for (int n = 1; n <= slotcount; ++n) form.machine[n].caption = slotcaption(slotname(platform, n));
    const int slot = slotnumber(player.playerslot);
    if (slot != 0) select(OptionGroup::machine, slot);
    showwincounter();
    showspeed();
    showpay();
    showstatistics(form, player, StatisticsMoment::opening);
}

void Options::machine_Click(int Index) {
    if (Index < 1 || Index > slotcount) return;
    player.playerslot = QString::number(Index);
    player.machinepay = player.winroll = player.reelspeed = 0;
    player.amountinvested = player.wager = player.total = player.bank = player.games = 0;
    player.currentplayer.clear();
    // A value that does not load leaves its 0, and the reels fall back to the fastest speed.
    zel.loadslot(Index, [this] { player.reelspeed = 1; });
    zel.journal.open();
    // The slot chosen is the current one from now on, in the store too (a play it had in progress
    // waits there until the window closes).
    zel.commit();
    form.focus = QStringLiteral("player1");

    const QString name = displayname(player);
    form.lblcurrentplayer.caption = QStringLiteral("Current Player   ") + name;
    showplayeronmachine();
    form.machine[Index].caption = slotcaption(player.currentplayer);
    refreshdeletecaption();
    showstatistics(form, player, StatisticsMoment::slotchoice);
    showwincounter();
    showspeed();
    // The pay option shown is always the one in force, for the player just loaded too.
    showpay();
}

void Options::select(OptionGroup group, int index) {
    OptionButton* button = form.option(group, index);
    if (!button || button->value) return;
    for (int i = firstoption(group); i <= lastoption(group); ++i) form.option(group, i)->value = false;
    button->value = true;
    runclick(group, index);
}

void Options::click(OptionGroup group, int index) {
    OptionButton* button = form.option(group, index);
    if (!button || form.unloaded) return;
    if (!button->value) {
        select(group, index);
    } else if (group != OptionGroup::machine) {
        runclick(group, index);
    }
}

void Options::runclick(OptionGroup group, int index) {
    switch (group) {
    case OptionGroup::machine: machine_Click(index); break;
    case OptionGroup::Amtpayout: Amtpayout_Click(index); break;
    case OptionGroup::setspeed: setspeed_Click(index); break;
    case OptionGroup::wincounter: wincounter_Click(index); break;
    case OptionGroup::screensize: index == 1 ? SSOption1_Click() : SSOption2_Click(); break;
    }
}

void Options::refreshdeletecaption() {
    form.Btndeletedetails.caption =
        QStringLiteral("Delete Currentplayer  ") + "(" + player.currentplayer + ")" + QStringLiteral(" Details");
}

void Options::showplayeronmachine() {
    zel.showcredit();
    zel.form.caption = QStringLiteral("Current Player       ") + displayname(player);
}

void Options::showwincounter() {
    const bool on = player.winroll == 1;
    const int index = on ? 1 : 2;
    form.wincounter[index].caption = on ? QStringLiteral("Wincounter ON ") : QStringLiteral("Wincounter OFF");
    if (!form.wincounter[index].value) {
        select(OptionGroup::wincounter, index);
        return;
    }
    // Already on: its handler does not run again, but the setting and the other caption still match.
    player.winroll = on ? 1 : 0;
    form.wincounter[3 - index].caption.clear();
}

void Options::showpay() {
    const int option = payoption(player.machinepay);
    if (option >= 0) select(OptionGroup::Amtpayout, option);
    form.lblpayreturn.caption = returntoplayercaption(player.machinepay, zel.linesplayed);
}

void Options::showspeed() {
    const int option = speedoption(player.reelspeed);
    if (option >= 0) select(OptionGroup::setspeed, option);
}

}  // namespace zel
