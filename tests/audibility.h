#pragma once
// When a sound is audible, millisecond by millisecond: a millisecond is audible when the RMS of
// the 5 ms around it is at least -45 dB below full scale. The same measure is taken of a clip's
// own samples and of a recording of what the player heard, so the two can be compared.
#include <cstdint>
#include <vector>

namespace zel::test {

constexpr double audiblelevel = 0.0056;  // -45 dBFS

// One flag per millisecond of the samples.
std::vector<bool> audiblemillis(const std::vector<int16_t>& samples, int rate);

// Audible milliseconds in [from, to) (clamped to the flags).
int audiblecount(const std::vector<bool>& audible, int from, int to);
// The first audible millisecond at or after `from` and before `to`; -1 when there is none.
int firstaudible(const std::vector<bool>& audible, int from, int to);
// The last audible millisecond before `to` and at or after `from`; -1 when there is none.
int lastaudible(const std::vector<bool>& audible, int from, int to);

}  // namespace zel::test
