#pragma once
// A machine on a fake platform, with the few set-ups the win meter, free-spin and gamble
// suites share.
#include <cstdint>

#include "fakeplatform.h"
#include "core/machine/zel.h"

namespace zel {

struct Rig {
    Player player;
    FakePlatform platform;
    Zel zel{player, platform};

    // A player who put 1000 coins in and has not played yet.
    explicit Rig(int32_t bank = 1000) {
        player.bank = bank;
        player.amountinvested = bank;
        player.machinepay = 6;
        player.winroll = 1;
        player.reelspeed = 1;
        player.playerslot = QStringLiteral("1");
    }

    // Winnings or losses as the statistics show them, and as the credit shows them.
    int64_t statswinnings() const { return int64_t(player.total) - player.wager; }
    int64_t creditwinnings() const { return int64_t(player.bank) - player.amountinvested; }

    // The machine just after an ordinary spin of `stake` coins that won `win`:
    // the win counted and in the credit, the meter started and the gamble offered.
    void afterwin(int32_t win, int16_t bet = 1, int16_t lines = 25) {
        zel.betperline = bet;
        zel.linesplayed = lines;
        const int32_t stake = bet * lines;
        player.wager += stake;
        player.games += 1;
        player.total += win;
        player.bank += win - stake;
        zel.currentwin = win;
        zel.rollstep = 1;
        zel.form.Timerwincounter.enabled = true;
        zel.form.doublebutton.enabled = true;
    }

    // Runs the win meter until it stops; returns the number of ticks (0 when it never stopped).
    int runmeter(int limit = 1000) {
        for (int tick = 1; tick <= limit; ++tick) {
            zel.Timerwincounter_Timer();
            if (!zel.form.Timerwincounter.enabled) return tick;
        }
        return 0;
    }

    // Scripts the next card of the gamble (1 hearts, 2 clubs, 3 diamonds, 4 spades).
    void scriptcard(int card) { platform.scriptdraw(card, 4); }
};

}  // namespace zel
