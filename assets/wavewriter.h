#pragma once
// WAVE file images: RIFF, a 16-byte PCM "fmt " chunk (format 1, one channel) and the samples.
#include <QByteArray>
#include <vector>

namespace zel::synth {

// Samples in [-1, 1] at rate as 8-bit unsigned or 16-bit signed little-endian PCM; louder samples
// are clipped. An odd 8-bit data chunk gets the pad byte RIFF asks for.
QByteArray wavefile(const std::vector<double>& samples, int rate, int bits);

}  // namespace zel::synth
