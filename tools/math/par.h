#pragma once
// The machine's figures, worked out exactly from all 22^5 stop combinations.
#include <vector>

#include "math/featurechain.h"
#include "math/spinoutcomes.h"

namespace zel::math {

// The pay settings of the options, loosest last.
constexpr int paysettings[] = {6, 5, 4};

struct BaseFigures {
    double rtp = 0;               // mean win per coin staked
    double hitfrequency = 0;      // share of spins that win anything
    double sd = 0;                // standard deviation of the win per spin, in stakes
    double triggerfrequency = 0;  // share of spins that start free spins
};

struct SettingFigures {
    int machinepay = 0;
    double rtp = 0;               // total won / wager over an endless session without gambling
    double hitfrequency = 0;      // games that win anything (a feature counts as one game)
    double featurefrequency = 0;  // features started per game
    double meanfeaturewin = 0;    // a feature's total (its triggering spin included), in stakes
    double meanfeaturespins = 0;  // spins of a feature, its triggering spin included
};

struct ParFigures {
    int lines = 0;
    BaseFigures base;
    std::vector<SettingFigures> settings;
};

// The standing spins from each hold state under pay setting machinepay, in the base game or
// in a feature (where a wild in a paying run multiplies the win before the pay setting tests it).
SpinLaw spinlaw(const SpinOutcomes& outcomes, const LinesOutcomes& l, int machinepay, bool feature);

BaseFigures basefigures(const LinesOutcomes& l);
SettingFigures settingfigures(const SpinOutcomes& outcomes, const LinesOutcomes& l, int machinepay);

// One enumeration for all the numbers of lines asked for.
std::vector<ParFigures> workoutpar(const std::vector<int>& lines);

}  // namespace zel::math
