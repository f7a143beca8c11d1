#include "core/players/playerstore.h"

#include <iterator>

namespace zel {

int slotnumber(const QString& playerslot) {
    for (int n = 1; n <= slotcount; ++n)
        if (playerslot == QString::number(n)) return n;
    return 0;
}

Platform::Section recordsection(const Player& player, int n) {
    const QString values[] = {decimal(player.machinepay), decimal(player.winroll), decimal(player.reelspeed),
                              decimal(player.amountinvested), decimal(player.wager), decimal(player.total),
                              decimal(player.bank), decimal(player.games), player.currentplayer};
    Platform::Section section{playersection(n), {}, true};
    for (size_t i = 0; i < std::size(recordkeys); ++i) section.values.append({QLatin1String(recordkeys[i].key), values[i]});
    return section;
}

bool loadplayer(Player& player, Platform& platform, int n, const std::function<void()>& onfailure) {
    if (n < 1 || n > slotcount) {
        if (onfailure) onfailure();
        return false;
    }
    const QString section = playersection(n);
    bool ok = true;
    const auto read = [&](const char* key, auto& target) {
        if (readnumber(platform.getsetting(section, QLatin1String(key)), target)) return;
        ok = false;
        if (onfailure) onfailure();
    };
    read("machinepay", player.machinepay);
    read("winroll", player.winroll);
    read("reelspeed", player.reelspeed);
    read("amountinvested", player.amountinvested);
    read("wager", player.wager);
    read("total", player.total);
    read("bank", player.bank);
    read("games", player.games);
    player.currentplayer = platform.getsetting(section, QStringLiteral("currentplayer"));
    if (!offeredpay(player.machinepay)) player.machinepay = realisticpay;
    return ok;
}

QString slotname(Platform& platform, int n) {
    if (n < 1 || n > slotcount) return QString();
    return platform.getsetting(playersection(n), QStringLiteral("currentplayer"));
}

}  // namespace zel
