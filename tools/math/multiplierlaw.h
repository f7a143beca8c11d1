#pragma once
// The free-spin multiplier as the figures see it, learned from the game's own
// Zel::freespinbusiness: the factors it draws when a wild lies in a paying run, their
// chances, and a draw that tells whether a wild lies in a paying run at all.
#include <vector>

#include "core/machine/zel.h"
#include "math/probeplatform.h"

namespace zel::math {

struct MultiplierLaw {
    std::vector<int> factors;     // ascending; factors[0] == 1
    std::vector<double> chances;  // chance of each factor for a spin whose wild lies in a paying run
    double probedraw = 0;         // a draw that gives a factor above 1 to every such spin

    double mean() const;
    // How many factors would take a win above twice the stake (the pay setting's test).
    int over(int64_t win, int64_t stake) const;
};

// Whether the window set up in zel (tallies applied, linecount cleared, paylines run)
// has a wild in a paying run: freespinbusiness, drawn at the probe draw, keeps a factor.
bool wildinpayingrun(Zel& zel, ProbePlatform& platform, const MultiplierLaw& law);

// Finds a window with a paying wild and draws its multiplier over the whole range of the
// generator. Throws std::runtime_error when the machine has no such window.
MultiplierLaw learnmultipliers(Zel& zel, ProbePlatform& platform);

}  // namespace zel::math
