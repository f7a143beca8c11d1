// The sound output's clip decoder: plain PCM WAVE, one channel, 8 or 16 bit, turned into 16-bit
// samples at the clip's rate; anything else decodes to an empty clip that stays silent.
#include <QtEndian>
#include <QtTest>

#include "ui/sound/soundclips.h"

using namespace zel;

namespace {

QByteArray le16(int v) {
    QByteArray b(2, 0);
    qToLittleEndian<quint16>(quint16(v), b.data());
    return b;
}
QByteArray le32(quint32 v) {
    QByteArray b(4, 0);
    qToLittleEndian<quint32>(v, b.data());
    return b;
}

// A WAVE image with the given format fields and data bytes; `datasize` may claim more than there is.
QByteArray wave(int encoding, int channels, int rate, int bits, const QByteArray& data, qint64 datasize = -1) {
    const QByteArray fmt = le16(encoding) + le16(channels) + le32(quint32(rate)) +
                           le32(quint32(rate * channels * bits / 8)) + le16(channels * bits / 8) + le16(bits);
    const QByteArray body = "WAVE" + QByteArray("fmt ") + le32(16) + fmt + QByteArray("data") +
                            le32(quint32(datasize < 0 ? data.size() : datasize)) + data;
    return "RIFF" + le32(quint32(body.size())) + body;
}

}  // namespace

class TestSoundClips : public QObject {
    Q_OBJECT
private slots:
    void pcmClipsDecodeToSixteenBitSamples_data() {
        QTest::addColumn<QByteArray>("image");
        QTest::addColumn<int>("rate");
        QTest::addColumn<QList<int>>("samples");
        QTest::newRow("8 bit: 128 is silence") << wave(1, 1, 11025, 8, QByteArray("\x80\xff\x00\x81", 4)) << 11025
                                               << QList<int>{0, 127 * 256, -128 * 256, 256};
        QTest::newRow("16 bit, little endian") << wave(1, 1, 22050, 16, le16(1000) + le16(-2000)) << 22050
                                               << QList<int>{1000, -2000};
    }
    void pcmClipsDecodeToSixteenBitSamples() {
        QFETCH(QByteArray, image);
        QFETCH(int, rate);
        QFETCH(QList<int>, samples);
        const SoundClip clip = decodewave(image);
        QVERIFY(clip.ok());
        QCOMPARE(clip.rate, rate);
        QCOMPARE(QList<int>(clip.samples.begin(), clip.samples.end()), samples);
    }

    void anythingElseDecodesToAnEmptyClip_data() {
        QTest::addColumn<QByteArray>("image");
        QTest::newRow("not RIFF") << QByteArray("RIFX0000WAVE");
        QTest::newRow("too short") << QByteArray("RIFF");
        QTest::newRow("compressed") << wave(2, 1, 11025, 8, QByteArray(4, '\x80'));
        QTest::newRow("two channels") << wave(1, 2, 11025, 16, QByteArray(8, 0));
        QTest::newRow("24 bit") << wave(1, 1, 11025, 24, QByteArray(6, 0));
        QTest::newRow("rate 0") << wave(1, 1, 0, 8, QByteArray(4, '\x80'));
        QTest::newRow("no samples") << wave(1, 1, 11025, 8, QByteArray());
        QTest::newRow("data cut short") << wave(1, 1, 11025, 8, QByteArray(4, '\x80'), 4000);
    }
    void anythingElseDecodesToAnEmptyClip() {
        QFETCH(QByteArray, image);
        QVERIFY(!decodewave(image).ok());
    }

    void everyGameClipDecodesAndUnknownNumbersDoNot_data() {
        QTest::addColumn<int>("clip");
        QTest::addColumn<bool>("known");
        for (int n = 100; n <= 126; ++n) QTest::addRow("%d", n) << n << (n != 100 && n != 105 && n != 126);
    }
    void everyGameClipDecodesAndUnknownNumbersDoNot() {
        QFETCH(int, clip);
        QFETCH(bool, known);
        QCOMPARE(loadclip(clip).ok(), known);
    }
};

QTEST_GUILESS_MAIN(TestSoundClips)
#include "tst_soundclips.moc"
