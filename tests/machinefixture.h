#pragma once
// A machine on the fake platform, with a player who has credit, and the scripting of spins.
#include <algorithm>
#include <initializer_list>
#include <vector>

#include "fakeplatform.h"
#include "core/machine/zel.h"
#include "core/players/player.h"

namespace zeltest {

struct Machine {
    zel::FakePlatform pf;
    zel::Player player;
    zel::Zel zel{player, pf};

    explicit Machine(int32_t bank = 1000000) {
        player.bank = bank;
        player.machinepay = 6;
        player.reelspeed = 1;
        player.playerslot = QStringLiteral("1");
    }

    // Scripts one spin: the stops of the reels that draw (held reels draw none), then the
    // pay-setting draw (1 lets any win stand).
    void script(std::initializer_list<int> stops, int paydraw = 1) {
        pf.scriptstops(stops);
        pf.scriptdraw(paydraw, player.machinepay);
    }

    // One press of play(Index) with the scripted stops; the script must be used up exactly.
    void spin(std::initializer_list<int> stops, int Index = 1, int paydraw = 1) {
        script(stops, paydraw);
        zel.play_Click(Index);
    }

    void lines(int count) {
        const int button[] = {0, 1, 0, 0, 0, 2, 0, 0, 0, 0, 3, 0, 0, 0, 0, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 5};
        zel.payline_Click(button[count]);
    }

    zel::ZelForm& form() { return zel.form; }

    int count(int clip) const {
        const auto numbers = pf.clipnumbers();
        return int(std::count(numbers.begin(), numbers.end(), clip));
    }
};

// Play button of a bet per line.
inline int buttonfor(int bet) {
    switch (bet) {
    case 1: return 1;
    case 2: return 2;
    case 3: return 3;
    case 5: return 4;
    case 10: return 5;
    case 20: return 6;
    default: return 0;
    }
}

}  // namespace zeltest
