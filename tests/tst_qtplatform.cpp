// The real platform's own rules: the window scale for a display size, drawing at every wait and
// event pump, the settings store, the tester's forced draws and the sound bank's clip numbers.
#include <QTemporaryDir>
#include <QTest>

#include "ui/platform/qtplatform.h"
#include "ui/sound/soundbank.h"

using namespace zel;

class TestQtPlatform : public QObject {
    Q_OBJECT

    static QtPlatform::Options quiet(const QString& file = QString()) { return {false, false, file}; }

private slots:
    void aDisplaySizeShowsTheWindowAtItsScale_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<double>("scale");
        QTest::newRow("800 x 600: as designed") << 800 << 600 << 1.0;
        QTest::newRow("640 x 480: a quarter larger") << 640 << 480 << 1.25;
        QTest::newRow("restore") << 0 << 0 << 1.0;
        QTest::newRow("any other size: as designed") << 1024 << 768 << 1.0;
    }
    void aDisplaySizeShowsTheWindowAtItsScale() {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(double, scale);
        QtPlatform platform(quiet());
        double shown = 0;
        platform.scalehook = [&](double s) { shown = s; };
        platform.changedisplay(width, height);
        QCOMPARE(shown, scale);
    }

    void waitsAndEventPumpsDrawTheWindow() {
        QtPlatform platform(quiet());
        int renders = 0;
        platform.renderhook = [&] { ++renders; };
        platform.wait(15);
        platform.wait(0);
        platform.doevents();
        QCOMPARE(renders, 3);
    }

    void drawsAreUniformInTheUnitInterval() {
        QtPlatform platform(quiet());
        for (int i = 0; i < 1000; ++i) {
            platform.randomize();
            const double r = platform.rnd();
            QVERIFY(r >= 0.0 && r < 1.0);
        }
    }

    void theSettingsStoreKeepsTextByPlayerAndKey() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("zelslots.conf"));
        {
            QtPlatform platform(quiet(file));
            QCOMPARE(platform.getsetting(QStringLiteral("player1"), QStringLiteral("bank")), QString());
            QVERIFY(platform.savesetting(QStringLiteral("player1"), QStringLiteral("bank"), QStringLiteral("1230")));
        }
        QtPlatform again(quiet(file));
        QCOMPARE(again.getsetting(QStringLiteral("player1"), QStringLiteral("bank")), QStringLiteral("1230"));
    }

    // The tester's script exists in debug builds only; the slots stay declared so moc,
    // which does not see the build type, finds them in every build.
    void aTestersScriptKeepsOnlyNumbersInTheUnitInterval() {
#ifdef NDEBUG
        QSKIP("a tester's script exists in debug builds only");
#else
        QString rejected;
        const auto numbers = QtPlatform::parsescript(QStringLiteral("0.02, 0.5,1,abc,-0.1,0.999"), &rejected);
        QCOMPARE(numbers, (std::deque<double>{0.02, 0.5, 0.999}));
        QCOMPARE(rejected, QStringLiteral("1, abc, -0.1"));
#endif
    }

    void scriptedNumbersComeFirstThenTheGenerator() {
#ifdef NDEBUG
        QSKIP("a tester's script exists in debug builds only");
#else
        QtPlatform platform(quiet());
        platform.script = {0.25, 0.75};
        QCOMPARE(platform.rnd(), 0.25);
        QCOMPARE(platform.rnd(), 0.75);
        const double next = platform.rnd();
        QVERIFY(next >= 0.0 && next < 1.0);
#endif
    }

    void theSoundBankKnowsTheTwentyFourClips_data() {
        QTest::addColumn<int>("clip");
        QTest::addColumn<bool>("known");
        QTest::newRow("101, start-up") << 101 << true;
        QTest::newRow("104") << 104 << true;
        QTest::newRow("105 does not exist") << 105 << false;
        QTest::newRow("106") << 106 << true;
        QTest::newRow("125, not enough credit") << 125 << true;
        QTest::newRow("100") << 100 << false;
        QTest::newRow("126") << 126 << false;
        QTest::newRow("0") << 0 << false;
    }
    void theSoundBankKnowsTheTwentyFourClips() {
        QFETCH(int, clip);
        QFETCH(bool, known);
        QCOMPARE(SoundBank::isclip(clip), known);
    }

    void playingNeverWaitsForAClip() {
        // With or without a sound server, asking for clips returns at once, an unknown number is
        // ignored, and the bank closes cleanly (a wait would hang the test, a clip used across
        // threads would show in the sanitizer's report). What is heard is tested in
        // tst_soundoutput, on a server of its own.
        SoundBank bank;
        for (int clip = 100; clip <= 126; ++clip) bank.play(clip, clip == 117);
        bank.play(-5, false);
        QCoreApplication::processEvents();
    }
};

QTEST_MAIN(TestQtPlatform)
#include "tst_qtplatform.moc"
