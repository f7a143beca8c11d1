#include "wavewriter.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace zel::synth {

namespace {

void put16(QByteArray& out, uint16_t v) {
    out.append(char(v & 0xff));
    out.append(char(v >> 8));
}

void put32(QByteArray& out, uint32_t v) {
    put16(out, uint16_t(v & 0xffff));
    put16(out, uint16_t(v >> 16));
}

}  // namespace

QByteArray wavefile(const std::vector<double>& samples, int rate, int bits) {
    const int bytes = bits == 16 ? 2 : 1;
    const auto datasize = static_cast<uint32_t>(samples.size() * bytes);
    const uint32_t pad = datasize % 2;
    QByteArray out;
    out.reserve(int(44 + datasize + pad));
    out.append("RIFF", 4);
    put32(out, 36 + datasize + pad);
    out.append("WAVE", 4);
    out.append("fmt ", 4);
    put32(out, 16);
    put16(out, 1);  // plain PCM
    put16(out, 1);  // one channel
    put32(out, uint32_t(rate));
    put32(out, uint32_t(rate * bytes));
    put16(out, uint16_t(bytes));
    put16(out, uint16_t(bytes * 8));
    out.append("data", 4);
    put32(out, datasize);
    for (double s : samples) {
        const double v = std::clamp(s, -1.0, 1.0);
        if (bytes == 2)
            put16(out, uint16_t(int16_t(std::lround(v * 32767.0))));
        else
            out.append(char(uint8_t(std::lround(128.0 + v * 127.0))));
    }
    if (pad)
        out.append('\0');
    return out;
}

}  // namespace zel::synth
