#pragma once
// The six player records in the settings store: sections "player1".."player6", nine text values each.
#include <cmath>
#include <functional>

#include <QString>

#include "core/machine/numeric.h"
#include "core/platform/platform.h"
#include "core/players/player.h"
#include "core/players/storekeys.h"

namespace zel {

// Reads a stored number into target, rounded half to even to the target's width.
// Empty text, text that is not a number, or a value out of range leave target untouched (false).
template <class T>
bool readnumber(const QString& text, T& target) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value)) return false;
    const double rounded = std::nearbyint(value);  // the default rounding mode rounds halves to even
    // Only a value inside the 64-bit range may be converted (2^63 itself is already outside).
    constexpr double limit = 9223372036854775808.0;
    if (!(rounded >= -limit && rounded < limit)) return false;
    return setChecked(target, static_cast<int64_t>(rounded));
}

// The slot number 1..6 that playerslot names, or 0 when it names none.
int slotnumber(const QString& playerslot);

// The current record as the store keeps it: the nine keys in their order, in the section of slot n.
Platform::Section recordsection(const Player& player, int n);

// Reads slot n's nine keys into the record, in their order. A value that does not convert keeps what
// the record held and calls onfailure at that point of the sequence (the options window uses it to
// fall back to the fastest reel speed). Returns false when any value failed or n is not a slot.
// The pay setting in force is always one the options offer: any other value loads as 6.
bool loadplayer(Player& player, Platform& platform, int n, const std::function<void()>& onfailure = {});

// The pay settings the options offer ("Realistic", "Loose", "Dream Machine !!"); any other value
// in a record (0 from a vacant slot, a hand edit) plays as the first.
constexpr int16_t realisticpay = 6;
constexpr bool offeredpay(int machinepay) { return machinepay == 4 || machinepay == 5 || machinepay == 6; }

// The stored name of slot n (empty = vacant).
QString slotname(Platform& platform, int n);

}  // namespace zel
