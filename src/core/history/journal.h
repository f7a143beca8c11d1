#pragma once
// The journal of the player's games: the machine's handlers tell it what happens (a spin stands,
// a game settles, a card is drawn, a gamble ends) and it builds the record of the game in
// progress and hands settled games to the history files. On a platform that keeps no history
// (the tools, the benchmarks) it does nothing and costs next to nothing.
#include <optional>

#include "core/history/gamerecord.h"
#include "core/history/historybook.h"
#include "core/platform/platform.h"
#include "core/players/player.h"

namespace zel {

class Zel;

class Journal {
public:
    Journal(Platform& platform, Player& player) : book(platform), platform(platform), player(player) {}

    HistoryBook book;

    // The spin that stands (after the pay setting, before the reels land): a paid spin starts a
    // game, a feature spin joins the game in progress.
    void spinstands(const Zel& zel);
    // The game in progress has settled: an ordinary spin's win is in the credit, or a feature's
    // total has been collected (`featuretotal`, what went into the credit: `paid`).
    void settled(int32_t paid, int32_t featuretotal = 0);
    // The newest game's win goes on the card table, a card is drawn on a bet, the gamble ends.
    void gamblestarts(int32_t stake);
    void card(int card, GambleBet bet, bool won, int32_t atrisk);
    void gambleends(bool collected, int32_t amount);
    // The slot's history goes with the player's details.
    void clear();
    // The current player's history is read now (a damaged file is set aside as the player arrives,
    // not in the middle of a game).
    void open();

    // The game in progress (a feature's spins so far) and the newest settled game while its win may
    // still be gambled: what a play in progress stores.
    const std::optional<GameRecord>& gameinprogress() const { return inprogress; }
    const std::optional<GameRecord>& newestgame() const { return newest; }
    // A feature or a gamble found again as the slot is chosen: its game goes on from here.
    void resumefeature(const GameRecord& game);
    void resumegamble(const GameRecord& game);

    // The spin of the machine as it stands now.
    static SpinRecord spinof(const Zel& zel);

private:
    int slot() const;

    Platform& platform;
    Player& player;
    std::optional<GameRecord> inprogress;
    std::optional<GameRecord> newest;   // the last settled game, while its win may still be gambled
};

}  // namespace zel
