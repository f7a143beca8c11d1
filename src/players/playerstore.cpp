#include "players/playerstore.h"

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
    const QString section = playersection(slot);
    bool ok = true;
    const auto write = [&](const char* key, const QString& value) {
        ok &= platform.savesetting(section, QLatin1String(key), value);
    };
    write("machinepay", decimal(player.machinepay));
    write("winroll", decimal(player.winroll));
    write("reelspeed", decimal(player.reelspeed));
    write("amountinvested", decimal(player.amountinvested));
    write("wager", decimal(player.wager));
    write("total", decimal(player.total));
    write("bank", decimal(player.bank));
    write("games", decimal(player.games));
    write("currentplayer", player.currentplayer);
    return ok;
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
    return ok;
}

QString slotname(Platform& platform, int n) {
    if (n < 1 || n > slotcount) return QString();
    return platform.getsetting(playersection(n), QStringLiteral("currentplayer"));
}

}  // namespace zel
