#pragma once
// Every key the game keeps in its settings store, with the kind of value it holds: one table for
// the player records, the play in progress, the sound switch, the window and the store itself
// (which keeps these keys and nothing else).
#include <span>

#include <QString>

namespace zel {

enum class StoreValue { int16, int32, text };

struct StoreKey {
    const char* key;
    StoreValue kind;
};

// A player record, section "player1".."player6", in the order the record is always written.
inline constexpr StoreKey recordkeys[] = {
    {"machinepay", StoreValue::int16}, {"winroll", StoreValue::int16},        {"reelspeed", StoreValue::int16},
    {"amountinvested", StoreValue::int32}, {"wager", StoreValue::int32},      {"total", StoreValue::int32},
    {"bank", StoreValue::int32},       {"games", StoreValue::int32},          {"currentplayer", StoreValue::text},
};

// The play a slot had in progress when the game last stopped, section "inplay1".."inplay6": a
// free-spin feature or a gamble (players/inplay.h says what each value means).
inline constexpr StoreKey inplaykeys[] = {
    {"play", StoreValue::text},           {"freespins", StoreValue::int16},    {"freespinsplayed", StoreValue::int16},
    {"freespintotal", StoreValue::int32}, {"freespinmultiplier", StoreValue::int16},
    {"linesplayed", StoreValue::int16},   {"betperline", StoreValue::int16},   {"reelstops", StoreValue::text},
    {"holds", StoreValue::text},          {"atrisk", StoreValue::int32},       {"gamblestake", StoreValue::int32},
    {"game", StoreValue::text},
};

// The player's sound switch, section "sound".
inline constexpr StoreKey soundkeys[] = {{"on", StoreValue::text}};

// The machine window's size ("1280x860", its normal size) and state ("normal", "maximized",
// "fullscreen"), section "window".
inline constexpr StoreKey windowkeys[] = {{"size", StoreValue::text}, {"state", StoreValue::text}};

inline constexpr int slotcount = 6;

QString playersection(int slot);
QString inplaysection(int slot);

// The keys of a section the game keeps, by the section's name; empty for a section it does not.
std::span<const StoreKey> storekeysof(const QString& section);
// Every section the game may keep, in the order the store writes them.
QStringList storesections();

// Whether a stored text converts to the kind of value its key holds (empty text is no value at all
// and converts to nothing, which the game reads as the value left as it was).
bool converts(const QString& text, StoreValue kind);

}  // namespace zel
