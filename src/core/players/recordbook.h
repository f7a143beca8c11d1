#pragma once
// The player records as the game keeps them: written to the settings store at the fixed moments
// and read back from it. When the store cannot take a record, the record stays the live one: it is
// kept here for the rest of the run, so choosing its slot again finds it as it was, and it is
// written as soon as the store takes records again. The player is told once per run, in plain
// words, that records cannot be saved and where.
#include <functional>
#include <optional>

#include <QString>

#include "core/platform/platform.h"
#include "core/players/player.h"
#include "core/players/playerstore.h"

namespace zel {

class RecordBook {
public:
    explicit RecordBook(Platform& platform) : platform(platform) {}

    // Stores the current record in the slot of playerslot; false when the store could not take it.
    bool save(const Player& player);
    // Loads slot n into the record as loadplayer does, or the record kept from a failed save.
    bool load(Player& player, int n, const std::function<void()>& onfailure = {});
    // The name in slot n (empty = vacant), as kept.
    QString name(int n);
    // Whether any record is waiting for the store.
    bool unsaved() const;

    // Set when the desktop ends the game (a logout, a kill): nothing may wait for the player, so
    // the news of a failed save goes to the log instead of a message box.
    bool unattended = false;

private:
    void tell();

    Platform& platform;
    std::optional<Player> kept[slotcount + 1];
    bool told = false;
};

// The message that tells the player records cannot be saved at `location`.
QString unsavedmessage(const QString& location);

}  // namespace zel
