#pragma once
// The history files: the last 500 settled games of each player slot, each slot in a file of its
// own in the platform's data folder, replaced whole at every write (a crash or a kill loses at
// most the game in progress). A file that cannot be read as a history of this game is set aside
// under another name, never read over or thrown away, and the player is told once. A folder that
// cannot be written keeps the games of the run in memory and says so once.
#include <vector>

#include <QString>

#include "core/history/gamerecord.h"
#include "core/platform/platform.h"

namespace zel {

// The game's folder in the user's data folder (on Linux ~/.local/share/zelslots), where the game
// keeps its history; the tools read it there too.
QString userdatafolder();
// The history file of slot 1..6 in a folder.
QString historyfile(const QString& folder, int slot);

class HistoryBook {
public:
    explicit HistoryBook(Platform& platform) : platform(platform) {}

    static constexpr int kept = 500;                 // games per slot
    static constexpr qint64 largest = 8 << 20;       // bytes: a bigger file is no history of ours

    // Whether this platform keeps a history at all.
    bool enabled();
    // The file of a slot.
    QString filepath(int slot);

    // The games of slot 1..6, oldest first (its file is read the first time it is asked for).
    const std::vector<GameRecord>& games(int slot);
    // A settled game goes in; the oldest goes once there are more than `kept`.
    void add(int slot, const GameRecord& game);
    // The newest game changed after it settled (its win was gambled).
    void amendnewest(int slot, const GameRecord& game);
    // The slot's history goes (the player's details were deleted).
    void clear(int slot);

    // Set when the desktop ends the game: news goes to the log instead of a message box.
    bool unattended = false;

private:
    void load(int slot);
    void write(int slot);
    void setaside(int slot, const QString& why);
    void tell(const QString& text);

    Platform& platform;
    int loaded = 0;                 // the slot whose games `list` holds
    std::vector<GameRecord> list;
    std::vector<QByteArray> encoded;  // each game of `list` in the file's form
    bool keepoff = false;           // the loaded slot's unreadable file could not be set aside
    int on = -1;                    // whether the platform has a data folder (asked once)
    bool toldunwritable = false;
};

}  // namespace zel
