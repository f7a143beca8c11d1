// Sound without a PulseAudio server: the game plays through ALSA instead (a card, or PipeWire's
// ALSA plugin). The ALSA device here is a file the test reads, set up in a home of the test's own
// (~/.asoundrc), with no PulseAudio server to answer; what the game plays must reach the file. Run
// on its own: the sound library picks its outputs once per process.
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "ui/sound/soundbank.h"

using namespace zel;

class TestAlsaOutput : public QObject {
    Q_OBJECT

    QTemporaryDir home;
    QString heard;

private slots:
    void initTestCase() {
        heard = home.filePath(QStringLiteral("heard.raw"));
        QFile rc(home.filePath(QStringLiteral(".asoundrc")));
        QVERIFY(rc.open(QIODevice::WriteOnly));
        rc.write(QStringLiteral("pcm.!default { type file slave.pcm \"null\" file \"%1\" format \"raw\" }\n").arg(heard).toUtf8());
        rc.close();
        qputenv("HOME", home.path().toLocal8Bit());
        qputenv("PULSE_SERVER", ("unix:" + home.filePath(QStringLiteral("no-server"))).toLocal8Bit());
        qunsetenv("ALSOFT_DRIVERS");  // the game's own choice: PulseAudio, then ALSA
    }

    void withoutAPulseAudioServerTheClipsPlayThroughAlsa() {
        SoundBank bank;
        bank.play(101, false);
        // Half a second of the clip's 44.1 kHz 16-bit samples, at the least.
        QVERIFY2(QTest::qWaitFor([this] { return QFileInfo(heard).size() > 44100; }, 10000),
                 qPrintable(QStringLiteral("%1 bytes reached ALSA").arg(QFileInfo(heard).size())));
    }
};

QTEST_GUILESS_MAIN(TestAlsaOutput)
#include "tst_alsaoutput.moc"
