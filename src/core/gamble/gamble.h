#pragma once
// Pieces of the card gamble shared by its handlers (gamble.cpp) and the card draw (cardhistory.cpp).
#include <cstdint>

#include "core/machine/formmodel.h"
#include "core/players/player.h"

namespace zel {

// Pictures of imagelistcards: card c (1 hearts, 2 clubs, 3 diamonds, 4 spades) shows its face
// as picture c and its small suit sign as picture c + 5; picture 5 is the joker.
constexpr int16_t jokerpicture = 5;
constexpr int16_t cardface(int card) { return int16_t(card); }
constexpr int16_t suitsign(int card) { return int16_t(card + 5); }

// Top (panel twips) of the card history row; its slots' left edges are historyslotleft.
constexpr int32_t historytop = 3960;

// Puts the newest card into the history row. `historycount` is the number of cards drawn,
// this one included; past ten it starts over at six, so the row keeps the last five cards.
void placehistory(Control (&historypic)[6], int16_t& historycount, int card);

// The most the credit can still take on top of what it holds.
int64_t creditroom(const Player& player);

// Collects an amount at risk as COLLECT does: what the credit can take goes into it, and only the
// gain over what the gamble took from the credit (`stake`) is new winnings. Returns what was paid.
int32_t collectatrisk(Player& player, int32_t atrisk, int32_t stake);

}  // namespace zel
