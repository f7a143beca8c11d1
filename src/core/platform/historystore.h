#pragma once
// The game history as the rules see it: the settled games of each player slot, kept for good.
// Writes return at once and reach the disk in the order they were made, after the records
// committed before them; reads see everything written before.
#include <vector>

#include <QString>

#include "core/history/gamerecord.h"

namespace zel {

class HistoryStore {
public:
    virtual ~HistoryStore() = default;

    // The newest `count` games of slot 1..6, oldest first.
    virtual std::vector<GameRecord> newest(int slot, int count) = 0;
    // A settled game goes in.
    virtual void append(int slot, const GameRecord& game) = 0;
    // The slot's newest game changed after it settled (its win was gambled).
    virtual void amendnewest(int slot, const GameRecord& game) = 0;
    // Every game of the slot goes (the player's details were deleted).
    virtual void clear(int slot) = 0;
    // Where the games are kept, as the player may look for it.
    virtual QString databasefile() const = 0;
};

}  // namespace zel
