#include "math/par.h"

#include <algorithm>
#include <cmath>

namespace zel::math {

namespace {

std::vector<int> distinctawards() {
    std::vector<int> awards{0};
    for (int sc = 0; sc < scattercounts; ++sc)
        if (std::find(awards.begin(), awards.end(), awardedspins[sc]) == awards.end()) awards.push_back(awardedspins[sc]);
    return awards;
}

int awardindex(const std::vector<int>& awards, int scatters) {
    return int(std::find(awards.begin(), awards.end(), awardedspins[scatters]) - awards.begin());
}

}  // namespace

SpinLaw spinlaw(const SpinOutcomes& outcomes, const LinesOutcomes& l, int machinepay, bool feature) {
    const int n = outcomes.holds.statecount;
    const MultiplierLaw& law = outcomes.multipliers;
    const int factors = int(law.factors.size());
    const double voidable = 1.0 / machinepay;  // a win above twice the stake stands on a draw of 1

    SpinLaw s;
    s.awards = distinctawards();
    s.move.assign(s.awards.size(), Matrix(n));
    s.win.assign(s.awards.size(), Vector(size_t(n), 0.0));
    s.hits.assign(s.awards.size(), Vector(size_t(n), 0.0));

    for (int from = 0; from < n; ++from) {
        // A spin with a held reel always stands; from state 0 a voided spin is drawn again
        // from scratch, so the spins that stand are weighted by their chance of standing.
        const bool held = from != 0;
        double standing = 0;
        for (int to = 0; to < n; ++to)
            for (int sc = 0; sc < scattercounts; ++sc)
                for (int wild = 0; wild <= 1; ++wild)
                    for (int over = 0; over < outcomes.overclasses(); ++over) {
                        const OutcomeCell& c = l.cells[outcomes.cellindex(from, to, sc, wild == 1, over)];
                        if (c.spins == 0) continue;
                        double weight = 0, win = 0;
                        if (feature && wild == 1) {
                            // The factor is drawn first; factor i takes the win over twice the
                            // stake exactly when i >= factors - over.
                            for (int i = 0; i < factors; ++i) {
                                const double stands = (held || i < factors - over) ? 1.0 : voidable;
                                weight += law.chances[size_t(i)] * stands;
                                win += law.chances[size_t(i)] * stands * law.factors[size_t(i)];
                            }
                        } else {
                            weight = (held || over < factors) ? 1.0 : voidable;
                            win = weight;
                        }
                        standing += weight * double(c.spins);
                        const int k = awardindex(s.awards, sc);
                        s.move[size_t(k)](from, to) += weight * double(c.spins);
                        s.win[size_t(k)][size_t(from)] += win * double(c.win);
                        s.hits[size_t(k)][size_t(from)] += weight * double(c.hits);
                    }
        // Held states see every combination their held reels allow once; state 0 sees the
        // standing ones, whose total weight divides out.
        const double total = held ? double(outcomes.combinationsfrom(from)) : standing;
        if (total <= 0) continue;
        for (size_t k = 0; k < s.awards.size(); ++k) {
            for (int to = 0; to < n; ++to) s.move[k](from, to) /= total;
            s.win[k][size_t(from)] /= total;
            s.hits[k][size_t(from)] /= total;
        }
    }
    return s;
}

BaseFigures basefigures(const LinesOutcomes& l) {
    BaseFigures b;
    const double n = double(l.combinations);
    const double stake = l.stake;
    b.rtp = double(l.win) / n / stake;
    b.hitfrequency = double(l.hits) / n;
    b.triggerfrequency = double(l.triggers) / n;
    const double meansquare = double(l.winsquared) / n / (stake * stake);
    b.sd = std::sqrt(std::max(0.0, meansquare - b.rtp * b.rtp));
    return b;
}

SettingFigures settingfigures(const SpinOutcomes& outcomes, const LinesOutcomes& l, int machinepay) {
    const ChainFigures c =
        solvechain(spinlaw(outcomes, l, machinepay, false), spinlaw(outcomes, l, machinepay, true));
    SettingFigures f;
    f.machinepay = machinepay;
    f.rtp = c.winpergame / l.stake;
    f.hitfrequency = c.hitspergame;
    f.featurefrequency = c.featurespergame;
    f.meanfeaturewin = c.featurewin / l.stake;
    f.meanfeaturespins = c.featurespins;
    return f;
}

std::vector<ParFigures> workoutpar(const std::vector<int>& lines) {
    const SpinOutcomes outcomes = enumeratespins(lines);
    std::vector<ParFigures> figures;
    for (const LinesOutcomes& l : outcomes.bylines) {
        ParFigures p;
        p.lines = l.lines;
        p.base = basefigures(l);
        for (int m : paysettings) p.settings.push_back(settingfigures(outcomes, l, m));
        figures.push_back(p);
    }
    return figures;
}

}  // namespace zel::math
