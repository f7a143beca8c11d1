// The machine's other sounds: the reel stop, the free-spin loop and fanfare, the scatter chimes,
// the button click and the buzz of a refusal or a lost gamble.
#include "clips.h"

namespace zel::synth {

namespace {

// A reel coming to rest: a falling low thump with a short wooden knock on top.
void thud(Track& t) {
    t.tone(0, 0.26, 95, 0.9, Voice::sine, {0.002, 0.07, 0.03}, 42);
    t.tone(0, 0.08, 190, 0.35, Voice::triangle, {0.001, 0.02, 0.01}, 150);
    t.noise(0, 0.05, 0.5, 0.85, {0.0005, 0.012, 0.01}, 116);
}

// A scatter landing on reel 1..5: a chime a step higher for each reel, with a sparkle an octave up.
void chime(Track& t, int reel) {
    static const double steps[5] = {84, 86, 88, 91, 93};
    const double base = steps[reel - 1];
    const double len = t.seconds();
    t.note(0, len, base, 0.6, Voice::bell, {0.002, len * 0.35, 0.04});
    t.note(0.04, len - 0.04, base + 12, 0.25, Voice::bell, {0.002, len * 0.25, 0.04});
    t.note(0, len, base + 7, 0.15, Voice::sine, {0.01, len * 0.3, 0.04});
}

// The button click: a tiny tick of filtered noise and a high, very short ping.
void click(Track& t) {
    t.noise(0, 0.02, 0.6, 0.3, {0.0003, 0.004, 0.002}, 124);
    t.tone(0, 0.03, 1900, 0.5, Voice::sine, {0.0005, 0.006, 0.005});
    t.tone(0, 0.05, 950, 0.25, Voice::sine, {0.0005, 0.01, 0.01});
}

// "Not enough credit" or a lost gamble: two soft, low, falling buzzes.
void buzz(Track& t) {
    t.tone(0.0, 0.2, 196, 0.5, Voice::square, {0.012, 0.0, 0.05}, 185);
    t.tone(0.0, 0.2, 199, 0.3, Voice::square, {0.012, 0.0, 0.05}, 188);
    t.tone(0.24, 0.27, 165, 0.5, Voice::square, {0.012, 0.0, 0.09}, 147);
    t.tone(0.24, 0.27, 168, 0.3, Voice::square, {0.012, 0.0, 0.09}, 150);
}

// The free-spin award: a brass call with drums, ending on a held chord.
void fanfare(Track& t) {
    const Envelope brass{0.02, 0.0, 0.04};
    static const Note call[7] = {{0, 67, .8}, {1, 67, .8}, {2, 67, .8}, {3, 72, 4}, {7.5, 67, 1}, {8.5, 72, 1}, {9.5, 76, 1}};
    t.phrase(call, 0, 0.12, 0.45, Voice::brass, brass);
    const double hold = 10.5 * 0.12;
    const double len = t.seconds() - hold;
    t.note(hold, len, 79, 0.45, Voice::brass, {0.02, 1.6, 0.2});
    for (double n : {60.0, 64.0, 67.0})
        t.note(hold, len, n, 0.22, Voice::brass, {0.03, 1.6, 0.2});
    t.note(hold, len, 48, 0.45, Voice::triangle, {0.005, 1.2, 0.2});
    for (double at : {0.36, hold})
        t.tone(at, 0.5, 110, 0.6, Voice::sine, {0.002, 0.18, 0.05}, 80);
    // A snare roll leading into the held chord.
    for (int i = 0; i < 8; ++i)
        t.noise(0.9 + i * 0.045, 0.04, 0.12 + i * 0.03, 0.4, {0.001, 0.015, 0.01}, 118u + i);
    for (double at : {0.08, 0.2, 0.32})
        t.tone(hold + at, 0.3, 2637, 0.12, Voice::coin, {0.001, 0.06, 0.02});
}

// The free-spin loop: C, A minor, F and G, eight beats each, bass, arpeggio and soft hats. The
// track is circular so the last notes ring on into the first beat of the next round.
void spinloop(Track& t) {
    const double beat = t.seconds() / 32;
    static const double roots[4] = {48, 45, 53, 55};
    for (int chord = 0; chord < 4; ++chord) {
        const double root = roots[chord];
        const bool minor = root == 45;
        const double tones[4] = {root + 24, root + (minor ? 27 : 28), root + 31, root + 36};
        static const int order[8] = {0, 1, 2, 3, 2, 1, 2, 1};
        for (int eighth = 0; eighth < 16; ++eighth) {
            const double at = (chord * 8 + eighth * 0.5) * beat;
            t.note(at, beat * 1.2, tones[order[eighth % 8]], 0.26, Voice::bell, {0.003, 0.18, 0.05});
        }
        for (int b = 0; b < 8; ++b) {
            const double at = (chord * 8 + b) * beat;
            t.note(at, beat * 0.8, b % 2 ? root + 7 : root, 0.42, Voice::triangle, {0.005, 0.25, 0.05});
            t.noise(at + beat / 2, 0.05, 0.12, 0.1, {0.001, 0.012, 0.01}, 1170u + chord * 8 + b);
        }
        for (double interval : {12.0, minor ? 15.0 : 16.0, 19.0})
            t.note(chord * 8 * beat, 8 * beat, root + interval, 0.07, Voice::sine, {0.3, 0.0, 0.3});
    }
}

}  // namespace

void composeeffect(int number, Track& t) {
    switch (number) {
    case 116: thud(t); break;
    case 117: spinloop(t); break;
    case 118: fanfare(t); break;
    case 119:
    case 120:
    case 121:
    case 122:
    case 123: chime(t, number - 118); break;
    case 124: click(t); break;
    case 125: buzz(t); break;
    default: break;
    }
}

}  // namespace zel::synth
