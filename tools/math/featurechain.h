#pragma once
// The whole game as a Markov chain over the hold states and the free spins remaining.
//
// A feature spin with r spins remaining leaves r - 1 + a (a = the spins it awards), so the
// chain moves down one level at a time. G(h, h') is the chance that, starting a feature spin
// in hold state h, the spins remaining first fall by one with the hold in state h'; it solves
//     G = M_0 + sum over awards a > 0 of M_a G^a
// (M_a: the standing feature spins that award a). From G follow what one level of the feature
// pays and how long it runs, and the chain of hold states from one paid game to the next.
// No level is cut off: the count of free spins is unbounded in the chain (the game's 16-bit
// count would need more than a thousand awards within one feature to reach its limit).
#include <vector>

#include "math/matrix.h"

namespace zel::math {

// One standing spin from each hold state, split by the spins it awards.
struct SpinLaw {
    std::vector<int> awards;         // distinct awards; awards[0] == 0
    std::vector<Matrix> move;        // move[k](h, h'): chance of a spin awarding awards[k] that leaves h'
    std::vector<Vector> win;         // win[k][h]: expected win of such spins (chance times mean win)
    std::vector<Vector> hits;        // hits[k][h]: chance of such a spin that wins anything
};

struct ChainFigures {
    double winpergame = 0;       // coins won per paid game (a spin outside a feature; a feature counts once)
    double featurespergame = 0;  // features started per paid game
    double hitspergame = 0;      // paid games that win anything (a feature always does: its scatters pay)
    double featurewin = 0;       // coins won in a feature, its triggering spin included
    double featurespins = 0;     // spins of a feature, its triggering spin included
};

// Throws std::runtime_error when the feature would not end with certainty.
ChainFigures solvechain(const SpinLaw& base, const SpinLaw& feature);

}  // namespace zel::math
