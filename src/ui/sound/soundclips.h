#pragma once
// The game's clips decoded for the sound output: plain PCM WAVE images (one channel, 8-bit
// unsigned or 16-bit signed little endian) turned into 16-bit samples at the clip's own rate.
#include <cstdint>
#include <vector>

#include <QByteArray>

namespace zel {

struct SoundClip {
    int rate = 0;                  // frames per second; 0 when the image could not be decoded
    std::vector<int16_t> samples;  // one channel
    bool ok() const { return rate > 0 && !samples.empty(); }
};

// Decodes a WAVE image; anything else (another encoding, more channels, a cut-short file) gives
// an empty clip.
SoundClip decodewave(const QByteArray& image);

// Clip n of the game from the embedded resources (":/clips/n.wav"); empty when it is missing.
SoundClip loadclip(int n);

// Clip numbers the machine knows: 101..125 without 105.
constexpr bool isclip(int n) { return n >= 101 && n <= 125 && n != 105; }

}  // namespace zel
