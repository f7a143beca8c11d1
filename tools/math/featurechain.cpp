#include "math/featurechain.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace zel::math {

namespace {

constexpr int maxiterations = 100000;

// G from G = M_0 + sum M_a G^a, iterated from 0: each round allows one more generation of
// awards inside an awarded run, so G rises to the chance of ever falling one level.
Matrix levelpassage(const SpinLaw& feature) {
    const int n = feature.move[0].size();
    Matrix g(n);
    for (int i = 0; i < maxiterations; ++i) {
        Matrix next = feature.move[0];
        for (size_t k = 1; k < feature.awards.size(); ++k) next = next + feature.move[k] * power(g, feature.awards[k]);
        const double change = next.maxdifference(g);
        g = std::move(next);
        if (change < 1e-15) break;  // entries are chances: this is the last digits of a double
    }
    for (double s : g.rowsums())
        if (std::fabs(s - 1) > 1e-9) throw std::runtime_error("the free-spin feature would not end");
    return g;
}

// S_a = I + G + ... + G^(a-1): the hold states seen at the start of a levels, weighted once each.
std::vector<Matrix> powersums(const Matrix& g, int upto) {
    std::vector<Matrix> sums;
    Matrix sum(g.size());
    Matrix p = Matrix::identity(g.size());
    sums.push_back(sum);
    for (int a = 1; a <= upto; ++a) {
        sum = sum + p;
        p = p * g;
        sums.push_back(sum);
    }
    return sums;
}

Vector totalwin(const SpinLaw& law) {
    Vector w(size_t(law.move[0].size()), 0.0);
    for (const Vector& v : law.win) w = w + v;
    return w;
}

}  // namespace

ChainFigures solvechain(const SpinLaw& base, const SpinLaw& feature) {
    const int n = feature.move[0].size();
    const Matrix g = levelpassage(feature);
    const int top = std::max(*std::max_element(base.awards.begin(), base.awards.end()),
                             *std::max_element(feature.awards.begin(), feature.awards.end()));
    const std::vector<Matrix> s = powersums(g, top);

    // One level of the feature: its win w and its spins m, from (I - sum M_a S_a) x = r.
    Matrix a = Matrix::identity(n);
    for (size_t k = 1; k < feature.awards.size(); ++k) a = a - feature.move[k] * s[size_t(feature.awards[k])];
    const Vector levelwin = solve(a, totalwin(feature));
    const Vector levelspins = solve(a, Vector(size_t(n), 1.0));

    // From one paid game to the next: a trigger awarding a leaves a - 1 levels to play.
    Matrix next = base.move[0];
    Vector trigger(size_t(n), 0.0), featurewin(size_t(n), 0.0), featurespins(size_t(n), 0.0);
    for (size_t k = 1; k < base.awards.size(); ++k) {
        const int levels = base.awards[k] - 1;
        next = next + base.move[k] * power(g, levels);
        const Vector chance = base.move[k].rowsums();
        trigger = trigger + chance;
        featurewin = featurewin + base.win[k] + base.move[k] * (s[size_t(levels)] * levelwin);
        featurespins = featurespins + chance + base.move[k] * (s[size_t(levels)] * levelspins);
    }
    const Vector p = stationary(next);

    ChainFigures f;
    f.featurespergame = dot(p, trigger);
    f.hitspergame = dot(p, base.hits[0]) + f.featurespergame;
    f.winpergame = dot(p, base.win[0]) + dot(p, featurewin);
    if (f.featurespergame > 0) {
        f.featurewin = dot(p, featurewin) / f.featurespergame;
        f.featurespins = dot(p, featurespins) / f.featurespergame;
    }
    return f;
}

}  // namespace zel::math
