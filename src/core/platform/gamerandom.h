#pragma once
// The game's one random generator (xoshiro256**), seeded once. Reseeding from the clock
// stirs the clock into the state and never replaces it, so draws taken within one clock
// tick still differ.
#include <cstdint>

namespace zel {

class GameRandom {
public:
    GameRandom();                           // seeded from std::random_device and the clock
    explicit GameRandom(uint64_t seed);     // a fixed seed, for tools and tests
    void mixclock(uint64_t clockvalue);
    double next();                          // uniform in [0, 1)
    uint64_t nextbits();

private:
    void seedfrom(uint64_t seed);
    uint64_t s[4];
};

// Nanoseconds from a steady clock, the value that randomize() stirs in.
uint64_t clocknow();

}  // namespace zel
