#include "players/playerstore.h"

namespace zel {

QString playersection(int slot) { return QStringLiteral("player") + QString::number(slot); }

bool saveplayer(const Player& player, Platform& platform) {
    int slot = 0;
    for (int n = 1; n <= slotcount; ++n)
        if (player.playerslot == QString::number(n)) slot = n;
    if (slot == 0) return false;
    const QString section = playersection(slot);
    bool ok = true;
    ok &= platform.savesetting(section, QStringLiteral("machinepay"), decimal(player.machinepay));
    ok &= platform.savesetting(section, QStringLiteral("winroll"), decimal(player.winroll));
    ok &= platform.savesetting(section, QStringLiteral("reelspeed"), decimal(player.reelspeed));
    ok &= platform.savesetting(section, QStringLiteral("amountinvested"), decimal(player.amountinvested));
    ok &= platform.savesetting(section, QStringLiteral("wager"), decimal(player.wager));
    ok &= platform.savesetting(section, QStringLiteral("total"), decimal(player.total));
    ok &= platform.savesetting(section, QStringLiteral("bank"), decimal(player.bank));
    ok &= platform.savesetting(section, QStringLiteral("games"), decimal(player.games));
    ok &= platform.savesetting(section, QStringLiteral("currentplayer"), player.currentplayer);
    return ok;
}

bool loadplayer(Player& player, Platform& platform, int n) {
    if (n < 1 || n > slotcount) return false;
    const QString section = playersection(n);
    auto read = [&](const char* key) { return platform.getsetting(section, QLatin1String(key)); };
    bool ok = true;
    ok &= readnumber(read("machinepay"), player.machinepay);
    ok &= readnumber(read("winroll"), player.winroll);
    ok &= readnumber(read("reelspeed"), player.reelspeed);
    ok &= readnumber(read("amountinvested"), player.amountinvested);
    ok &= readnumber(read("wager"), player.wager);
    ok &= readnumber(read("total"), player.total);
    ok &= readnumber(read("bank"), player.bank);
    ok &= readnumber(read("games"), player.games);
    player.currentplayer = read("currentplayer");
    return ok;
}

QString slotname(Platform& platform, int n) {
    if (n < 1 || n > slotcount) return QString();
    return platform.getsetting(playersection(n), QStringLiteral("currentplayer"));
}

}  // namespace zel
