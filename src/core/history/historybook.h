#pragma once
// The player's game history as the machine and the History window use it: every settled game
// goes to the platform's history store for good, and the newest of the current slot are kept at
// hand for the window (read once as the slot is chosen, then kept up to date game by game, so
// that play never waits for the history's file).
#include <vector>

#include <QString>

#include "core/history/gamerecord.h"
#include "core/platform/platform.h"

namespace zel {

// The game's folder in the user's data folder (on Linux ~/.local/share/zelslots), where the game
// keeps its history; the tools read it there too.
QString userdatafolder();
// The history file of slot 1..6 that earlier versions kept in a folder (read once into the database).
QString historyfile(const QString& folder, int slot);

class HistoryBook {
public:
    explicit HistoryBook(Platform& platform) : platform(platform) {}

    static constexpr int shown = 500;                // the newest games the window lists
    static constexpr qint64 largest = 8 << 20;       // bytes: a bigger history file is none of ours

    // Whether this platform keeps a history at all.
    bool enabled() { return platform.history() != nullptr; }

    // The newest games of slot 1..6, oldest first (read from the store the first time they are asked for).
    const std::vector<GameRecord>& games(int slot);
    // A settled game goes in.
    void add(int slot, const GameRecord& game);
    // The newest game changed after it settled (its win was gambled).
    void amendnewest(int slot, const GameRecord& game);
    // The slot's history goes (the player's details were deleted).
    void clear(int slot);

private:
    void load(int slot);

    Platform& platform;
    int loaded = 0;                 // the slot whose games `list` holds
    std::vector<GameRecord> list;
};

}  // namespace zel
