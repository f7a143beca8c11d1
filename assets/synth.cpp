#include "synth.h"

#include <algorithm>
#include <cmath>

namespace zel::synth {

namespace {

constexpr double twopi = 6.283185307179586;

struct Partial {
    double ratio;
    double amp;
    double decay;  // extra decay of the partial in seconds (0 = follows the envelope)
};

// The partials of a voice; partials at or above the Nyquist limit are skipped when mixing.
std::vector<Partial> partials(Voice voice) {
    switch (voice) {
    case Voice::sine: return {{1, 1, 0}};
    case Voice::bell: return {{1, 1, 0}, {2, 0.45, 0.35}, {3, 0.22, 0.18}, {4.2, 0.12, 0.08}};
    case Voice::coin: return {{1, 1, 0}, {1.51, 0.6, 0.12}, {2.38, 0.35, 0.06}, {3.1, 0.2, 0.04}};
    case Voice::square: return {{1, 1, 0}, {3, 1.0 / 3, 0}, {5, 1.0 / 5, 0}, {7, 1.0 / 7, 0}, {9, 1.0 / 9, 0}};
    case Voice::brass: {
        std::vector<Partial> list;
        for (int k = 1; k <= 10; ++k)
            list.push_back({double(k), 1.0 / k, 0});
        return list;
    }
    case Voice::triangle: return {{1, 1, 0}, {3, -1.0 / 9, 0}, {5, 1.0 / 25, 0}, {7, -1.0 / 49, 0}};
    }
    return {{1, 1, 0}};
}

}  // namespace

double notefrequency(double note) { return 440.0 * std::pow(2.0, (note - 69.0) / 12.0); }

Track::Track(int32_t rate, int32_t frames, bool circular)
    : rate_(rate), circular_(circular), samples_(static_cast<size_t>(std::max<int32_t>(frames, 0)), 0.0) {}

void Track::add(int64_t index, double value) {
    const auto n = static_cast<int64_t>(samples_.size());
    if (n == 0)
        return;
    if (circular_)
        index = ((index % n) + n) % n;
    if (index >= 0 && index < n)
        samples_[static_cast<size_t>(index)] += value;
}

double Track::envelope(double t, double length, const Envelope& env) const {
    double a = 1.0;
    if (env.attack > 0 && t < env.attack)
        a = t / env.attack;
    if (env.decay > 0)
        a *= std::exp(-t / env.decay);
    if (env.release > 0 && t > length - env.release)
        a *= std::max(0.0, (length - t) / env.release);
    return a;
}

void Track::tone(double start, double length, double freq, double amp, Voice voice, Envelope env, double endfreq) {
    const auto first = static_cast<int64_t>(std::llround(start * rate_));
    const auto count = static_cast<int64_t>(std::llround(length * rate_));
    const std::vector<Partial> list = partials(voice);
    const double nyquist = rate_ * 0.45;
    std::vector<double> phase(list.size(), 0.0);
    for (int64_t i = 0; i < count; ++i) {
        const double t = double(i) / rate_;
        const double f = endfreq > 0 ? freq * std::pow(endfreq / freq, t / length) : freq;
        double v = 0.0;
        for (size_t k = 0; k < list.size(); ++k) {
            const Partial& p = list[k];
            const double pf = f * std::abs(p.ratio);
            if (pf < nyquist) {
                const double fade = p.decay > 0 ? std::exp(-t / p.decay) : 1.0;
                v += p.amp * fade * std::sin(phase[k]);
            }
            phase[k] = std::fmod(phase[k] + twopi * pf / rate_, twopi);
        }
        add(first + i, amp * envelope(t, length, env) * v);
    }
}

void Track::note(double start, double length, double midi, double amp, Voice voice, Envelope env) {
    tone(start, length, notefrequency(midi), amp, voice, env);
}

void Track::noise(double start, double length, double amp, double smoothing, Envelope env, uint32_t seed) {
    const auto first = static_cast<int64_t>(std::llround(start * rate_));
    const auto count = static_cast<int64_t>(std::llround(length * rate_));
    uint32_t state = seed != 0 ? seed : 1u;
    double low = 0.0;
    for (int64_t i = 0; i < count; ++i) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        const double white = (state >> 8) * (2.0 / 16777216.0) - 1.0;
        low = smoothing * low + (1.0 - smoothing) * white;
        add(first + i, amp * envelope(double(i) / rate_, length, env) * low);
    }
}

void Track::finish(double peak, double fadein, double fadeout) {
    double loudest = 0.0;
    for (double s : samples_)
        loudest = std::max(loudest, std::abs(s));
    if (loudest > 0.0)
        for (double& s : samples_)
            s *= peak / loudest;
    const auto n = static_cast<int64_t>(samples_.size());
    const auto in = std::min<int64_t>(n, std::llround(fadein * rate_));
    for (int64_t i = 0; i < in; ++i)
        samples_[static_cast<size_t>(i)] *= double(i) / in;
    const auto out = std::min<int64_t>(n, std::llround(fadeout * rate_));
    for (int64_t i = 0; i < out; ++i)
        samples_[static_cast<size_t>(n - 1 - i)] *= double(i) / out;
}

}  // namespace zel::synth
