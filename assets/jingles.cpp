// The win jingles, from a two-note blip for the smallest win to a long celebration for the biggest.
#include <array>
#include <cstddef>

#include "clips.h"

namespace zel::synth {

const Note tunea[14] = {{0, 76, .5}, {.5, 79, .5}, {1, 84, .5}, {1.5, 79, .5}, {2, 76, .5}, {2.5, 79, .5}, {3, 84, 1},
                        {4, 77, .5}, {4.5, 81, .5}, {5, 84, .5}, {5.5, 81, .5}, {6, 79, .5}, {6.5, 83, .5}, {7, 86, 1}};
const Note tuneb[13] = {{0, 88, .5}, {.5, 86, .5}, {1, 84, .5}, {1.5, 86, .5}, {2, 88, 1}, {3, 91, 1}, {4, 89, .5},
                        {4.5, 88, .5}, {5, 86, .5}, {5.5, 84, .5}, {6, 83, .5}, {6.5, 86, .5}, {7, 84, 1}};
const double rootsa[4] = {48, 48, 53, 55};
const double rootsb[4] = {48, 45, 53, 55};

namespace {

const Envelope ring{0.003, 0.22, 0.03};
const Envelope longring{0.003, 0.6, 0.05};

// Notes one after another, step seconds apart, each ringing to the end of the clip.
template <std::size_t N>
void arpeggio(Track& t, double start, double step, const std::array<double, N>& notes, double amp, double decay) {
    for (std::size_t i = 0; i < N; ++i) {
        const double at = start + i * step;
        t.note(at, t.seconds() - at, notes[i], amp, Voice::bell, {0.003, decay, 0.03});
    }
}

// A closing chord: bells and a soft sine pad over a bass root.
void chord(Track& t, double start, double root, bool minor, double amp) {
    const double len = t.seconds() - start;
    for (double interval : {12.0, minor ? 15.0 : 16.0, 19.0, 24.0})
        t.note(start, len, root + interval, amp * 0.5, Voice::bell, {0.004, len * 0.45, 0.05});
    for (double interval : {12.0, minor ? 15.0 : 16.0, 19.0})
        t.note(start, len, root + interval, amp * 0.25, Voice::sine, {0.03, len * 0.5, 0.08});
    t.note(start, len, root, amp * 0.6, Voice::triangle, {0.005, len * 0.35, 0.05});
}

// Coin pings at the given times, alternating between two bright notes.
template <std::size_t N>
void coins(Track& t, const std::array<double, N>& times, double amp) {
    for (std::size_t i = 0; i < N; ++i)
        t.note(times[i], 0.3, i % 2 ? 100 : 96, amp, Voice::coin, {0.001, 0.07, 0.02});
}

// A shower of coin pings across a stretch, one chance per step.
void shower(Track& t, double start, double end, double step, double chance, double amp, uint32_t seed) {
    uint32_t state = seed;
    int i = 0;
    for (double at = start; at < end; at += step, ++i) {
        state = state * 1664525u + 1013904223u;
        if ((state >> 8) % 1000 < chance * 1000)
            t.note(at, 0.25, (state >> 20) % 3 == 0 ? 103 : (i % 2 ? 100 : 96), amp, Voice::coin, {0.001, 0.06, 0.02});
    }
}

// The long celebrations: the tune twice with bass, coin showers, and a ringing ending.
void celebration(Track& t, double beat, bool grand) {
    const std::array<const Note*, 4> parts{tunea, tuneb, tunea, tuneb};
    const std::array<std::size_t, 4> sizes{14, 13, 14, 13};
    const std::array<const double(*)[4], 4> roots{&rootsa, &rootsb, &rootsa, &rootsb};
    for (int part = 0; part < 4; ++part) {
        const double start = part * 8 * beat;
        for (std::size_t i = 0; i < sizes[part]; ++i) {
            const Note& n = parts[part][i];
            const double lift = part >= 2 ? 12 : 0;  // the repeat sings an octave higher
            t.note(start + n.beat * beat, n.beats * beat * 1.6, n.midi + lift - (grand ? 0 : 12), 0.5, Voice::bell,
                   {0.003, 0.3, 0.03});
            if (grand)
                t.note(start + n.beat * beat, n.beats * beat * 0.95, n.midi - 12, 0.22, Voice::brass, {0.02, 0.6, 0.04});
        }
        accompany(t, start, beat, *roots[part], grand ? 0.5 : 0.42);
    }
    const double end = 32 * beat;
    shower(t, beat * 8, end, beat / 2, grand ? 0.6 : 0.35, 0.22, grand ? 115u : 114u);
    arpeggio<6>(t, end, 0.07, {72, 76, 79, 84, 88, 91}, 0.35, 0.8);
    chord(t, end + 0.45, 48, false, 0.75);
    if (grand)
        shower(t, end, t.seconds() - 1.0, 0.09, 0.8, 0.18, 1150u);
}

}  // namespace

void accompany(Track& t, double start, double beat, const double (&roots)[4], double amp) {
    for (int half = 0; half < 4; ++half) {
        const double root = roots[half];
        const double at = start + half * 2 * beat;
        t.note(at, beat * 0.9, root, amp, Voice::triangle, {0.005, 0.35, 0.04});
        t.note(at + beat, beat * 0.9, root + 7, amp * 0.8, Voice::triangle, {0.005, 0.3, 0.04});
        const bool minor = root == 45;
        for (double interval : {12.0, minor ? 15.0 : 16.0, 19.0})
            t.note(at, beat * 2, root + interval, amp * 0.12, Voice::sine, {0.04, 0.0, 0.12});
    }
}

void composejingle(int number, Track& t) {
    switch (number) {
    case 101:  // the smallest win: a two-note blip
        t.note(0, 0.12, 88, 0.8, Voice::bell, {0.002, 0.05, 0.02});
        t.note(0.07, 0.17, 95, 0.7, Voice::bell, {0.002, 0.06, 0.03});
        break;
    case 102:
        arpeggio<3>(t, 0, 0.09, {84, 88, 91}, 0.6, 0.15);
        break;
    case 103:
        arpeggio<4>(t, 0, 0.08, {79, 84, 88, 91}, 0.55, 0.16);
        chord(t, 0.34, 72, false, 0.35);
        break;
    case 104:
        arpeggio<4>(t, 0, 0.08, {81, 86, 90, 93}, 0.55, 0.16);
        chord(t, 0.34, 74, false, 0.35);
        break;
    case 106:
        arpeggio<7>(t, 0, 0.06, {72, 76, 79, 84, 88, 91, 96}, 0.45, 0.3);
        chord(t, 0.45, 60, false, 0.6);
        break;
    case 107:  // also the collect of a gamble and a winning spade
    case 108: {
        // The same call in two keys: C for 107, F for the red win of the gamble.
        static const Note call[7] = {{0, 67, 1}, {1, 72, 1}, {2, 76, 1}, {3, 79, 2}, {5, 76, 1}, {6, 79, 1}, {7, 84, 4}};
        const double shift = number == 108 ? 5 : 0;
        t.phrase(call, 0, 0.12, 0.5, Voice::bell, ring, shift);
        t.note(0, 0.4, 48 + shift, 0.45, Voice::triangle, {0.005, 0.25, 0.04});
        t.note(0.36, 0.4, 43 + shift, 0.45, Voice::triangle, {0.005, 0.25, 0.04});
        chord(t, 0.84, 48 + shift, false, 0.55);
        break;
    }
    case 109:
        for (int i = 0; i < 15; ++i) {
            static const int scale[7] = {0, 2, 4, 5, 7, 9, 11};
            t.note(i * 0.05, 0.3, 72 + 12 * (i / 7) + scale[i % 7], 0.4, Voice::bell, {0.002, 0.1, 0.03});
        }
        chord(t, 0.8, 48, false, 0.6);
        coins<4>(t, {1.0, 1.15, 1.3, 1.45}, 0.25);
        break;
    case 110:  // coins counted into the tray, then a bright chord
        coins<12>(t, {0, .16, .3, .42, .53, .63, .72, .8, .87, .93, .98, 1.02}, 0.5);
        arpeggio<4>(t, 1.1, 0.07, {84, 88, 91, 96}, 0.4, 0.4);
        chord(t, 1.35, 60, false, 0.45);
        break;
    case 111:
        t.phrase(std::array<Note, 7>{tunea[0], tunea[1], tunea[2], tunea[3], tunea[4], tunea[5], tunea[6]}, 0, 0.2, 0.5,
                 Voice::bell, ring);
        t.note(0, 0.4, 48, 0.4, Voice::triangle, {0.005, 0.3, 0.04});
        t.note(0.4, 0.4, 55, 0.35, Voice::triangle, {0.005, 0.3, 0.04});
        arpeggio<5>(t, 0.8, 0.06, {79, 84, 88, 91, 96}, 0.4, 0.5);
        chord(t, 1.1, 48, false, 0.6);
        break;
    case 112:  // sparkling up and down, then a chord (the finer 16-bit clip)
        for (int i = 0; i < 13; ++i) {
            static const int run[13] = {76, 80, 83, 88, 92, 95, 100, 95, 92, 88, 83, 80, 76};
            t.note(i * 0.045, 0.25, run[i], 0.4, Voice::bell, {0.002, 0.08, 0.03});
        }
        chord(t, 0.6, 52, false, 0.6);
        coins<3>(t, {0.65, 0.8, 0.95}, 0.25);
        break;
    case 113:
        t.phrase(tunea, 0, 0.3, 0.5, Voice::bell, ring);
        accompany(t, 0, 0.3, rootsa, 0.42);
        arpeggio<4>(t, 2.4, 0.15, {84, 88, 91, 96}, 0.45, 0.9);
        chord(t, 3.0, 48, false, 0.6);
        break;
    case 114:
        celebration(t, 0.36, false);
        break;
    case 115:
        celebration(t, 0.34, true);
        break;
    default:
        break;
    }
}

}  // namespace zel::synth
