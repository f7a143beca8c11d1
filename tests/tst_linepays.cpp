// Line pays and scatter pays of a standing spin.
#include <random>

#include <QtTest>

#include "machinefixture.h"
#include "machinetables.h"

using namespace zel;
using namespace zeltest;

using Stops = QList<int>;

namespace {
void spinwith(Machine& m, const Stops& s, int bet) {
    m.spin({s[0], s[1], s[2], s[3], s[4]}, buttonfor(bet));
}
}  // namespace

class LinePays : public QObject {
    Q_OBJECT
private slots:
    void aLinePaysItsRunFromTheLeft_data();
    void aLinePaysItsRunFromTheLeft();
    void everyWindowPaysAsItReadsFromTheLeft();
    void scattersPayMultiplesOfTheTotalStake_data();
    void scattersPayMultiplesOfTheTotalStake();
    void fiveMoneyAtTwentyCoinsOnTwentyFiveLinesPaysThirtyThousand();
};

void LinePays::aLinePaysItsRunFromTheLeft_data() {
    // Only line 1 (the middle row) is played; every window here has at most one scatter.
    QTest::addColumn<Stops>("stops");
    QTest::addColumn<int>("bet");
    QTest::addColumn<int>("win");
    QTest::addColumn<int>("run");
    QTest::newRow("money on reels 1, 2, 3 and 5 (tally 41) pays a run of 3") << Stops{21, 20, 16, 14, 18} << 1 << 300 << 3;
    QTest::newRow("the same at 5 coins a line") << Stops{21, 20, 16, 14, 18} << 5 << 1500 << 3;
    QTest::newRow("money on all five pays a run of 5") << Stops{21, 20, 10, 17, 18} << 2 << 3000 << 5;
    QTest::newRow("badge on reels 1 and 2 (tally 15)") << Stops{3, 4, 5, 14, 3} << 1 << 2 << 2;
    QTest::newRow("badge on reels 1, 2 and 4 (tally 25)") << Stops{3, 4, 5, 12, 3} << 1 << 2 << 2;
    QTest::newRow("badge on reels 1, 2 and 5 (tally 35)") << Stops{3, 4, 5, 14, 10} << 3 << 6 << 2;
    QTest::newRow("badge on reels 1, 2, 4 and 5 (tally 45)") << Stops{3, 4, 5, 12, 22} << 10 << 20 << 2;
    QTest::newRow("badge on reels 1, 2 and 3") << Stops{3, 4, 18, 14, 3} << 1 << 10 << 3;
    QTest::newRow("a wild on reel 2 completes the J of reel 1") << Stops{5, 1, 5, 14, 3} << 1 << 5 << 3;
    QTest::newRow("a wild on reel 3 completes five money") << Stops{21, 20, 10, 17, 18} << 1 << 1500 << 5;
    QTest::newRow("wilds on 2-4 pay the J of reel 1, not the money of reel 5")
        << Stops{5, 1, 10, 10, 18} << 1 << 20 << 4;
    QTest::newRow("a scatter on reel 1 never pays a line, whatever the wilds")
        << Stops{11, 1, 10, 10, 18} << 1 << 0 << 0;
    QTest::newRow("a scatter on reel 1 never pays a line, whatever the money")
        << Stops{11, 20, 16, 17, 18} << 1 << 0 << 0;
    QTest::newRow("a break on reel 2 pays nothing") << Stops{21, 12, 16, 17, 18} << 1 << 0 << 0;
    QTest::newRow("two money pay nothing") << Stops{21, 20, 5, 14, 3} << 1 << 0 << 0;
}

void LinePays::aLinePaysItsRunFromTheLeft() {
    QFETCH(Stops, stops);
    QFETCH(int, bet);
    QFETCH(int, win);
    QFETCH(int, run);
    Machine m;
    m.lines(1);
    const int32_t bank = m.player.bank;
    spinwith(m, stops, bet);
    QVERIFY(m.pf.script.empty());
    QCOMPARE(m.zel.currentwin, win);
    QCOMPARE(int(m.zel.linecount[1]), run);
    QCOMPARE(int(m.zel.winlines[1]), run > 0 ? 1 : 0);
    QCOMPARE(m.player.bank, bank - bet + win);
    QCOMPARE(m.player.total, win);
    QCOMPARE(m.player.wager, bet);
    QCOMPARE(m.form().Timer1.enabled, run > 0);
}

// Many random windows on all line counts and bets: the weighted tallies must pay exactly what
// reading each line from the left pays.
void LinePays::everyWindowPaysAsItReadsFromTheLeft() {
    Machine m;
    std::mt19937 draws(1913);
    std::uniform_int_distribution<int> stopdist(1, 22);
    const int bets[] = {1, 2, 3, 5, 10, 20};
    const int linecounts[] = {1, 5, 10, 15, 25};
    for (int spin = 0; spin < 2000; ++spin) {
        m.zel.holdreel2 = m.zel.holdreel3 = m.zel.holdreel4 = 0;
        m.zel.freespins = m.zel.freespinsplayed = 0;
        const int bet = bets[draws() % 6];
        const int lines = linecounts[draws() % 5];
        m.lines(lines);
        std::array<int, 6> stops{};
        for (int r = 1; r <= 5; ++r) stops[r] = stopdist(draws);
        const int32_t bank = m.player.bank;
        m.spin({stops[1], stops[2], stops[3], stops[4], stops[5]}, buttonfor(bet));

        const Reading expected = readwindow(stops, lines, bet);
        const QByteArray where = QStringLiteral("stops %1 %2 %3 %4 %5, %6 lines at %7")
                                     .arg(stops[1]).arg(stops[2]).arg(stops[3]).arg(stops[4]).arg(stops[5])
                                     .arg(lines).arg(bet).toLatin1();
        QVERIFY2(m.zel.currentwin == expected.win, where.constData());
        for (int L = 1; L <= 25; ++L) {
            QVERIFY2(m.zel.linecount[L] == expected.run[L], where.constData());
            QVERIFY2(m.zel.winlines[L] == (expected.run[L] > 0 ? L : 0), where.constData());
        }
        if (expected.scatters < 3) QVERIFY2(m.player.bank == bank - bet * lines + expected.win, where.constData());
    }
}

void LinePays::scattersPayMultiplesOfTheTotalStake_data() {
    // Windows without wilds in which no line of the 25 pays.
    QTest::addColumn<Stops>("stops");
    QTest::addColumn<int>("bet");
    QTest::addColumn<int>("scatters");
    QTest::addColumn<int>("stakes");
    QTest::newRow("none") << Stops{20, 19, 1, 20, 22} << 1 << 0 << 0;
    QTest::newRow("one") << Stops{1, 15, 8, 21, 2} << 2 << 1 << 0;
    QTest::newRow("two pay one stake") << Stops{20, 9, 12, 21, 17} << 1 << 2 << 1;
    QTest::newRow("two at 20 coins") << Stops{20, 9, 12, 21, 17} << 20 << 2 << 1;
    QTest::newRow("three pay five stakes") << Stops{1, 7, 7, 6, 6} << 3 << 3 << 5;
    QTest::newRow("four pay ten stakes") << Stops{12, 8, 12, 12, 8} << 5 << 4 << 10;
    QTest::newRow("five pay twenty stakes") << Stops{11, 9, 14, 6, 9} << 1 << 5 << 20;
    QTest::newRow("five at 20 coins") << Stops{1, 7, 12, 5, 7} << 20 << 5 << 20;
}

void LinePays::scattersPayMultiplesOfTheTotalStake() {
    QFETCH(Stops, stops);
    QFETCH(int, bet);
    QFETCH(int, scatters);
    QFETCH(int, stakes);
    Machine m;
    spinwith(m, stops, bet);
    QCOMPARE(int(m.zel.scattercount), scatters);
    QCOMPARE(m.zel.currentwin, stakes * bet * 25);
    for (int L = 1; L <= 25; ++L) QCOMPARE(int(m.zel.linecount[L]), 0);
    QCOMPARE(m.form().Timerscatters.enabled, scatters >= 2);
}

void LinePays::fiveMoneyAtTwentyCoinsOnTwentyFiveLinesPaysThirtyThousand() {
    Machine m;
    const int32_t bank = m.player.bank;
    m.spin({21, 20, 16, 17, 18}, 6);
    QCOMPARE(int(m.zel.betperline), 20);
    QCOMPARE(m.zel.currentwin, 30000);
    QCOMPARE(int(m.zel.linecount[1]), 5);
    QCOMPARE(m.player.bank, bank - 500 + 30000);
    QCOMPARE(m.player.total, 30000);
    QCOMPARE(m.pf.clipnumbers().back(), 115);
}

QTEST_GUILESS_MAIN(LinePays)
#include "tst_linepays.moc"
