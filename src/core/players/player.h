#pragma once
// The current player's record, shared by the machine and the options window.
#include <cstdint>

#include <QString>

namespace zel {

struct Player {
    int32_t bank = 0;            // credit in coins
    int32_t amountinvested = 0;  // coins put into the machine
    int32_t wager = 0;           // total wagered
    int32_t total = 0;           // total won
    int32_t games = 0;           // games played
    int16_t machinepay = 0;      // pay setting 6, 5 or 4
    int16_t winroll = 0;         // win meter rolls up (1) or jumps (0)
    int16_t reelspeed = 0;       // 1, 2, 4, 8 or 10; 1 is fastest
    QString currentplayer;       // the name as typed; empty = vacant slot
    QString playerslot;          // "1".."6"
    int32_t screendpi = 0;       // logical pixels per inch seen at start-up
};

}  // namespace zel
