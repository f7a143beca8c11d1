// Renders every clip of the catalogue at its own rate, bit depth and length and writes it as WAVE.
#include "catalogue.h"
#include "clips.h"
#include "generators.h"
#include "wavewriter.h"

namespace zel::art {

namespace {

// Loudness by use: the click and buzz stay gentle, the background loop sits under the game.
double peakof(int number) {
    switch (number) {
    case 117: return 0.45;
    case 124: return 0.5;
    case 125: return 0.55;
    case 116: return 0.75;
    default: return 0.7;
    }
}

}  // namespace

void writeclips(AssetWriter& out) {
    for (const assets::Clip& clip : assets::clips) {
        const bool loop = synth::isloop(clip.number);
        synth::Track track(clip.rate, assets::clipframes(clip), loop);
        if (clip.number <= 115)
            synth::composejingle(clip.number, track);
        else
            synth::composeeffect(clip.number, track);
        // A loop must not be faded at its ends, or it would dip at every turn.
        track.finish(peakof(clip.number), loop ? 0.0 : 0.002, loop ? 0.0 : 0.012);
        out.file(assets::clippath(clip.number), synth::wavefile(track.samples(), clip.rate, clip.bits));
    }
}

}  // namespace zel::art
