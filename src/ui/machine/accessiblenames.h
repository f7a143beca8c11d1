#pragma once
// What a screen reader says of the machine's drawn controls: their names and values in words,
// read from the widgets as they show now. These are our own words beside the game's captions;
// a caption the game shows is used as it stands.
#include <QString>

#include "core/machine/formmodel.h"

class QWidget;

namespace zel {

// An amount shown in coins (and in dollars beside it) in words: "1230 coins, $ 12.3". Text
// that is not an amount ("No Win") is given as it stands, on one line.
QString amountwords(const QString& coins, const QString& dollars);
// A meter read out: its heading and what it shows ("Credit: 1230 coins, $ 12.3"), or what it
// shows alone where that already names it ("No Win").
QString meterwords(const QString& heading, const QString& shown);
// A card of the gamble: "Ace of hearts", or "Card face down" for the back.
QString cardwords(const Pic& card);

// The line pays of the pay table in words, for the picture that shows them.
QString paytablewords();

// The name and the value of one of the machine's drawn controls (empty for others).
QString drawnname(const QWidget* widget);
QString drawnvalue(const QWidget* widget);

}  // namespace zel
