// The free-spin feature played through: the award, the automatic spins driven by the win
// meter and the respin timer, the multiplier on wins through a wild, and the end of the feature.
#include <algorithm>

#include <QtTest>

#include "gamblerig.h"

using namespace zel;

namespace {

// Stops (reels 1..5) that show a mountain on reels 1, 2 and 3 and pay nothing else: 5 x stake.
constexpr int threescatters[5] = {11, 8, 13, 15, 15};
// The same with a fourth mountain on reel 4: 10 x stake.
constexpr int fourscatters[5] = {11, 8, 13, 6, 15};
// Stops that show neither a scatter nor a wild nor any paying line.
constexpr int nowin[5] = {5, 12, 3, 3, 3};
// Two runs of three J (lines 17 and 23) and one mountain, no wild: 10 coins at 1 per line.
constexpr int jacks[5] = {5, 4, 5, 5, 5};
// A wild in the middle of reel 2 inside several paying runs (K on line 1 among them): 93 coins.
constexpr int wildwin[5] = {2, 1, 21, 3, 3};

void scriptspin(FakePlatform& p, const int (&stops)[5]) {
    for (int s : stops) p.scriptstop(s);
}

bool played(const FakePlatform& p, int clip, bool loop = false) {
    return std::find(p.clips.begin(), p.clips.end(), std::make_pair(clip, loop)) != p.clips.end();
}

}  // namespace

class FreeSpinsTest : public QObject {
    Q_OBJECT

private slots:
    void threeScattersGiveTenFreeSpinsThatPlayThemselves() {
        Rig rig;
        rig.zel.linesplayed = 25;
        scriptspin(rig.platform, threescatters);
        rig.platform.scriptdraw(1, 6);  // the pay setting lets the big win stand
        rig.zel.play_Click(1);

        QVERIFY(rig.platform.script.empty());
        QCOMPARE(rig.zel.freespins, int16_t(11));
        QCOMPARE(rig.zel.freespinsplayed, int16_t(1));
        QVERIFY(rig.zel.form.spinsleft.visible);
        QCOMPARE(rig.zel.form.spinsleft.caption, QStringLiteral("     Freespins Remaining  10"));
        // The triggering spin is free: its stake is back and its win waits in the feature total.
        QCOMPARE(rig.player.bank, 1000);
        QCOMPARE(rig.player.wager, 0);
        QCOMPARE(rig.player.games, 0);
        QCOMPARE(rig.player.total, 125);
        QCOMPARE(rig.zel.freespintotal, 125);
        QCOMPARE(rig.zel.form.LABWIN.caption, QStringLiteral("125"));
        QCOMPARE(rig.zel.form.lblwin.caption, QStringLiteral("$ 1.25"));
        QVERIFY(std::count(rig.platform.waits.begin(), rig.platform.waits.end(), 3000) == 1);
        QVERIFY(played(rig.platform, 118));
        QVERIFY(played(rig.platform, 117, true));
        QVERIFY(!rig.zel.form.keypreview);
        for (int i = 1; i <= 6; ++i) QVERIFY(!rig.zel.form.play[i].visible);
        QVERIFY(!rig.zel.form.doublebutton.visible);
        QVERIFY(rig.zel.form.Lblcurrentwin.visible);
        QVERIFY(rig.zel.form.Timerwincounter.enabled);

        for (int spin = 1; spin <= 10; ++spin) {
            QVERIFY2(rig.runmeter() > 0, "the win meter finishes");
            QVERIFY(rig.zel.form.Timerrespin.enabled);
            if (spin == 5) scriptspin(rig.platform, jacks);
            else if (spin == 10) scriptspin(rig.platform, wildwin);
            else scriptspin(rig.platform, nowin);
            rig.platform.scriptdraw(spin == 10 ? 3 : 20, 25);  // the multiplier: 3 gives x5
            rig.platform.scriptdraw(1, 6);
            rig.zel.Timerrespin_Timer();
            QVERIFY(rig.platform.script.empty());
            QVERIFY(!rig.zel.form.Timerrespin.enabled);
            QCOMPARE(rig.zel.freespinsplayed, int16_t(1 + spin));
            if (spin < 10) {
                QCOMPARE(rig.zel.form.spinsleft.caption, QStringLiteral("     Freespins Remaining  ") + QString::number(10 - spin));
                QCOMPARE(rig.player.bank, 1000);
                QVERIFY(rig.zel.form.Timerwincounter.enabled);
            }
        }

        QCOMPARE(rig.zel.freespinmultiplier, int16_t(5));
        QCOMPARE(rig.zel.currentwin, 465);
        QCOMPARE(rig.zel.freespintotal, 125 + 10 + 465);
        QCOMPARE(rig.zel.form.spinsleft.caption, QStringLiteral("Freespins Completed          "));
        QVERIFY(rig.zel.form.takewin.visible && rig.zel.form.takewin.enabled);
        QVERIFY(!rig.zel.form.Timerwincounter.enabled);
        QVERIFY(rig.zel.form.LABLASTBET.visible && rig.zel.form.lbllast.visible);
        QVERIFY(!rig.zel.form.LABTHISWIN.visible && !rig.zel.form.Lblcurrentwin.visible);
        // Exactly one spin of the feature is charged: the last one.
        QCOMPARE(rig.player.bank, 975);
        QCOMPARE(rig.player.wager, 25);
        QCOMPARE(rig.player.games, 1);

        // The wild of the last spin shows its x5 badge: wild picture 1 under badge picture 17.
        QVERIFY(rig.zel.form.timerwild.enabled);
        rig.zel.timerwild_Timer();
        QCOMPARE(rig.zel.form.flasher[5].picture, (Pic{PicList::ImageList2, 1, 17}));

        rig.zel.takewin_Click();
        QCOMPARE(rig.player.bank, 975 + 600);
        QCOMPARE(rig.creditwinnings(), rig.statswinnings());
    }

    void fourScattersInsideAFeatureAddTwentyMoreSpins() {
        Rig rig;
        rig.zel.betperline = 1;
        rig.zel.freespins = 11;
        rig.zel.freespinsplayed = 8;  // 3 left
        rig.zel.freespintotal = 300;
        scriptspin(rig.platform, fourscatters);
        rig.platform.scriptdraw(20, 25);
        rig.platform.scriptdraw(1, 6);
        rig.zel.Timerrespin_Timer();

        QCOMPARE(rig.zel.freespins, int16_t(32));
        QCOMPARE(rig.zel.freespinsplayed, int16_t(9));
        QCOMPARE(rig.zel.form.spinsleft.caption, QStringLiteral("     Freespins Remaining  23"));
        QCOMPARE(rig.zel.freespintotal, 300 + 250);
        QVERIFY(played(rig.platform, 118));
        QCOMPARE(std::count(rig.platform.waits.begin(), rig.platform.waits.end(), 3000), 1);
        QVERIFY(rig.zel.form.Timerwincounter.enabled);
    }

    void theMultiplierDrawMapsToFactorAndBadge_data() {
        QTest::addColumn<int>("draw");
        QTest::addColumn<int>("factor");
        QTest::addColumn<int>("badge");
        for (int d = 1; d <= 25; ++d) {
            const int factor = d == 1 ? 10 : d <= 5 ? 5 : d <= 14 ? 3 : 2;
            const int badge = d == 1 ? 23 : d <= 5 ? 31 : d <= 14 ? 27 : 23;
            QTest::addRow("draw %d", d) << d << factor << badge;
        }
    }
    void theMultiplierDrawMapsToFactorAndBadge() {
        QFETCH(int, draw);
        QFETCH(int, factor);
        QFETCH(int, badge);
        Rig rig;
        rig.zel.linesplayed = 25;
        rig.zel.linecount[1] = 3;
        rig.zel.wildcell[3] = linecell(1, 3);  // the wild on reel 3 sits inside line 1's run of three
        rig.platform.scriptdraw(draw, 25);
        rig.zel.freespinbusiness();
        QCOMPARE(int(rig.zel.freespinmultiplier), factor);
        QCOMPARE(int(rig.zel.multiplierframe), badge);
        QVERIFY(rig.platform.randomizes >= 1);
    }

    // Only a wild inside a paying run lifts the win; elsewhere the factor falls back to 1.
    void aWinOutsideEveryWildStaysSingle_data() {
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("run");
        QTest::addColumn<int>("reel");
        QTest::addColumn<int>("cell");
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("factor");
        QTest::newRow("wild on reel 4 behind a run of three") << 1 << 3 << 4 << int(linecell(1, 4)) << 25 << 1;
        QTest::newRow("wild on reel 3 behind a run of two") << 1 << 2 << 3 << int(linecell(1, 3)) << 25 << 1;
        QTest::newRow("wild on reel 2 in another row") << 1 << 5 << 2 << int(linecell(2, 2)) << 25 << 1;
        QTest::newRow("wild on a line not played") << 5 << 3 << 2 << int(linecell(5, 2)) << 1 << 1;
        QTest::newRow("wild on reel 4 inside a run of five") << 1 << 5 << 4 << int(linecell(1, 4)) << 25 << 2;
        QTest::newRow("wild on reel 2 inside a run of two") << 3 << 2 << 2 << int(linecell(3, 2)) << 25 << 2;
    }
    void aWinOutsideEveryWildStaysSingle() {
        QFETCH(int, line);
        QFETCH(int, run);
        QFETCH(int, reel);
        QFETCH(int, cell);
        QFETCH(int, lines);
        QFETCH(int, factor);
        Rig rig;
        rig.zel.linesplayed = int16_t(lines);
        rig.zel.linecount[line] = int16_t(run);
        rig.zel.wildcell[reel] = int16_t(cell);
        rig.platform.scriptdraw(20, 25);  // would be x2
        rig.zel.freespinbusiness();
        QCOMPARE(int(rig.zel.freespinmultiplier), factor);

        // A single win draws no badge over the wild.
        rig.zel.currentwin = 40;
        const Pic before = rig.zel.form.flasher[cell].picture;
        rig.zel.timerwild_Timer();
        if (factor == 1) QCOMPARE(rig.zel.form.flasher[cell].picture, before);
        else QCOMPARE(rig.zel.form.flasher[cell].picture.list, PicList::ImageList2);
    }

    void theBadgeCyclesThroughItsFourPicturesWhileTheWildRuns() {
        Rig rig;
        rig.zel.currentwin = 20;
        rig.zel.freespinmultiplier = 2;
        rig.zel.multiplierframe = 23;
        rig.zel.wildcell[3] = 8;
        const int badges[] = {9, 10, 11, 12, 9, 10, 11, 12, 9};
        const int wilds[] = {1, 2, 3, 4, 5, 6, 7, 8, 1};
        for (int i = 0; i < 9; ++i) {
            rig.zel.timerwild_Timer();
            QCOMPARE(rig.zel.form.flasher[8].picture, (Pic{PicList::ImageList2, int16_t(wilds[i]), int16_t(badges[i])}));
        }
    }

    void theAutomaticSpinPressesThePlayButtonOfTheCurrentBet_data() {
        QTest::addColumn<int>("bet");
        for (int bet : {1, 2, 3, 5, 10, 20}) QTest::addRow("bet %d", bet) << bet;
    }
    // Outside a feature a play button sets its own bet, which shows which button was pressed.
    void theAutomaticSpinPressesThePlayButtonOfTheCurrentBet() {
        QFETCH(int, bet);
        Rig rig(10000);
        rig.zel.betperline = int16_t(bet);
        scriptspin(rig.platform, nowin);
        rig.platform.scriptdraw(1, 6);
        rig.zel.Timerrespin_Timer();
        QVERIFY(rig.platform.script.empty());
        QCOMPARE(int(rig.zel.betperline), bet);
        QCOMPARE(rig.zel.form.lbllast.caption, QString::number(bet * 25));
    }

    void theAutomaticSpinOfAFeatureCostsNothingAndClearsTheSpinWin() {
        Rig rig;
        rig.zel.betperline = 5;
        rig.zel.freespins = 11;
        rig.zel.freespinsplayed = 4;
        rig.zel.freespintotal = 500;
        rig.zel.form.Lblcurrentwin.caption = QStringLiteral("35");
        rig.zel.form.keypreview = true;
        scriptspin(rig.platform, nowin);
        rig.platform.scriptdraw(20, 25);
        rig.platform.scriptdraw(1, 6);
        rig.zel.Timerrespin_Timer();
        QCOMPARE(rig.zel.freespinsplayed, int16_t(5));
        QCOMPARE(rig.player.bank, 1000);
        QCOMPARE(rig.player.wager, 0);
        QCOMPARE(rig.zel.form.Lblcurrentwin.caption, QString());
        QVERIFY(!rig.zel.form.keypreview);
        QVERIFY(!played(rig.platform, 124));  // no click sound in a feature
    }
};

QTEST_GUILESS_MAIN(FreeSpinsTest)
#include "tst_freespins.moc"
