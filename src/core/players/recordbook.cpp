#include "core/players/recordbook.h"

#include <QtGlobal>

namespace zel {

QString unsavedmessage(const QString& location) {
    return QStringLiteral("Your player records cannot be saved to\n%1\n\n"
                          "The game plays on and keeps them while it runs, but what you play from now on "
                          "will be lost when you leave unless that file can be written.")
        .arg(location);
}

bool RecordBook::save(const Player& player) {
    const int slot = slotnumber(player.playerslot);
    if (slot == 0) return false;
    if (!saveplayer(player, platform)) {
        kept[slot] = player;
        tell();
        return false;
    }
    kept[slot].reset();
    // The store takes records again: the ones it refused before go in too.
    for (int n = 1; n <= slotcount; ++n)
        if (kept[n] && saveplayer(*kept[n], platform)) kept[n].reset();
    return true;
}

bool RecordBook::load(Player& player, int n, const std::function<void()>& onfailure) {
    if (n < 1 || n > slotcount || !kept[n]) return loadplayer(player, platform, n, onfailure);
    const Player& k = *kept[n];
    player.machinepay = k.machinepay;
    player.winroll = k.winroll;
    player.reelspeed = k.reelspeed;
    player.amountinvested = k.amountinvested;
    player.wager = k.wager;
    player.total = k.total;
    player.bank = k.bank;
    player.games = k.games;
    player.currentplayer = k.currentplayer;
    return true;
}

QString RecordBook::name(int n) {
    if (n >= 1 && n <= slotcount && kept[n]) return kept[n]->currentplayer;
    return slotname(platform, n);
}

bool RecordBook::unsaved() const {
    for (const auto& k : kept)
        if (k) return true;
    return false;
}

void RecordBook::tell() {
    if (told) return;
    told = true;
    const QString text = unsavedmessage(platform.storelocation());
    if (unattended) qWarning("zelslots: %s", qPrintable(QString(text).replace(QLatin1Char('\n'), QLatin1Char(' '))));
    else platform.msgbox(text, QStringLiteral("Slots_ZEL"), MsgIcon::information, MsgButtons::ok);
}

}  // namespace zel
