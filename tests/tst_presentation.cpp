// The winning-line, scatter and wild presentation timers (the line table itself: tst_linetable).
#include <QtTest>

#include <vector>

#include "fakeplatform.h"
#include "core/machine/linetable.h"
#include "core/machine/zel.h"

using namespace zel;

namespace {

struct Machine {
    Player player;
    FakePlatform platform;
    Zel zel{player, platform};

    // A presentation as the evaluation leaves it: loopindex one past the lines played.
    void win(int line, int run) {
        zel.winlines[line] = int16_t(line);
        zel.linecount[line] = int16_t(run);
        zel.loopindex = int16_t(zel.linesplayed + 1);
        zel.form.Timer1.enabled = true;
    }
};

QString phases(const std::vector<int>& v) {
    QStringList parts;
    for (int p : v) parts << QString::number(p);
    return parts.join(QLatin1Char(','));
}

}  // namespace

class PresentationTest : public QObject {
    Q_OBJECT

private slots:
    void aWinningLineBlinksAndIsDarkOnItsFifthTick_data();
    void aWinningLineBlinksAndIsDarkOnItsFifthTick();
    void winningLinesAreShownFiveTicksEachInAscendingOrder();
    void aWildInThePayingRunStaysLitWhileTheRestOfTheRunBlinks();
    void aLineWithoutTheGamesOwnSegmentsIsDrawnFromItsShape();
    void noWinningLineStopsTheTimerWithoutDrawingOrPausing_data();
    void noWinningLineStopsTheTimerWithoutDrawingOrPausing();
    void eventsArePumpedBeforeThePause();
    void aWinningLineLeavesTheReelsWhenItsPresentationEnds_data();
    void aWinningLineLeavesTheReelsWhenItsPresentationEnds();

    void scattersRiseAndFallInAThirtyNineTickCycle();
    void twoScattersPulseInStepAndNoOtherCellShows();
    void theWildAnimationCyclesSevenFramesOnReelsWithAWild();
    void theWildAnimationSkipsReelsWithoutAWild();
};

void PresentationTest::aWinningLineBlinksAndIsDarkOnItsFifthTick_data() {
    QTest::addColumn<int>("phasecarried");
    QTest::addColumn<QString>("expected");
    QTest::newRow("from a fresh machine") << 0 << QStringLiteral("1,0,1,0,0,1,0,1,0,0");
    QTest::newRow("phase carried lit from a previous win") << 1 << QStringLiteral("0,1,0,1,0,1,0,1,0,0");
}

void PresentationTest::aWinningLineBlinksAndIsDarkOnItsFifthTick() {
    QFETCH(int, phasecarried);
    QFETCH(QString, expected);
    Machine m;
    m.zel.flashphase = int16_t(phasecarried);
    m.win(1, 5);

    std::vector<int> seen;
    for (int tick = 0; tick < 10; ++tick) {
        m.zel.Timer1_Timer();
        const int phase = m.zel.flashphase;
        seen.push_back(phase);
        QCOMPARE(m.zel.loopindex, int16_t(1));
        for (int i = 1; i <= 6; ++i) {
            const LineControl& seg = m.zel.form.Lineflash[i];
            QCOMPARE(seg.visible, phase != 0);
            QCOMPARE(seg.bordercolor, 0x00FFFFu);
            QCOMPARE(seg.y1, 3090);
            QCOMPARE(seg.y2, 3090);
        }
        QCOMPARE(m.zel.form.lin[1].visible, phase != 1);
        for (int cell : {2, 5, 8, 11, 14}) QCOMPARE(m.zel.form.flasher[cell].visible, phase != 0);
        for (int cell : {1, 3, 4, 6, 7, 9, 10, 12, 13, 15}) QVERIFY(!m.zel.form.flasher[cell].visible);
    }
    QCOMPARE(phases(seen), expected);
    QCOMPARE(m.platform.waits, std::vector<int>(10, 150));
    QVERIFY(m.zel.form.Timer1.enabled);
}

void PresentationTest::winningLinesAreShownFiveTicksEachInAscendingOrder() {
    Machine m;
    m.zel.linesplayed = 10;
    m.win(7, 3);
    m.win(3, 4);

    std::vector<int> shown;
    for (int tick = 0; tick < 11; ++tick) {
        m.zel.Timer1_Timer();
        shown.push_back(m.zel.loopindex);
        if (m.zel.flashphase == 1)
            QCOMPARE(m.zel.form.Lineflash[1].bordercolor, m.zel.loopindex == 7 ? 0xFF0000u : 0xFFC0C0u);
    }
    QCOMPARE(phases(shown), QStringLiteral("3,3,3,3,3,7,7,7,7,7,3"));
    // Both runs end before reel 5, so its cell of these lines was never lit.
    QVERIFY(!m.zel.form.flasher[15].visible);
}

void PresentationTest::aWildInThePayingRunStaysLitWhileTheRestOfTheRunBlinks() {
    Machine m;
    m.win(1, 3);
    m.zel.wildcell[2] = 5;
    // Cells beyond the run keep whatever they showed.
    m.zel.form.flasher[11].visible = true;
    m.zel.form.flasher[14].visible = false;

    for (int tick = 0; tick < 5; ++tick) {
        m.zel.Timer1_Timer();
        const bool lit = m.zel.flashphase != 0;
        QVERIFY(m.zel.form.flasher[5].visible);
        QCOMPARE(m.zel.form.flasher[2].visible, lit);
        QCOMPARE(m.zel.form.flasher[8].visible, lit);
        QVERIFY(m.zel.form.flasher[11].visible);
        QVERIFY(!m.zel.form.flasher[14].visible);
    }
    // After the fifth tick the blinking cells are dark and the wild is still lit.
    QVERIFY(!m.zel.form.flasher[2].visible);
    QVERIFY(m.zel.form.flasher[5].visible);
}

void PresentationTest::aLineWithoutTheGamesOwnSegmentsIsDrawnFromItsShape() {
    Machine m;
    m.win(22, 5);
    const LineLook& look = linetable[22];

    for (int tick = 0; tick < 5; ++tick) {
        m.zel.Timer1_Timer();
        const int phase = m.zel.flashphase;
        for (int cell : {2, 6, 8, 10, 14}) QCOMPARE(m.zel.form.flasher[cell].visible, phase != 0);
        QCOMPARE(m.zel.form.lin[22].visible, phase != 1);
        for (int i = 1; i <= 6; ++i) {
            const LineControl& seg = m.zel.form.Lineflash[i];
            const Segment& s = look.segments[i - 1];
            QCOMPARE(seg.visible, phase != 0);
            QCOMPARE(seg.bordercolor, 0x00A0FFu);
            QCOMPARE(seg.x1, s.x1);
            QCOMPARE(seg.y1, s.y1);
            QCOMPARE(seg.x2, s.x2);
            QCOMPARE(seg.y2, s.y2);
        }
    }
    // The line runs middle, top, middle, bottom, middle: the stubs lie on the middle row and the
    // segment between reels 3 and 4 goes downwards.
    QCOMPARE(look.segments[4].y1, 3090);
    QCOMPARE(look.segments[5].y2, 3090);
    QVERIFY(look.segments[2].y2 > look.segments[2].y1);
}

void PresentationTest::noWinningLineStopsTheTimerWithoutDrawingOrPausing_data() {
    QTest::addColumn<int>("linesplayed");
    QTest::addColumn<int>("winningline");
    QTest::newRow("no line won") << 25 << 0;
    QTest::newRow("only a line beyond those played is marked") << 10 << 12;
}

void PresentationTest::noWinningLineStopsTheTimerWithoutDrawingOrPausing() {
    QFETCH(int, linesplayed);
    QFETCH(int, winningline);
    Machine m;
    m.zel.linesplayed = int16_t(linesplayed);
    if (winningline > 0) m.win(winningline, 3);
    m.zel.form.Timer1.enabled = true;
    m.zel.lineticks = 2;
    m.zel.flashphase = 1;

    m.zel.Timer1_Timer();

    QVERIFY(!m.zel.form.Timer1.enabled);
    QVERIFY(m.platform.waits.empty());
    QCOMPARE(m.platform.doeventscount, 0);
    QCOMPARE(m.zel.lineticks, int16_t(2));
    QCOMPARE(m.zel.flashphase, int16_t(1));
    for (int i = 1; i <= 6; ++i) QVERIFY(!m.zel.form.Lineflash[i].visible);
}

void PresentationTest::eventsArePumpedBeforeThePause() {
    Machine m;
    m.win(2, 3);
    std::vector<size_t> waitsatpump;
    m.platform.ondoevents = [&] { waitsatpump.push_back(m.platform.waits.size()); };
    m.zel.Timer1_Timer();
    m.zel.Timer1_Timer();
    QCOMPARE(waitsatpump, (std::vector<size_t>{0, 1}));
    QCOMPARE(m.platform.waits.size(), size_t(2));
}

void PresentationTest::aWinningLineLeavesTheReelsWhenItsPresentationEnds_data() {
    QTest::addColumn<bool>("gamble");
    QTest::newRow("the gamble is entered") << true;
    QTest::newRow("a line button plays fewer lines") << false;
}

// Entering the gamble and choosing fewer lines end the line on show as a new spin does: its six
// segments go dark and its tag shows again, so no win seems to be on show.
void PresentationTest::aWinningLineLeavesTheReelsWhenItsPresentationEnds() {
    QFETCH(bool, gamble);
    Machine m;
    m.player.bank = 1000;
    m.win(7, 3);
    m.zel.Timer1_Timer();
    QVERIFY(m.zel.form.Lineflash[1].visible);
    QVERIFY(!m.zel.form.lin[7].visible);

    if (gamble) {
        m.zel.currentwin = 40;
        m.zel.form.doublebutton.enabled = true;
        m.zel.doublebutton_Click();
    } else {
        m.zel.payline_Click(2);  // 5 lines: line 7 is no longer played
    }
    for (int i = 1; i <= 6; ++i) QVERIFY2(!m.zel.form.Lineflash[i].visible, qPrintable(QString::number(i)));
    for (int L = 1; L <= numlines; ++L) QVERIFY2(m.zel.form.lin[L].visible, qPrintable(QString::number(L)));
    for (int cell = 1; cell <= 15; ++cell) QVERIFY(!m.zel.form.flasher[cell].visible);

    // Nothing brings the line back: a tick that finds no winning line among those played stops.
    if (m.zel.form.Timer1.enabled) m.zel.Timer1_Timer();
    QVERIFY(!m.zel.form.Timer1.enabled);
    for (int i = 1; i <= 6; ++i) QVERIFY(!m.zel.form.Lineflash[i].visible);
}

void PresentationTest::scattersRiseAndFallInAThirtyNineTickCycle() {
    Machine m;
    m.zel.scattercell[3] = 8;
    std::vector<int> expected;
    for (int f = 1; f <= 20; ++f) expected.push_back(f);
    for (int f = 19; f >= 1; --f) expected.push_back(f);
    for (int cycle = 0; cycle < 2; ++cycle) {
        for (int f = 2; f <= 20; ++f) expected.push_back(f);
        expected.push_back(20);
        for (int f = 19; f >= 1; --f) expected.push_back(f);
    }

    std::vector<int> seen;
    for (size_t tick = 0; tick < expected.size(); ++tick) {
        m.zel.Timerscatters_Timer();
        const Control& f = m.zel.form.flasher[8];
        QVERIFY(f.visible);
        QVERIFY(f.picture.list == PicList::ImageList1);
        seen.push_back(f.picture.index);
    }
    QCOMPARE(phases(seen), phases(expected));
}

void PresentationTest::twoScattersPulseInStepAndNoOtherCellShows() {
    Machine m;
    m.zel.scattercell[1] = 2;
    m.zel.scattercell[4] = 11;
    m.zel.scattercell[5] = 4;  // not a cell of reel 5: ignored
    for (int tick = 0; tick < 45; ++tick) {
        m.zel.Timerscatters_Timer();
        QVERIFY(m.zel.form.flasher[2].visible);
        QVERIFY(m.zel.form.flasher[11].visible);
        QVERIFY(m.zel.form.flasher[2].picture == m.zel.form.flasher[11].picture);
        QCOMPARE(m.zel.form.flasher[2].picture.index, m.zel.scatterframe);
        for (int cell = 1; cell <= 15; ++cell) {
            if (cell == 2 || cell == 11) continue;
            QVERIFY(!m.zel.form.flasher[cell].visible);
            QCOMPARE(m.zel.form.flasher[cell].picture.index, int16_t(26));
        }
    }
}

void PresentationTest::theWildAnimationCyclesSevenFramesOnReelsWithAWild() {
    Machine m;
    m.zel.wildcell[3] = 8;
    m.zel.wildcell[1] = 2;  // reel 1 never animates a wild
    std::vector<int> seen;
    for (int tick = 0; tick < 16; ++tick) {
        m.zel.Timer4_Timer();
        const Control& f = m.zel.form.flasher[8];
        QVERIFY(f.picture.list == PicList::ImageList2);
        QCOMPARE(f.picture.overlay, int16_t(0));
        QVERIFY(!f.visible);  // shown only when the line presentation lights it
        seen.push_back(f.picture.index);
        QCOMPARE(m.zel.form.flasher[2].picture.list, PicList::ImageList1);
    }
    QCOMPARE(phases(seen), QStringLiteral("1,2,3,4,5,6,7,1,2,3,4,5,6,7,1,2"));
}

void PresentationTest::theWildAnimationSkipsReelsWithoutAWild() {
    Machine m;
    m.zel.wildcell[2] = 0;
    m.zel.wildcell[3] = 0;
    m.zel.wildcell[4] = 3;  // a cell of reel 1, not of reel 4
    for (int tick = 0; tick < 3; ++tick) {
        m.zel.Timer4_Timer();
        for (int cell = 1; cell <= 15; ++cell) QCOMPARE(m.zel.form.flasher[cell].picture.index, int16_t(26));
    }
    QCOMPARE(m.zel.wildframe, int16_t(3));
}

QTEST_GUILESS_MAIN(PresentationTest)
#include "tst_presentation.moc"
