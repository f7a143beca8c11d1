// The line table: the cells each winning line runs through, its colour, and its six segments
// between the reel windows.
#include <QtTest>

#include <cstdlib>

#include "core/machine/formmodel.h"
#include "core/machine/linetable.h"

using namespace zel;

class LineTableTest : public QObject {
    Q_OBJECT

private slots:
    void everyLineRunsThroughItsOwnCells_data();
    void everyLineRunsThroughItsOwnCells();
    void everySegmentMeetsTheRowsOfTheCellsItJoins_data();
    void everySegmentMeetsTheRowsOfTheCellsItJoins();
    void everySegmentRunsFromOneReelEdgeToTheNext_data();
    void everySegmentRunsFromOneReelEdgeToTheNext();
    void linesWithoutAColourOfTheirOwnGetDistinctColours();
};

void LineTableTest::everyLineRunsThroughItsOwnCells_data() {
    QTest::addColumn<int>("line");
    QTest::addColumn<QList<int>>("cells");
    const int cells[numlines + 1][5] = {
        {},
        {2, 5, 8, 11, 14}, {1, 6, 7, 12, 13}, {3, 4, 9, 10, 15}, {1, 5, 9, 11, 13}, {3, 5, 7, 11, 15},
        {1, 6, 8, 12, 13}, {3, 4, 8, 10, 15}, {2, 6, 7, 12, 14}, {2, 4, 9, 10, 14}, {2, 5, 7, 11, 14},
        {2, 5, 9, 11, 14}, {1, 5, 8, 11, 13}, {3, 5, 8, 11, 15}, {1, 5, 7, 11, 13}, {2, 6, 8, 12, 14},
        {3, 5, 9, 11, 15}, {2, 4, 8, 10, 14}, {1, 4, 7, 10, 13}, {3, 6, 9, 12, 15}, {2, 6, 9, 12, 14},
        {2, 4, 7, 10, 14}, {2, 6, 8, 10, 14}, {2, 4, 8, 12, 14}, {1, 6, 7, 11, 15}, {3, 4, 9, 11, 13}};
    for (int L = 1; L <= numlines; ++L)
        QTest::addRow("line %d", L) << L << QList<int>(std::begin(cells[L]), std::end(cells[L]));
}

void LineTableTest::everyLineRunsThroughItsOwnCells() {
    QFETCH(int, line);
    QFETCH(QList<int>, cells);
    const LineLook& look = linetable[line];
    QCOMPARE(QList<int>(std::begin(look.cells), std::end(look.cells)), cells);
}

void LineTableTest::everySegmentMeetsTheRowsOfTheCellsItJoins_data() {
    QTest::addColumn<int>("line");
    for (int L = 1; L <= numlines; ++L) QTest::addRow("line %d", L) << L;
}

// Each of the six segments covers one place: the left stub, a gap between two reel windows, or the
// right stub. An end of a segment must lie in the row band of the cell it leads from or to (nearer
// that row than any other), and a segment joining two cells of the same row lies on that row.
void LineTableTest::everySegmentMeetsTheRowsOfTheCellsItJoins() {
    QFETCH(int, line);
    const LineLook& look = linetable[line];
    const int32_t places[6] = {645, 2295, 3975, 5600, 7245, 8925};  // stub, gaps 1..4, stub
    // Reels 1, 3 and 5 number their cells downwards, reels 2 and 4 upwards.
    const auto rowof = [](int cell) {
        const int down = (cell - 1) % 3;
        return linegeometry::rowy[cellreel(cell) % 2 == 0 ? 2 - down : down];
    };
    const auto nearest = [](int32_t y) {
        int best = 0;
        for (int r = 1; r < 3; ++r)
            if (std::abs(y - linegeometry::rowy[r]) < std::abs(y - linegeometry::rowy[best])) best = r;
        return linegeometry::rowy[best];
    };

    bool covered[6] = {};
    for (const Segment& s : look.segments) {
        const int32_t mid = (s.x1 + s.x2) / 2;
        int place = 0;
        for (int p = 1; p < 6; ++p)
            if (std::abs(mid - places[p]) < std::abs(mid - places[place])) place = p;
        QVERIFY2(!covered[place], qPrintable(QStringLiteral("two segments at x %1").arg(mid)));
        covered[place] = true;

        // The left end belongs to the cell on the reel before the place, the right end to the one after.
        const bool leftfirst = s.x1 <= s.x2;
        const int32_t lefty = leftfirst ? s.y1 : s.y2, righty = leftfirst ? s.y2 : s.y1;
        const int leftcell = look.cells[place == 0 ? 0 : place - 1];
        const int rightcell = look.cells[place == 5 ? 4 : place];
        QCOMPARE(nearest(lefty), rowof(leftcell));
        QCOMPARE(nearest(righty), rowof(rightcell));
        if (rowof(leftcell) == rowof(rightcell)) {
            QCOMPARE(lefty, rowof(leftcell));
            QCOMPARE(righty, rowof(rightcell));
        }
    }
    for (bool c : covered) QVERIFY(c);
}

void LineTableTest::everySegmentRunsFromOneReelEdgeToTheNext_data() { everySegmentMeetsTheRowsOfTheCellsItJoins_data(); }

// A segment fills its place from edge to edge: the left stub from the left tags to reel 1, a gap
// from one reel window to the next, the right stub from reel 5 to the right tags. So its ends meet
// the reel windows and no part of it lies over a symbol.
void LineTableTest::everySegmentRunsFromOneReelEdgeToTheNext() {
    QFETCH(int, line);
    const ZelForm form;
    const Control& lefttag = form.lin[1];
    const Control& righttag = form.lin[14];
    QList<QPair<int32_t, int32_t>> places{{lefttag.left + lefttag.width, form.Picture[1].left}};
    for (int r = 1; r < reelcount; ++r) places.append({form.Picture[r].left + form.Picture[r].width, form.Picture[r + 1].left});
    places.append({form.Picture[5].left + form.Picture[5].width, righttag.left});

    for (const Segment& s : linetable[line].segments) {
        const QPair<int32_t, int32_t> span{std::min(s.x1, s.x2), std::max(s.x1, s.x2)};
        QVERIFY2(places.contains(span), qPrintable(QStringLiteral("segment from x %1 to x %2").arg(span.first).arg(span.second)));
        for (int r = 1; r <= reelcount; ++r) {
            const Control& window = form.Picture[r];
            QVERIFY(span.second <= window.left || span.first >= window.left + window.width);
        }
    }
}

void LineTableTest::linesWithoutAColourOfTheirOwnGetDistinctColours() {
    for (int L = 21; L <= numlines; ++L)
        for (int other = 1; other <= numlines; ++other)
            if (other != L) QVERIFY2(linetable[L].colour != linetable[other].colour, qPrintable(QString::number(L)));
}

QTEST_GUILESS_MAIN(LineTableTest)
#include "tst_linetable.moc"
