#pragma once
// The game's own platform with its first draws forced, for the benchmarks that play chosen spins
// in the real window: reel stop s of a reel comes from the draw (s - 0.5) / 22, and a pay-setting
// draw of 0 lets a win stand. Once the forced draws are used up, the generator takes over.
#include <deque>

#include "ui/platform/qtplatform.h"

class ForcedPlatform : public zel::QtPlatform {
public:
    using QtPlatform::QtPlatform;
    std::deque<double> forced;
    double rnd() override {
        if (forced.empty()) return QtPlatform::rnd();
        const double r = forced.front();
        forced.pop_front();
        return r;
    }
};

inline double stopdraw(int s) { return (s - 0.5) / 22.0; }
