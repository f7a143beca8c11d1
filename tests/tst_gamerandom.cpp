// The one random generator: draws taken within one clock tick differ, and reel stops are uniform.
#include <cmath>

#include <QtTest>

#include "machinefixture.h"
#include "core/platform/gamerandom.h"
#include "core/platform/headlessplatform.h"

using namespace zel;
using namespace zeltest;

namespace {

constexpr double chisquare1percent21df = 38.93;

// Int(Rnd * 22) + 1 after stirring in the clock, as a reel draws its stop.
int reeldraw(Platform& p) {
    p.randomize();
    return int(std::floor(p.rnd() * 22)) + 1;
}

double chisquare(const std::array<int, 23>& counts, int draws) {
    const double expected = draws / 22.0;
    double sum = 0;
    for (int s = 1; s <= 22; ++s) sum += (counts[s] - expected) * (counts[s] - expected) / expected;
    return sum;
}

}  // namespace

class GameRandomTest : public QObject {
    Q_OBJECT
private slots:
    void stirringInTheSameClockKeepsTheGeneratorsApart();
    void aFixedSeedReplaysTheSameDraws();
    void drawsLieBetweenZeroAndOne();
    void fiveReelsDrawnWithinOneClockTickAreNotForcedEqual();
    void reelStopsAreUniform_data();
    void reelStopsAreUniform();
    void reelOneStopsOfPlayedSpinsAreUniform();
};

// Were the clock to replace the state, two generators stirred with the same clock would agree.
void GameRandomTest::stirringInTheSameClockKeepsTheGeneratorsApart() {
    GameRandom a(1), b(2);
    a.mixclock(123456789);
    b.mixclock(123456789);
    QVERIFY(a.next() != b.next());
    std::array<double, 5> five{};
    for (double& v : five) {
        a.mixclock(123456789);
        v = a.next();
    }
    QVERIFY(!(five[0] == five[1] && five[1] == five[2] && five[2] == five[3] && five[3] == five[4]));
}

void GameRandomTest::aFixedSeedReplaysTheSameDraws() {
    GameRandom a(99), b(99), c(100);
    bool differs = false;
    for (int i = 0; i < 100; ++i) {
        a.mixclock(uint64_t(i));
        b.mixclock(uint64_t(i));
        c.mixclock(uint64_t(i));
        const double x = a.next();
        QCOMPARE(x, b.next());
        differs = differs || x != c.next();
    }
    QVERIFY(differs);
}

void GameRandomTest::drawsLieBetweenZeroAndOne() {
    GameRandom g(7);
    double low = 1, high = 0;
    for (int i = 0; i < 100000; ++i) {
        const double x = g.next();
        QVERIFY(x >= 0.0 && x < 1.0);
        low = std::min(low, x);
        high = std::max(high, x);
    }
    QVERIFY(low < 0.001 && high > 0.999);
}

// The fake platform's clock never moves: every draw of a spin happens within one tick.
void GameRandomTest::fiveReelsDrawnWithinOneClockTickAreNotForcedEqual() {
    Machine m;
    m.pf.recordwaits = false;
    int alike = 0;
    std::array<int, 23> reel1{};
    for (int spin = 0; spin < 1000; ++spin) {
        m.zel.holdreel2 = m.zel.holdreel3 = m.zel.holdreel4 = 0;
        m.zel.freespins = m.zel.freespinsplayed = 0;
        m.zel.play_Click(1);
        const auto& s = m.zel.reelstop;
        if (s[1] == s[2] && s[2] == s[3] && s[3] == s[4] && s[4] == s[5]) ++alike;
        ++reel1[s[1]];
    }
    QCOMPARE(m.pf.clock, uint64_t(1));
    QVERIFY2(alike < 10, qPrintable(QString::number(alike)));  // about 0.004 expected by chance
    for (int s = 1; s <= 22; ++s) QVERIFY(reel1[s] > 0);
}

void GameRandomTest::reelStopsAreUniform_data() {
    QTest::addColumn<bool>("clockmoves");
    QTest::newRow("the clock stands still") << false;
    QTest::newRow("the clock ticks with every draw") << true;
}

// 220,000 stops, 22 bins, 21 degrees of freedom; a fixed seed keeps the verdict the same every run.
void GameRandomTest::reelStopsAreUniform() {
    QFETCH(bool, clockmoves);
    FakePlatform fake;
    HeadlessPlatform ticking(20261208);
    Platform& p = clockmoves ? static_cast<Platform&>(ticking) : fake;
    std::array<int, 23> counts{};
    const int draws = 220000;
    for (int i = 0; i < draws; ++i) {
        const int s = reeldraw(p);
        QVERIFY(s >= 1 && s <= 22);
        ++counts[s];
    }
    const double chi = chisquare(counts, draws);
    QVERIFY2(chi < chisquare1percent21df, qPrintable(QString::number(chi)));
}

// The same through the game itself: the stops that reel 1 comes to rest on. A pay setting of 1
// lets every spin stand, so no voided win is drawn again and every draw is counted.
void GameRandomTest::reelOneStopsOfPlayedSpinsAreUniform() {
    Machine m;
    m.pf.recordwaits = false;
    m.player.machinepay = 1;
    m.lines(1);
    std::array<int, 23> counts{};
    const int spins = 220000;
    for (int spin = 0; spin < spins; ++spin) {
        m.zel.freespins = m.zel.freespinsplayed = 0;
        m.zel.play_Click(1);
        ++counts[m.zel.reelstop[1]];
    }
    const double chi = chisquare(counts, spins);
    QVERIFY2(chi < chisquare1percent21df, qPrintable(QString::number(chi)));
}

QTEST_GUILESS_MAIN(GameRandomTest)
#include "tst_gamerandom.moc"
