#pragma once
// The six player records in the settings store: sections "player1".."player6", nine text values each.
#include <cmath>

#include <QString>

#include "machine/numeric.h"
#include "platform/platform.h"
#include "players/player.h"

namespace zel {

constexpr int slotcount = 6;

// Reads a stored number into target, rounded half to even to the target's width.
// Empty text, text that is not a number, or a value out of range leave target untouched (false).
template <class T>
bool readnumber(const QString& text, T& target) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value)) return false;
    const double rounded = std::nearbyint(value);  // the default rounding mode rounds halves to even
    if (rounded < -9.3e18 || rounded > 9.3e18) return false;
    return setChecked(target, static_cast<int64_t>(rounded));
}

QString playersection(int slot);

// Writes the current record to the section of playerslot, nine keys in their order.
// Returns false when any write failed (the record in memory is untouched either way).
bool saveplayer(const Player& player, Platform& platform);

// Reads slot n's nine keys into the record; a value that does not convert keeps what the record held.
// Returns false when any numeric value failed to convert.
bool loadplayer(Player& player, Platform& platform, int n);

// The stored name of slot n (empty = vacant).
QString slotname(Platform& platform, int n);

}  // namespace zel
