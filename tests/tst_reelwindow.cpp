// The reel window: what each stop shows, the cells of scatters and wilds, the per-line tallies,
// the wild tags and the wild hold.
#include <random>

#include <QtTest>

#include "machinefixture.h"
#include "machinetables.h"

using namespace zel;
using namespace zeltest;

namespace {

// The reels (bit r-1 for reel r) whose weights add up to a tally; -1 when no subset does.
int reelsof(int tally) {
    for (int mask = 0; mask < 32; ++mask) {
        int sum = 0;
        for (int r = 1; r <= 5; ++r)
            if (mask & (1 << (r - 1))) sum += reelweight[r];
        if (sum == tally) return mask;
    }
    return -1;
}

bool hasreel(int tally, int r) {
    const int mask = reelsof(tally);
    return mask >= 0 && (mask & (1 << (r - 1)));
}

bool contains(const std::vector<int>& lines, int L) { return std::find(lines.begin(), lines.end(), L) != lines.end(); }

}  // namespace

class ReelWindow : public QObject {
    Q_OBJECT
private slots:
    void theStripsHoldTheDesignedSymbols();
    void theRowListsAreTheLineShapesReadReelByReel();
    void reelOneShowsItsScatterInTheRowOfItsStop_data();
    void reelOneShowsItsScatterInTheRowOfItsStop();
    void everyTallyIsTheWeightOfTheReelsShowingTheSymbolOrTheWild();
    void anEagleInTheMiddleOfReelTwoCountsForEverySymbolOnItsLines();
    void aWildHoldsItsReelForExactlyOneMoreSpin();
    void theWildOfTheHighestNumberedReelTagsTheLine_data();
    void theWildOfTheHighestNumberedReelTagsTheLine();
};

void ReelWindow::theStripsHoldTheDesignedSymbols() {
    for (int r = 1; r <= 5; ++r)
        for (int p = 0; p < 24; ++p)
            QVERIFY2(reelstrip[r - 1][p] == stripsymbol(r, p), qPrintable(QStringLiteral("reel %1 position %2").arg(r).arg(p)));
}

void ReelWindow::theRowListsAreTheLineShapesReadReelByReel() {
    for (int r = 1; r <= 5; ++r) {
        std::vector<int> seen;
        for (int row = 0; row < 3; ++row)
            for (int L : rowlist(r, row)) {
                QCOMPARE(shaperow(L, r), row);
                QCOMPARE(int(lineshape[L][r - 1]), row);
                QVERIFY2(!contains(seen, L), "a line appears twice on one reel");
                seen.push_back(L);
            }
        QCOMPARE(int(seen.size()), 25);
    }
}

void ReelWindow::reelOneShowsItsScatterInTheRowOfItsStop_data() {
    QTest::addColumn<int>("stop");
    QTest::addColumn<int>("cell");
    QTest::newRow("stop 1: top") << 1 << 1;
    QTest::newRow("stop 10: bottom") << 10 << 3;
    QTest::newRow("stop 11: middle") << 11 << 2;
    QTest::newRow("stop 12: top") << 12 << 1;
    QTest::newRow("stop 22: middle") << 22 << 2;
    QTest::newRow("stop 5: none") << 5 << 0;
}

void ReelWindow::reelOneShowsItsScatterInTheRowOfItsStop() {
    QFETCH(int, stop);
    QFETCH(int, cell);
    Machine m;
    m.spin({stop, 12, 5, 14, 3});  // reels 2..5 show no scatter and no wild
    QCOMPARE(int(m.zel.reelstop[1]), stop);
    QCOMPARE(int(m.zel.scattercell[1]), cell);
    QCOMPARE(int(m.zel.scattercount), cell > 0 ? 1 : 0);
    QCOMPARE(m.zel.reeltop[1], -1500 * stop);
    if (stop == 22) {
        // badge in the bottom row below the scatter: reel 1's weight on every bottom-row line
        for (int L : rowlist(1, 2)) QVERIFY(hasreel(m.zel.linetally[int(Symbol::badge)][L], 1));
        for (int L : rowlist(1, 1))
            for (int s = 0; s < 10; ++s) QVERIFY2(!hasreel(m.zel.linetally[s][L], 1), "a scatter is tallied");
    }
}

void ReelWindow::everyTallyIsTheWeightOfTheReelsShowingTheSymbolOrTheWild() {
    Machine m;
    std::mt19937 draws(4711);
    std::uniform_int_distribution<int> stopdist(1, 22);
    for (int spin = 0; spin < 300; ++spin) {
        // every spin draws all five reels
        m.zel.holdreel2 = m.zel.holdreel3 = m.zel.holdreel4 = 0;
        m.zel.freespins = m.zel.freespinsplayed = 0;
        std::array<int, 6> stops{};
        for (int r = 1; r <= 5; ++r) stops[r] = stopdist(draws);
        m.spin({stops[1], stops[2], stops[3], stops[4], stops[5]});
        QVERIFY(m.pf.script.empty());

        int tally[10][26] = {};
        int wildtag[26] = {};
        int scatters = 0;
        int scattercell[6] = {}, wildcell[6] = {};
        for (int r = 1; r <= 5; ++r)
            for (int row = 0; row < 3; ++row) {
                const Symbol sym = shown(r, stops[r], row);
                const int w = reelweight[r];
                if (sym == Symbol::mountain) {
                    ++scatters;
                    scattercell[r] = cellof[r][row];
                    continue;
                }
                for (int L : rowlist(r, row)) {
                    if (sym == Symbol::eagle) {
                        for (auto& t : tally) t[L] += w;
                        wildtag[L] = w;
                    } else {
                        tally[int(sym)][L] += w;
                    }
                }
                if (sym == Symbol::eagle) wildcell[r] = cellof[r][row];
            }
        const QByteArray where = QStringLiteral("stops %1 %2 %3 %4 %5")
                                     .arg(stops[1]).arg(stops[2]).arg(stops[3]).arg(stops[4]).arg(stops[5]).toLatin1();
        for (int L = 1; L <= 25; ++L) {
            for (int s = 0; s < 10; ++s) QVERIFY2(m.zel.linetally[s][L] == tally[s][L], where.constData());
            QVERIFY2(m.zel.wildtag[L] == wildtag[L], where.constData());
        }
        QVERIFY2(m.zel.scattercount == scatters, where.constData());
        for (int r = 1; r <= 5; ++r) {
            QVERIFY2(m.zel.scattercell[r] == scattercell[r], where.constData());
            QVERIFY2(m.zel.wildcell[r] == wildcell[r], where.constData());
            QVERIFY2(m.zel.reelstop[r] == stops[r], where.constData());
            QVERIFY2(m.zel.reeltop[r] == -1500 * stops[r], where.constData());
        }
    }
}

void ReelWindow::anEagleInTheMiddleOfReelTwoCountsForEverySymbolOnItsLines() {
    Machine m;
    m.spin({5, 1, 5, 14, 3});
    const std::vector<int> wildlines = {1, 4, 5, 10, 11, 12, 13, 14, 16};
    for (int L = 1; L <= 25; ++L) {
        const bool onwild = contains(wildlines, L);
        for (int s = 0; s < 10; ++s) {
            // off the wild's lines reel 2 only counts for the badge above or the K below
            const bool expected = onwild || (s == int(Symbol::badge) && contains(rowlist(2, 0), L)) ||
                                  (s == int(Symbol::K) && contains(rowlist(2, 2), L));
            QVERIFY2(hasreel(m.zel.linetally[s][L], 2) == expected,
                     qPrintable(QStringLiteral("line %1 symbol %2").arg(L).arg(symbolname[s])));
        }
        QCOMPARE(int(m.zel.wildtag[L]), onwild ? 7 : 0);
    }
    QCOMPARE(int(m.zel.wildcell[2]), 5);
    QCOMPARE(int(m.zel.holdreel2), 1);
    QCOMPARE(int(m.zel.heldreel2), 0);

    // The next spin draws reels 1, 3, 4, 5 only and shows the same wild again.
    m.spin({7, 8, 15, 4});
    QVERIFY(m.pf.script.empty());
    QCOMPARE(int(m.zel.reelstop[1]), 7);
    QCOMPARE(int(m.zel.reelstop[2]), 1);
    QCOMPARE(int(m.zel.reelstop[3]), 8);
    QCOMPARE(int(m.zel.reelstop[4]), 15);
    QCOMPARE(int(m.zel.reelstop[5]), 4);
    QCOMPARE(int(m.zel.wildcell[2]), 5);
    for (int L : wildlines) QCOMPARE(int(m.zel.wildtag[L]), 7);
    QCOMPARE(int(m.zel.heldreel2), 0);  // cleared once the reels have landed
}

void ReelWindow::aWildHoldsItsReelForExactlyOneMoreSpin() {
    Machine m;
    m.spin({5, 1, 10, 14, 3});       // wilds on reels 2 and 3
    m.spin({7, 15, 4});              // both held
    QCOMPARE(int(m.zel.reelstop[2]), 1);
    QCOMPARE(int(m.zel.reelstop[3]), 10);
    QCOMPARE(int(m.zel.holdreel2), 0);  // the landing took the request back
    QCOMPARE(int(m.zel.holdreel3), 0);
    m.spin({7, 12, 5, 15, 4});       // all five draw again
    QVERIFY(m.pf.script.empty());
    QCOMPARE(int(m.zel.reelstop[2]), 12);
    QCOMPARE(int(m.zel.reelstop[3]), 5);
    QCOMPARE(int(m.zel.wildcell[2]), 0);
    QCOMPARE(int(m.zel.wildcell[3]), 0);
}

void ReelWindow::theWildOfTheHighestNumberedReelTagsTheLine_data() {
    QTest::addColumn<int>("stop2");
    QTest::addColumn<int>("stop3");
    QTest::addColumn<int>("stop4");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("tag");
    QTest::newRow("reels 2 and 4, line 1") << 1 << 5 << 10 << 1 << 10;
    QTest::newRow("reels 2 and 4, line 16") << 1 << 5 << 10 << 16 << 10;
    QTest::newRow("reel 4 alone, line 24") << 1 << 5 << 10 << 24 << 10;
    QTest::newRow("no wild, line 2") << 1 << 5 << 10 << 2 << 0;
    QTest::newRow("reels 2 and 3, line 1") << 1 << 10 << 14 << 1 << 6;
    QTest::newRow("reel 2 alone, line 4") << 1 << 10 << 14 << 4 << 7;
    QTest::newRow("reel 3 alone, line 6") << 1 << 10 << 14 << 6 << 6;
    QTest::newRow("reels 2, 3, 4, line 12") << 1 << 10 << 10 << 12 << 10;
    QTest::newRow("reels 2 and 4, line 4") << 1 << 10 << 10 << 4 << 10;
    QTest::newRow("reel 3 bottom, reel 4 top, line 20") << 12 << 9 << 11 << 20 << 10;
    QTest::newRow("reel 3 bottom, line 3") << 12 << 9 << 11 << 3 << 6;
}

void ReelWindow::theWildOfTheHighestNumberedReelTagsTheLine() {
    QFETCH(int, stop2);
    QFETCH(int, stop3);
    QFETCH(int, stop4);
    QFETCH(int, line);
    QFETCH(int, tag);
    Machine m;
    m.spin({5, stop2, stop3, stop4, 3});
    QCOMPARE(int(m.zel.wildtag[line]), tag);
}

QTEST_GUILESS_MAIN(ReelWindow)
#include "tst_reelwindow.moc"
