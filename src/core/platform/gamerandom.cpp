#include "core/platform/gamerandom.h"

#include <chrono>
#include <random>

namespace zel {

namespace {
uint64_t splitmix(uint64_t& x) {
    uint64_t z = (x += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}
uint64_t rotl(uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
}  // namespace

uint64_t clocknow() {
    return static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

GameRandom::GameRandom() {
    std::random_device device;
    const uint64_t seed = (uint64_t(device()) << 32) ^ device() ^ clocknow();
    seedfrom(seed);
}

GameRandom::GameRandom(uint64_t seed) { seedfrom(seed); }

void GameRandom::seedfrom(uint64_t seed) {
    for (auto& word : s) word = splitmix(seed);
}

void GameRandom::mixclock(uint64_t clockvalue) {
    uint64_t x = clockvalue;
    s[0] ^= splitmix(x);
    s[2] ^= splitmix(x);
    if ((s[0] | s[1] | s[2] | s[3]) == 0) s[1] = 1;  // the all-zero state would stick
    nextbits();
}

uint64_t GameRandom::nextbits() {
    const uint64_t result = rotl(s[1] * 5, 7) * 9;
    const uint64_t t = s[1] << 17;
    s[2] ^= s[0];
    s[3] ^= s[1];
    s[1] ^= s[2];
    s[0] ^= s[3];
    s[2] ^= t;
    s[3] = rotl(s[3], 45);
    return result;
}

double GameRandom::next() { return double(nextbits() >> 11) * 0x1.0p-53; }

}  // namespace zel
