// The landing of the reels: its frames and waits at every reel speed, where the reels come to
// rest, the hold that a landing takes back, and the stop and scatter sounds.
#include <cmath>

#include <QtTest>

#include "machinefixture.h"

using namespace zel;
using namespace zeltest;

using Clips = QList<int>;
using Stops = QList<int>;

namespace {

int framestep(int reelspeed) {
    switch (reelspeed) {
    case 1: return 1000;
    case 2: return 800;
    case 4: return 600;
    case 8: return 400;
    default: return 200;
    }
}

Clips landingclips(const FakePlatform& pf) {
    Clips clips;
    for (int n : pf.clipnumbers())
        if (n != 124) clips << n;
    return clips;
}

}  // namespace

class Landing : public QObject {
    Q_OBJECT
private slots:
    void theLandingTakesItsFramesAndWaits_data();
    void theLandingTakesItsFramesAndWaits();
    void aHeldReelNeverMoves();
    void aLandingWithReelOneAtStop22KeepsTheHoldForAnotherSpin_data();
    void aLandingWithReelOneAtStop22KeepsTheHoldForAnotherSpin();
    void eachReelSoundsAsItComesToRest_data();
    void eachReelSoundsAsItComesToRest();
    void aHeldReelMakesNoStopSound();
    void freeSpinsLandSilently();
};

void Landing::theLandingTakesItsFramesAndWaits_data() {
    QTest::addColumn<int>("reelspeed");
    QTest::addColumn<int>("stop1");
    for (int rs : {1, 2, 4, 8, 10})
        for (int stop : {1, 11, 21, 22}) QTest::addRow("speed %d, reel 1 at %d", rs, stop) << rs << stop;
}

void Landing::theLandingTakesItsFramesAndWaits() {
    QFETCH(int, reelspeed);
    QFETCH(int, stop1);
    Machine m;
    m.player.reelspeed = int16_t(reelspeed);
    m.spin({stop1, 12, 5, 14, 3});

    const int step = framestep(reelspeed);
    // Phase 1 counts the frames from -32400 up to reel 1's resting place; none when it lies above.
    const int phase1 = std::max(0, int(std::floor((32400.0 - 1500.0 * stop1) / step)) + 1);
    const int phase = 2 * (4050 / step + 1);
    std::vector<int> expected(phase1, 13 + reelspeed);
    for (int delay : {15, 17, 18, 19}) expected.insert(expected.end(), phase, delay + reelspeed);
    expected.insert(expected.end(), 13, reelspeed + 9);
    QCOMPARE(m.pf.waits, expected);

    for (int r = 1; r <= 5; ++r) QCOMPARE(m.form().reel[r].top, m.zel.reeltop[r]);
    QCOMPARE(m.zel.reeltop[1], -1500 * stop1);
}

void Landing::aHeldReelNeverMoves() {
    Machine m;
    m.spin({5, 1, 5, 14, 3});
    m.form().reel[2].top = 12345;  // a mark that any move would overwrite
    m.spin({7, 8, 15, 4});
    QCOMPARE(m.form().reel[2].top, 12345);
    for (int r : {1, 3, 4, 5}) QCOMPARE(m.form().reel[r].top, m.zel.reeltop[r]);
}

void Landing::aLandingWithReelOneAtStop22KeepsTheHoldForAnotherSpin_data() {
    QTest::addColumn<int>("stop1");
    QTest::addColumn<bool>("heldagain");
    QTest::newRow("reel 1 at 22: no phase-1 frame takes the hold back") << 22 << true;
    QTest::newRow("reel 1 at 21: the hold ends") << 21 << false;
    QTest::newRow("reel 1 at 5: the hold ends") << 5 << false;
}

void Landing::aLandingWithReelOneAtStop22KeepsTheHoldForAnotherSpin() {
    QFETCH(int, stop1);
    QFETCH(bool, heldagain);
    Machine m;
    m.spin({5, 1, 5, 14, 3});        // the wild lands on reel 2
    m.spin({stop1, 5, 14, 3});       // reel 2 held
    QCOMPARE(int(m.zel.reelstop[2]), 1);
    QCOMPARE(int(m.zel.holdreel2), heldagain ? 1 : 0);
    QCOMPARE(int(m.zel.heldreel2), 0);

    if (heldagain) m.spin({5, 5, 14, 3});
    else m.spin({5, 12, 5, 14, 3});
    QVERIFY(m.pf.script.empty());
    QCOMPARE(int(m.zel.reelstop[2]), heldagain ? 1 : 12);
}

void Landing::eachReelSoundsAsItComesToRest_data() {
    // Only line 1 is played at 1 coin; a window with two scatters wins one coin (clip 101).
    QTest::addColumn<Stops>("stops");
    QTest::addColumn<Clips>("clips");
    QTest::newRow("no scatter") << Stops{20, 19, 1, 20, 22} << Clips{116, 116, 116, 116, 116};
    QTest::newRow("a scatter on reel 1") << Stops{21, 20, 6, 4, 15} << Clips{116, 119, 116, 116, 116, 116};
    QTest::newRow("a scatter on reel 2") << Stops{19, 7, 6, 17, 16} << Clips{116, 116, 120, 116, 116, 116};
    QTest::newRow("a scatter on reel 3") << Stops{2, 20, 13, 15, 21} << Clips{116, 116, 116, 121, 116, 116};
    QTest::newRow("a lone scatter on reel 4 is silent") << Stops{15, 17, 7, 5, 14} << Clips{116, 116, 116, 116, 116};
    QTest::newRow("a lone scatter on reel 5 is silent") << Stops{17, 3, 2, 2, 7} << Clips{116, 116, 116, 116, 116};
    QTest::newRow("scatters on reels 4 and 5")
        << Stops{4, 21, 4, 7, 8} << Clips{116, 116, 116, 116, 122, 116, 123, 101};
    QTest::newRow("scatters on reels 1 and 5")
        << Stops{21, 20, 20, 3, 9} << Clips{116, 119, 116, 116, 116, 116, 123, 101};
    QTest::newRow("scatters on reels 2 and 4")
        << Stops{5, 9, 17, 5, 21} << Clips{116, 116, 120, 116, 116, 122, 116, 101};
}

void Landing::eachReelSoundsAsItComesToRest() {
    QFETCH(Stops, stops);
    QFETCH(Clips, clips);
    Machine m;
    m.lines(1);
    m.spin({stops[0], stops[1], stops[2], stops[3], stops[4]});
    QCOMPARE(m.pf.clipnumbers().front(), 124);
    QCOMPARE(landingclips(m.pf), clips);
}

void Landing::aHeldReelMakesNoStopSound() {
    Machine m;
    m.lines(1);
    m.spin({5, 1, 5, 14, 3});
    m.pf.clips.clear();
    m.spin({20, 1, 20, 22});  // reel 2 held; no scatter, no win on line 1
    QCOMPARE(landingclips(m.pf), (Clips{116, 116, 116, 116}));
}

void Landing::freeSpinsLandSilently() {
    Machine m;
    m.lines(1);
    m.zel.betperline = 1;
    m.zel.freespins = 11;
    m.zel.freespinsplayed = 3;
    m.pf.scriptstops({4, 21, 4, 7, 8});   // scatters on reels 4 and 5
    m.pf.scriptdraw(20, 25);               // the feature's multiplier draw
    m.pf.scriptdraw(1, m.player.machinepay);
    m.zel.play_Click(1);
    QVERIFY(m.pf.script.empty());
    QVERIFY(!m.pf.waits.empty());
    for (int n : m.pf.clipnumbers()) QVERIFY2(n < 116 || n > 124, qPrintable(QString::number(n)));
}

QTEST_GUILESS_MAIN(Landing)
#include "tst_landing.moc"
