#include "audibility.h"

#include <algorithm>
#include <cmath>

namespace zel::test {

std::vector<bool> audiblemillis(const std::vector<int16_t>& samples, int rate) {
    const long total = long(samples.size());
    const long millis = total * 1000 / rate;
    const long half = std::max(1L, long(rate) / 400);  // 2.5 ms on each side
    // Running sums of squares make every window one subtraction.
    std::vector<double> sums(size_t(total) + 1, 0.0);
    for (long i = 0; i < total; ++i) {
        const double v = samples[size_t(i)] / 32768.0;
        sums[size_t(i) + 1] = sums[size_t(i)] + v * v;
    }
    std::vector<bool> audible(size_t(millis), false);
    for (long m = 0; m < millis; ++m) {
        const long centre = m * rate / 1000;
        const long a = std::max(0L, centre - half), b = std::min(total, centre + half);
        if (b <= a) continue;
        audible[size_t(m)] = std::sqrt((sums[size_t(b)] - sums[size_t(a)]) / double(b - a)) >= audiblelevel;
    }
    return audible;
}

int audiblecount(const std::vector<bool>& audible, int from, int to) {
    const int a = std::max(0, from), b = std::min(int(audible.size()), to);
    int n = 0;
    for (int m = a; m < b; ++m) n += audible[size_t(m)];
    return n;
}

int firstaudible(const std::vector<bool>& audible, int from, int to) {
    const int a = std::max(0, from), b = std::min(int(audible.size()), to);
    for (int m = a; m < b; ++m)
        if (audible[size_t(m)]) return m;
    return -1;
}

int lastaudible(const std::vector<bool>& audible, int from, int to) {
    const int a = std::max(0, from), b = std::min(int(audible.size()), to);
    for (int m = b - 1; m >= a; --m)
        if (audible[size_t(m)]) return m;
    return -1;
}

}  // namespace zel::test
