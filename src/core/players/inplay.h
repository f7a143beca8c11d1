#pragma once
// The play a player slot has in progress between two settled moments: a free-spin feature that is
// running or waits to be collected, or a gamble with an amount at risk. It is stored with the
// slot's record in one write (section "inplayN" beside "playerN"), so that a game that ends badly
// (a kill, a crash, a power cut) or is left in the middle of a feature finds it again: the
// feature plays on with its spins left, a gamble is collected.
#include <array>
#include <cstdint>
#include <optional>

#include <QString>

#include "core/history/gamerecord.h"
#include "core/platform/platform.h"

namespace zel {

class Zel;

struct InPlay {
    enum class Kind { feature, gamble };
    Kind kind = Kind::feature;

    // A feature: the spins awarded and booked, the total so far and the last spin's multiplier,
    // and the lines, bet, reel stops and wild holds it plays on with.
    int16_t freespins = 0;
    int16_t freespinsplayed = 0;
    int32_t freespintotal = 0;
    int16_t freespinmultiplier = 1;
    int16_t linesplayed = 25;
    int16_t betperline = 1;
    std::array<int16_t, 5> reelstops{1, 1, 1, 1, 1};
    std::array<int16_t, 3> holds{};  // reels 2, 3 and 4 keep their stop for the next spin

    // A gamble: the amount at risk, and what the gamble took from the credit when it began.
    int32_t atrisk = 0;
    int32_t gamblestake = 0;

    // The game as the history is to keep it: a feature's spins so far, or the gambled game with
    // its cards (none when this platform keeps no history).
    std::optional<GameRecord> game;

    bool completed() const { return kind == Kind::feature && freespinsplayed >= freespins; }
};

// The machine's play in progress now (between spins), if any.
std::optional<InPlay> inplayof(const Zel& zel);

// The store's form of a slot's play in progress: the whole section, empty when there is none.
Platform::Section inplaysectionof(const std::optional<InPlay>& play, int slot);

// Slot n's play in progress as stored; nullopt when there is none. A section that holds no play
// this game could have left is none either, and `fault` says what is wrong with it.
std::optional<InPlay> readinplay(Platform& platform, int slot, QString* fault);

}  // namespace zel
