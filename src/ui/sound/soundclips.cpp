#include "ui/sound/soundclips.h"

#include <QFile>
#include <QtEndian>

namespace zel {

namespace {

quint16 u16(const char* p) { return qFromLittleEndian<quint16>(p); }
quint32 u32(const char* p) { return qFromLittleEndian<quint32>(p); }

}  // namespace

SoundClip decodewave(const QByteArray& image) {
    const char* bytes = image.constData();
    const qsizetype size = image.size();
    if (size < 12 || image.first(4) != "RIFF" || image.sliced(8, 4) != "WAVE") return {};
    int rate = 0, bits = 0;
    bool format = false;
    // Walk the chunks; sizes are checked against what is left, so a cut-short file is refused.
    for (qsizetype at = 12; at + 8 <= size;) {
        const QByteArray id = image.sliced(at, 4);
        const quint32 length = u32(bytes + at + 4);
        const qsizetype body = at + 8;
        if (length > quint64(size - body)) return {};
        if (id == "fmt ") {
            if (length < 16) return {};
            const quint16 encoding = u16(bytes + body), channels = u16(bytes + body + 2);
            rate = int(u32(bytes + body + 4));
            bits = u16(bytes + body + 14);
            if (encoding != 1 || channels != 1 || (bits != 8 && bits != 16) || rate < 1000 || rate > 192000) return {};
            format = true;
        } else if (id == "data") {
            if (!format) return {};
            SoundClip clip;
            clip.rate = rate;
            if (bits == 8) {
                clip.samples.reserve(length);
                for (quint32 i = 0; i < length; ++i) clip.samples.push_back(int16_t((int(quint8(bytes[body + i])) - 128) * 256));
            } else {
                clip.samples.reserve(length / 2);
                for (quint32 i = 0; i + 1 < length; i += 2) clip.samples.push_back(qFromLittleEndian<qint16>(bytes + body + i));
            }
            if (clip.samples.empty()) return {};
            return clip;
        }
        at = body + length + (length % 2);
    }
    return {};
}

SoundClip loadclip(int n) {
    if (!isclip(n)) return {};
    QFile file(QStringLiteral(":/clips/%1.wav").arg(n));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return decodewave(file.readAll());
}

}  // namespace zel
