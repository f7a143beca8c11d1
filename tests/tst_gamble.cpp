// The card gamble: entering with a win, colour and suit bets, collecting, losing, and the
// player's statistics through it all (the table's history row and pictures: tst_gambletable).
#include <algorithm>

#include <QtTest>

#include "core/gamble/gamble.h"
#include "gamblerig.h"

using namespace zel;

namespace {

enum Button { red, black, hearts, clubs, diamonds, spades };

void press(Zel& z, int button) {
    switch (button) {
    case red: z.betred_Click(); break;
    case black: z.betblack_Click(); break;
    default: z.suitbet_Click(button - hearts + 1); break;
    }
}

}  // namespace

class GambleTest : public QObject {
    Q_OBJECT

private slots:
    void enteringStakesTheCollectedFeatureTotalBeforeTheLastSpinWin() {
        Rig rig;
        rig.zel.currentwin = 40;
        rig.zel.takenwin = 1500;
        rig.player.bank = 2500;
        rig.zel.form.doublebutton.enabled = true;
        rig.zel.doublebutton_Click();
        QCOMPARE(rig.zel.atrisk, 1500);
        QCOMPARE(rig.player.bank, 1000);
        QCOMPARE(rig.zel.takenwin, 0);
        QCOMPARE(rig.zel.form.LABWIN.caption, QStringLiteral("1500"));

        // The next gamble stakes the spin's win again.
        rig.zel.cancelbet_Click();
        rig.zel.form.doublebutton.enabled = true;
        rig.zel.doublebutton_Click();
        QCOMPARE(rig.zel.atrisk, 40);
    }

    void enteringShowsTheStakeAndWhatEachBetWouldPay() {
        Rig rig;
        rig.afterwin(25);
        rig.zel.form.Timer1.enabled = rig.zel.form.Timerscatters.enabled = rig.zel.form.Timer4.enabled = true;
        rig.zel.form.flasher[4].visible = true;
        rig.zel.form.piccardholder.picture = {PicList::imagelistcards, 3, 0};
        const int32_t bank = rig.player.bank;
        rig.zel.doublebutton_Click();

        const ZelForm& f = rig.zel.form;
        QCOMPARE(rig.platform.clipnumbers(), std::vector<int>{124});
        QCOMPARE(f.risklab.caption, QStringLiteral("At Risk  25"));
        QCOMPARE(f.lblblackred.caption, QStringLiteral("Black/Red Win = 50"));
        QCOMPARE(f.lblsuit.caption, QStringLiteral("Suit Win = 100"));
        QVERIFY(f.lblblackred.visible && f.lblsuit.visible);
        QCOMPARE(f.LABWIN.caption, QStringLiteral("25"));
        QCOMPARE(f.lblwin.caption, QStringLiteral("$ 0.25"));
        QCOMPARE(rig.player.bank, bank - 25);
        QCOMPARE(f.PANELBANK.caption, decimal(bank - 25));
        QCOMPARE(f.piccardholder.picture, (Pic{PicList::imagelistcards, 5, 0}));
        for (int i = 1; i <= 4; ++i) QCOMPARE(f.suitbet[i].picture, (Pic{PicList::imagelistcards, int16_t(i + 5), 0}));
        QVERIFY(f.pandouble.visible);
        QVERIFY(!f.gamblewin.visible && !f.gamblelose.visible);
        QVERIFY(f.betred.enabled && f.betblack.enabled && f.cancelbet.enabled);
        QVERIFY(!f.doublebutton.enabled && !f.COINSIN.enabled);
        for (int i = 1; i <= 6; ++i) QVERIFY(!f.play[i].enabled);
        for (int i = 1; i <= 5; ++i) QVERIFY(!f.payline[i].enabled);
        QVERIFY(!f.Timer1.enabled && !f.Timerscatters.enabled && !f.Timer4.enabled && !f.Timerwincounter.enabled);
        QVERIFY(!f.flasher[4].visible);
        QVERIFY(!f.keypreview);
    }

    void aSecondPressOfTheGambleButtonTakesNothingMore() {
        Rig rig;
        rig.afterwin(25);
        rig.zel.doublebutton_Click();
        const int32_t bank = rig.player.bank;
        rig.zel.form.doublebutton.enabled = true;  // even if the button were offered again
        rig.zel.doublebutton_Click();
        QCOMPARE(rig.player.bank, bank);
    }

    void everyCardAgainstEveryBet_data() {
        QTest::addColumn<int>("card");
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("wins");
        QTest::addColumn<int>("clip");
        QTest::addColumn<int>("atrisk");
        const char* cards[] = {"", "hearts", "clubs", "diamonds", "spades"};
        const char* buttons[] = {"red", "black", "hearts", "clubs", "diamonds", "spades"};
        // Winning cards by button, and the clip each winning button plays.
        const bool winning[6][5] = {{false, true, false, true, false},  {false, false, true, false, true},
                                    {false, true, false, false, false}, {false, false, true, false, false},
                                    {false, false, false, true, false}, {false, false, false, false, true}};
        const int winclip[6] = {108, 103, 112, 111, 111, 107};
        for (int card = 1; card <= 4; ++card)
            for (int b = red; b <= spades; ++b) {
                const bool w = winning[b][card];
                const int grown = b <= black ? 50 : 100;
                QTest::addRow("%s on %s", cards[card], buttons[b]) << card << b << w << (w ? winclip[b] : 125) << (w ? grown : 25);
            }
    }
    void everyCardAgainstEveryBet() {
        QFETCH(int, card);
        QFETCH(int, button);
        QFETCH(bool, wins);
        QFETCH(int, clip);
        QFETCH(int, atrisk);
        Rig rig;
        rig.afterwin(25);
        rig.zel.doublebutton_Click();
        rig.platform.clips.clear();
        rig.scriptcard(card);
        press(rig.zel, button);

        const ZelForm& f = rig.zel.form;
        QCOMPARE(rig.platform.clipnumbers(), (std::vector<int>{124, clip}));
        QCOMPARE(rig.zel.atrisk, atrisk);
        QCOMPARE(f.piccardholder.picture, (Pic{PicList::imagelistcards, int16_t(card), 0}));
        QCOMPARE(f.pandouble.visible, wins);
        // The picture slides in 24 short frames and lands on the panel's floor, under the history.
        const std::vector<int> slide(24, 16);
        if (wins) {
            QVERIFY(f.gamblewin.visible);
            QCOMPARE(f.gamblewin.left, 700);
            QCOMPARE(f.gamblewin.top, 4455);
            QCOMPARE(f.risklab.caption, QStringLiteral("At Risk  ") + QString::number(atrisk));
            QVERIFY(f.betred.enabled && f.betblack.enabled && f.cancelbet.enabled);
            QCOMPARE(rig.platform.waits, slide);
        } else {
            QVERIFY(f.gamblelose.visible);
            QCOMPARE(f.gamblelose.top, 4455);
            std::vector<int> waits = slide;
            waits.push_back(3000);
            QCOMPARE(rig.platform.waits, waits);
        }
    }

    void twoColourWinsFromTwentyFiveAndCollecting() {
        Rig rig;
        rig.afterwin(25);
        const int32_t bank = rig.player.bank;
        const int32_t total = rig.player.total;
        rig.zel.doublebutton_Click();
        QCOMPARE(rig.zel.form.lblsuit.caption, QStringLiteral("Suit Win = 100"));
        rig.scriptcard(3);
        rig.zel.betred_Click();
        QCOMPARE(rig.zel.form.lblsuit.caption, QStringLiteral("Suit Win = 200"));
        rig.scriptcard(4);
        rig.zel.betblack_Click();
        QCOMPARE(rig.zel.atrisk, 100);
        QCOMPARE(rig.zel.form.risklab.caption, QStringLiteral("At Risk  100"));
        QCOMPARE(rig.zel.form.lblblackred.caption, QStringLiteral("Black/Red Win = 200"));
        QCOMPARE(rig.zel.form.lblsuit.caption, QStringLiteral("Suit Win = 400"));
        QCOMPARE(rig.player.bank, bank - 25);  // winning bets leave the credit alone

        rig.platform.clips.clear();
        rig.zel.cancelbet_Click();
        const ZelForm& f = rig.zel.form;
        QCOMPARE(rig.player.bank, bank - 25 + 100);
        QCOMPARE(rig.player.total, total + 100 - 25);
        QCOMPARE(rig.platform.clipnumbers(), std::vector<int>{107});
        QVERIFY(!f.pandouble.visible && !f.doublebutton.enabled);
        QCOMPARE(f.PANELBANK.caption, decimal(bank + 75));
        QCOMPARE(f.LABWIN.caption, QStringLiteral("100"));
        QCOMPARE(f.lblwin.caption, QStringLiteral("$ 1"));
        for (int i = 1; i <= 6; ++i) QVERIFY(f.play[i].enabled);
        for (int i = 1; i <= 5; ++i) QVERIFY(f.payline[i].enabled);
        QVERIFY(f.COINSIN.enabled);
        QCOMPARE(f.focus, QStringLiteral("zel"));
        QVERIFY(f.keypreview);
        QCOMPARE(rig.creditwinnings(), rig.statswinnings());
    }

    void aLostGambleKeepsTheStakeAndReturnsToTheMachineAfterAPause() {
        Rig rig;
        rig.afterwin(40);
        const int32_t before = rig.player.bank;
        rig.zel.doublebutton_Click();
        rig.platform.clips.clear();
        rig.scriptcard(1);
        rig.zel.betblack_Click();

        const ZelForm& f = rig.zel.form;
        QCOMPARE(rig.platform.clipnumbers(), (std::vector<int>{124, 125}));
        QCOMPARE(rig.platform.waits.back(), 3000);
        QCOMPARE(f.risklab.caption, QStringLiteral("No Win  "));
        QVERIFY(!f.lblblackred.visible && !f.lblsuit.visible);
        QVERIFY(!f.betred.enabled && !f.betblack.enabled && !f.cancelbet.enabled);
        QVERIFY(!f.pandouble.visible);
        QCOMPARE(f.LABWIN.caption, QStringLiteral("No Win"));
        QCOMPARE(f.lblwin.caption, QStringLiteral(" "));
        QCOMPARE(rig.player.bank, before - 40);
        QCOMPARE(f.PANELBANK.caption, decimal(before - 40));
        QCOMPARE(f.Lblcredit.caption, moneyform(before - 40));
        QVERIFY(!f.doublebutton.enabled);
        for (int i = 1; i <= 6; ++i) QVERIFY(f.play[i].enabled);
        for (int i = 1; i <= 5; ++i) QVERIFY(f.payline[i].enabled);
        QVERIFY(f.COINSIN.enabled);
        QCOMPARE(f.focus, QStringLiteral("zel"));
        QVERIFY(f.keypreview);
    }

    void theLossPauseComesAfterTheWindowHadItsLastLook() {
        Rig rig;
        rig.afterwin(40);
        rig.zel.doublebutton_Click();
        bool sawloss = false;
        rig.platform.ondoevents = [&] {
            const ZelForm& f = rig.zel.form;
            if (f.pandouble.visible && f.risklab.caption == QStringLiteral("No Win  ") &&
                std::find(rig.platform.waits.begin(), rig.platform.waits.end(), 3000) == rig.platform.waits.end())
                sawloss = true;
        };
        rig.scriptcard(2);
        rig.zel.betred_Click();
        QVERIFY(sawloss);
    }

    void betsOutsideTheGambleDoNothing() {
        Rig rig;
        rig.afterwin(40);
        rig.zel.betred_Click();
        rig.zel.suitbet_Click(2);
        rig.zel.cancelbet_Click();
        QCOMPARE(rig.zel.historycount, int16_t(0));
        QCOMPARE(rig.player.bank, 1015);
        QVERIFY(rig.platform.clips.empty());
    }

    void aSuitButtonThatDoesNotExistDoesNothing() {
        Rig rig;
        rig.afterwin(40);
        rig.zel.doublebutton_Click();
        rig.zel.suitbet_Click(0);
        rig.zel.suitbet_Click(5);
        QCOMPARE(rig.zel.historycount, int16_t(0));
        QVERIFY(rig.zel.form.pandouble.visible);
    }

    // Statistics: Winning/Losing (credit less money put in) always equals total won less wagered.
    void statisticsStayTrueAfterAWinAndCollect() {
        Rig rig;
        rig.afterwin(50);
        QCOMPARE(rig.creditwinnings(), rig.statswinnings());
        rig.zel.doublebutton_Click();
        rig.scriptcard(2);
        rig.zel.suitbet_Click(2);
        rig.zel.cancelbet_Click();
        QCOMPARE(rig.player.bank, 1000 - 25 + 200);
        QCOMPARE(rig.player.total, 200);
        QCOMPARE(rig.creditwinnings(), rig.statswinnings());
    }

    void statisticsStayTrueAfterALoss() {
        Rig rig;
        rig.afterwin(50);
        rig.zel.doublebutton_Click();
        rig.scriptcard(2);
        rig.zel.suitbet_Click(1);
        QCOMPARE(rig.player.total, 0);
        QCOMPARE(rig.creditwinnings(), rig.statswinnings());
    }

    void statisticsStayTrueAfterLosingAGrownAmount() {
        Rig rig;
        rig.afterwin(50);
        rig.zel.doublebutton_Click();
        rig.scriptcard(1);
        rig.zel.betred_Click();
        rig.scriptcard(1);
        rig.zel.betblack_Click();
        QCOMPARE(rig.player.bank, 975);
        QCOMPARE(rig.creditwinnings(), rig.statswinnings());
    }

    void statisticsStayTrueWhenACollectedFeatureTotalIsGambled() {
        Rig rig;
        // A feature of 1500 whose last spin won 40 and cost 25, collected.
        rig.zel.betperline = 1;
        rig.zel.freespins = rig.zel.freespinsplayed = 11;
        rig.zel.freespintotal = 1500;
        rig.zel.currentwin = 40;
        rig.player.total = 1500;
        rig.player.wager = 25;
        rig.player.games = 1;
        rig.player.bank = 975;
        rig.zel.takewin_Click();
        QCOMPARE(rig.creditwinnings(), rig.statswinnings());

        rig.zel.doublebutton_Click();
        rig.scriptcard(3);
        rig.zel.betred_Click();
        rig.zel.cancelbet_Click();
        QCOMPARE(rig.player.bank, 975 + 3000);
        QCOMPARE(rig.player.total, 3000);
        QCOMPARE(rig.creditwinnings(), rig.statswinnings());
    }

    // The amount at risk never grows past what the credit could take back.
    void anAmountTooLargeForTheCreditStopsGrowing() {
        Rig rig(0);
        rig.player.bank = 2000000000;
        rig.afterwin(100000000);
        rig.zel.doublebutton_Click();
        rig.scriptcard(1);
        rig.zel.suitbet_Click(1);
        QCOMPARE(rig.zel.atrisk, 100000000);
        QVERIFY(rig.zel.form.pandouble.visible);  // still a winning bet
        rig.zel.cancelbet_Click();
        QCOMPARE(rig.player.bank, 2000000000 - 25 + 100000000);
    }
};

QTEST_GUILESS_MAIN(GambleTest)
#include "tst_gamble.moc"
