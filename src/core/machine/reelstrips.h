#pragma once
// The twelve symbols and the five reel strips of the machine.
#include <cstdint>

namespace zel {

enum class Symbol : int8_t {
    J = 0, K = 1, badge = 2, memorial = 3, uncle = 4, Q = 5,
    sign = 6, money = 7, president = 8, statue = 9,
    mountain = 10,  // the scatter
    eagle = 11,     // the wild
};

constexpr int symbolcount = 12;
constexpr int linesymbolcount = 10;

constexpr const char* symbolname[symbolcount] = {
    "J", "K", "badge", "memorial", "uncle", "Q", "sign", "money", "president", "statue", "mountain", "eagle"};

constexpr int reelcount = 5;
constexpr int striplength = 24;  // positions 0..23; stops 1..22 show positions stop-1 .. stop+1
constexpr int stopcount = 22;

namespace strip {
using S = Symbol;
constexpr S J = S::J, K = S::K, B = S::badge, M = S::memorial, U = S::uncle, Q = S::Q, G = S::sign,
            N = S::money, P = S::president, T = S::statue, X = S::mountain, W = S::eagle;
}  // namespace strip

// reelstrip[reel-1][position]
constexpr Symbol reelstrip[reelcount][striplength] = {
    {strip::X, strip::J, strip::K, strip::B, strip::G, strip::J, strip::U, strip::B, strip::Q, strip::P, strip::B, strip::X,
     strip::J, strip::P, strip::Q, strip::T, strip::J, strip::M, strip::K, strip::G, strip::K, strip::N, strip::X, strip::B},
    {strip::B, strip::W, strip::K, strip::Q, strip::B, strip::J, strip::Q, strip::P, strip::X, strip::U, strip::M, strip::Q,
     strip::J, strip::T, strip::K, strip::B, strip::G, strip::T, strip::Q, strip::J, strip::N, strip::P, strip::B, strip::U},
    {strip::K, strip::B, strip::Q, strip::G, strip::M, strip::J, strip::U, strip::G, strip::P, strip::M, strip::W, strip::B,
     strip::G, strip::X, strip::Q, strip::U, strip::N, strip::T, strip::B, strip::U, strip::J, strip::K, strip::M, strip::B},
    {strip::U, strip::M, strip::P, strip::K, strip::B, strip::P, strip::X, strip::U, strip::M, strip::Q, strip::W, strip::J,
     strip::B, strip::K, strip::G, strip::B, strip::J, strip::N, strip::T, strip::B, strip::U, strip::Q, strip::G, strip::M},
    {strip::B, strip::G, strip::K, strip::Q, strip::M, strip::U, strip::J, strip::N, strip::X, strip::U, strip::B, strip::P,
     strip::Q, strip::M, strip::J, strip::G, strip::U, strip::T, strip::N, strip::P, strip::K, strip::J, strip::B, strip::G},
};

}  // namespace zel
