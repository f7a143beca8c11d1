#include "core/players/playerstore.h"

namespace zel {

QString playersection(int slot) { return QStringLiteral("player") + QString::number(slot); }

int slotnumber(const QString& playerslot) {
    for (int n = 1; n <= slotcount; ++n)
        if (playerslot == QString::number(n)) return n;
    return 0;
}

bool saveplayer(const Player& player, Platform& platform) {
    const int slot = slotnumber(player.playerslot);
    if (slot == 0) return false;
    return platform.saverecord(playersection(slot), {
        {QStringLiteral("machinepay"), decimal(player.machinepay)},
        {QStringLiteral("winroll"), decimal(player.winroll)},
        {QStringLiteral("reelspeed"), decimal(player.reelspeed)},
        {QStringLiteral("amountinvested"), decimal(player.amountinvested)},
        {QStringLiteral("wager"), decimal(player.wager)},
        {QStringLiteral("total"), decimal(player.total)},
        {QStringLiteral("bank"), decimal(player.bank)},
        {QStringLiteral("games"), decimal(player.games)},
        {QStringLiteral("currentplayer"), player.currentplayer},
    });
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
