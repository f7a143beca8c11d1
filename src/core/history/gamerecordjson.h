#pragma once
// The history file's form: JSON, one object per game, every field named, so a player or a tool
// can read it. Reading checks every field; a file that is not wholly a history of this game is
// refused as a whole.
#include <vector>

#include <QByteArray>
#include <QString>

#include "core/history/gamerecord.h"

namespace zel {

constexpr int historyversion = 1;

// One game in the file's form; a history is its games' forms put together, so a game is put in
// words once and a write of 500 games is a copy, not 500 encodings.
QByteArray gamebytes(const GameRecord& game);
QByteArray historyjson(int slot, const std::vector<QByteArray>& games);
QByteArray historyjson(int slot, const std::vector<GameRecord>& games);

// Reads one game in its form (as gamebytes wrote it); false (with the reason in `why`) when the
// bytes are not one.
bool readgame(const QByteArray& bytes, GameRecord& game, QString* why);

// Reads a history file of player slot `slot`; false (with the reason in `why`) when the bytes
// are not one: damaged, cut short, empty, from another program or another version.
bool readhistory(const QByteArray& bytes, int slot, std::vector<GameRecord>& games, QString* why);

// Names the file form uses.
QString cardname(int card);
QString betname(GambleBet bet);

}  // namespace zel
