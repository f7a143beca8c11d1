#pragma once
// The win meter's step tables: how much the meter adds at its next tick, chosen by the
// amount it shows now. Free spins count up more slowly so each spin's win can be followed.
#include <cstdint>

namespace zel {

struct MeterStep {
    int32_t upto;   // the row applies while the amount shown is at most this
    int16_t normal; // next step in the normal game
    int16_t free;   // next step during free spins (not monotonic: 151..200 jumps to 8)
};

constexpr MeterStep meterstep[] = {
    {0, 0, 0},        {5, 1, 1},        {10, 2, 2},       {15, 4, 2},       {20, 8, 2},
    {30, 10, 3},      {40, 10, 3},      {50, 10, 3},      {100, 10, 4},     {120, 12, 4},
    {150, 14, 4},     {200, 16, 8},     {300, 20, 5},     {450, 25, 5},     {600, 30, 10},
    {700, 35, 15},    {1000, 50, 20},   {1500, 150, 30},  {INT32_MAX, 500, 100},
};

// The step after the meter has reached `shown`.
constexpr int16_t nextmeterstep(int32_t shown, bool freespin) {
    for (const MeterStep& row : meterstep)
        if (shown <= row.upto) return freespin ? row.free : row.normal;
    return 0;
}

}  // namespace zel
