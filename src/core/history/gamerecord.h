#pragma once
// One settled game as the player's history keeps it: the paid spin with its reels and pays, the
// free spins of a feature it started, the gamble on its win, and the credit it left behind.
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/machine/reelstrips.h"

namespace zel {

// A line that paid: its number, the symbol of its run, the run's length and its pay in coins
// (before a feature's multiplier).
struct PaidLine {
    int16_t line = 0;
    Symbol symbol = Symbol::J;
    int16_t run = 0;
    int32_t pay = 0;
    friend bool operator==(const PaidLine&, const PaidLine&) = default;
};

// One spin that stood: where the reels stopped and what it paid.
struct SpinRecord {
    std::array<int16_t, reelcount> stops{};   // 1..22 for reels 1..5
    std::array<bool, reelcount> held{};       // the reel kept its stop for its wild
    std::vector<PaidLine> lines;
    int16_t scatters = 0;                     // reels showing a mountain
    int32_t scatterpay = 0;                   // coins, before the multiplier
    int16_t multiplier = 1;                   // a feature spin's factor on the whole win
    int32_t win = 0;                          // what the spin won, multiplier included
    friend bool operator==(const SpinRecord&, const SpinRecord&) = default;
};

// The symbol in each cell of a spin's window, by reel and row (top, middle, bottom).
using SymbolWindow = std::array<std::array<Symbol, 3>, reelcount>;
SymbolWindow windowof(const std::array<int16_t, reelcount>& stops);

// The bets of the gamble: a colour, or one of the four suits (cards 1..4: hearts, clubs,
// diamonds, spades).
enum class GambleBet : int8_t { red, black, hearts, clubs, diamonds, spades };

struct CardRecord {
    int16_t card = 0;      // 1 hearts, 2 clubs, 3 diamonds, 4 spades
    GambleBet bet = GambleBet::red;
    bool won = false;
    int32_t atrisk = 0;    // the amount at risk after this card (0 when it lost)
    friend bool operator==(const CardRecord&, const CardRecord&) = default;
};

struct GambleRecord {
    int32_t stake = 0;               // what was put on the table
    std::vector<CardRecord> cards;
    bool collected = false;          // collected, or lost on the last card
    int32_t amount = 0;              // collected: what came back; lost: the stake that went
    friend bool operator==(const GambleRecord&, const GambleRecord&) = default;
};

struct GameRecord {
    int64_t timems = 0;              // when the game settled, milliseconds since 1970 (UTC)
    int16_t machinepay = 6;
    int16_t linesplayed = 25;
    int16_t betperline = 1;
    int32_t stake = 0;
    SpinRecord spin;                 // the paid spin
    std::vector<SpinRecord> freespins;  // a feature's spins after the one that started it
    int32_t featuretotal = 0;        // the feature's total as collected (0 without a feature)
    int32_t win = 0;                 // what the game paid into the credit before any gamble
    std::optional<GambleRecord> gamble;
    int32_t credit = 0;              // the credit after the game (and its gamble)

    bool feature() const { return !freespins.empty() || featuretotal > 0; }
    friend bool operator==(const GameRecord&, const GameRecord&) = default;
};

}  // namespace zel
