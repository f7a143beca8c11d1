#include "math/multiplierlaw.h"

#include <algorithm>
#include <map>
#include <stdexcept>

namespace zel::math {

namespace {

// Draws spread evenly over [0, 1): the multiplier's draw falls into equal parts of this
// range, so the share of these draws giving a factor is the factor's chance.
constexpr int drawsamples = 1000;
double sampledraw(int i) { return (i + 0.5) / drawsamples; }

int factorat(Zel& zel, ProbePlatform& platform, double draw) {
    platform.draw = draw;
    zel.freespinbusiness();
    return zel.freespinmultiplier;
}

// Sets up the window of five stops and pays it at 25 lines, one coin a line.
void paywindow(Zel& zel, int s1, int s2, int s3, int s4, int s5) {
    const int stops[reelcount + 1] = {0, s1, s2, s3, s4, s5};
    zel.clearspin();
    for (int r = 1; r <= reelcount; ++r) {
        zel.reelstop[r] = int16_t(stops[r]);
        zel.applystop(r);
    }
    zel.linesplayed = numlines;
    zel.betperline = 1;
    for (auto& n : zel.linecount) n = 0;
    zel.paylines();
}

MultiplierLaw lawofwindow(Zel& zel, ProbePlatform& platform) {
    std::map<int, int> count;
    for (int i = 0; i < drawsamples; ++i) ++count[factorat(zel, platform, sampledraw(i))];
    if (count.size() == 1 && count.begin()->first == 1) return {};
    MultiplierLaw law;
    law.factors.push_back(1);
    law.chances.push_back(0);
    for (const auto& [factor, n] : count) {
        if (factor == 1) {
            law.chances[0] = double(n) / drawsamples;
            continue;
        }
        law.factors.push_back(factor);
        law.chances.push_back(double(n) / drawsamples);
        if (law.probedraw == 0)
            for (int i = 0; i < drawsamples && law.probedraw == 0; ++i)
                if (factorat(zel, platform, sampledraw(i)) == factor) law.probedraw = sampledraw(i);
    }
    return law;
}

}  // namespace

double MultiplierLaw::mean() const {
    double m = 0;
    for (size_t i = 0; i < factors.size(); ++i) m += factors[i] * chances[i];
    return m;
}

int MultiplierLaw::over(int64_t win, int64_t stake) const {
    int n = 0;
    for (int f : factors)
        if (f * win > 2 * stake) ++n;
    return n;
}

bool wildinpayingrun(Zel& zel, ProbePlatform& platform, const MultiplierLaw& law) {
    return factorat(zel, platform, law.probedraw) != 1;
}

MultiplierLaw learnmultipliers(Zel& zel, ProbePlatform& platform) {
    // Reel 1 and 5 stay put while the wild reels turn: a paying wild turns up within a few windows.
    for (int s2 = 1; s2 <= stopcount; ++s2)
        for (int s3 = 1; s3 <= stopcount; ++s3)
            for (int s4 = 1; s4 <= stopcount; ++s4)
                for (int s1 = 1; s1 <= stopcount; ++s1) {
                    paywindow(zel, s1, s2, s3, s4, 1);
                    if (zel.currentwin <= 0) continue;
                    MultiplierLaw law = lawofwindow(zel, platform);
                    if (!law.factors.empty()) return law;
                }
    throw std::runtime_error("no window has a wild in a paying run");
}

}  // namespace zel::math
