#pragma once
// A small additive synthesiser for the game's clips: band-limited voices, envelopes and noise
// mixed into one mono track of floating point samples.
#include <cstdint>
#include <vector>

namespace zel::synth {

enum class Voice {
    sine,      // a pure tone
    bell,      // bright attack, partials dying faster than the fundamental
    coin,      // a metallic ping with inharmonic partials
    square,    // soft square: odd harmonics
    brass,     // all harmonics, falling as 1/k
    triangle,  // a mellow bass
};

// Attack in seconds, exponential decay time in seconds (0 = hold), release ramp at the end.
struct Envelope {
    double attack = 0.005;
    double decay = 0.0;
    double release = 0.02;
};

// One note of a phrase: when (in beats), which (MIDI number) and how long (in beats).
struct Note {
    double beat;
    double midi;
    double beats;
};

// Frequency of a MIDI note number (69 = A 440 Hz).
double notefrequency(double note);

class Track {
public:
    // A track of frames samples at rate; a circular track wraps sounds past its end to its start,
    // so the clip loops without a seam.
    Track(int32_t rate, int32_t frames, bool circular = false);

    // A tone from start for length seconds, gliding from freq to endfreq (0 = no glide).
    void tone(double start, double length, double freq, double amp, Voice voice, Envelope env, double endfreq = 0.0);
    // A note by MIDI number.
    void note(double start, double length, double midi, double amp, Voice voice, Envelope env);
    // A phrase of notes starting at start seconds with beat seconds per beat, moved by transpose semitones.
    template <typename Notes>
    void phrase(const Notes& notes, double start, double beat, double amp, Voice voice, Envelope env,
                double transpose = 0.0) {
        for (const Note& n : notes)
            note(start + n.beat * beat, n.beats * beat, n.midi + transpose, amp, voice, env);
    }
    // Noise through a one-pole low-pass (smoothing 0 = white .. near 1 = dull), seeded for repeatability.
    void noise(double start, double length, double amp, double smoothing, Envelope env, uint32_t seed);

    // Scale so the loudest sample has the given peak, then ramp the very ends to silence.
    void finish(double peak, double fadein, double fadeout);

    int32_t rate() const { return rate_; }
    double seconds() const { return double(samples_.size()) / rate_; }
    const std::vector<double>& samples() const { return samples_; }

private:
    void add(int64_t index, double value);
    double envelope(double t, double length, const Envelope& env) const;

    int32_t rate_;
    bool circular_;
    std::vector<double> samples_;
};

}  // namespace zel::synth
