// The win meter counting a win up, and the collect button of the free-spin feature.
#include <QtTest>

#include "gamblerig.h"

using namespace zel;

class WinMeterTest : public QObject {
    Q_OBJECT

private slots:
    void normalGameRollsUpInGrowingStepsAndThenShowsTheCredit() {
        Rig rig;
        rig.afterwin(50);
        const int32_t bank = rig.player.bank;
        rig.zel.form.PANELBANK.caption = QStringLiteral("stale");
        const QStringList expected{"1", "2", "3", "4", "5", "6", "8", "10", "12", "16", "24", "34", "44"};
        for (const QString& shown : expected) {
            rig.zel.Timerwincounter_Timer();
            QCOMPARE(rig.zel.form.LABWIN.caption, shown);
            QCOMPARE(rig.zel.form.lblwin.caption, moneyform(shown.toInt()));
            QVERIFY(rig.zel.form.Timerwincounter.enabled);
            QCOMPARE(rig.zel.form.PANELBANK.caption, QStringLiteral("stale"));
        }
        rig.zel.Timerwincounter_Timer();
        QCOMPARE(rig.zel.form.LABWIN.caption, QStringLiteral("50"));
        QCOMPARE(rig.zel.form.lblwin.caption, QStringLiteral("$ 0.5"));
        QCOMPARE(rig.zel.form.PANELBANK.caption, decimal(bank));
        QCOMPARE(rig.zel.form.Lblcredit.caption, moneyform(bank));
        QVERIFY(!rig.zel.form.Timerwincounter.enabled);
        QCOMPARE(rig.zel.rollcount, 0);
        QCOMPARE(rig.player.bank, bank);  // the meter only shows; the win was credited by the spin
    }

    void normalGameWithoutRollUpShowsTheWholeWinOnTheFirstTick() {
        Rig rig;
        rig.player.winroll = 0;
        rig.afterwin(1850);
        rig.zel.Timerwincounter_Timer();
        QCOMPARE(rig.zel.form.LABWIN.caption, QStringLiteral("1850"));
        QCOMPARE(rig.zel.form.lblwin.caption, QStringLiteral("$ 18.5"));
        QCOMPARE(rig.zel.form.PANELBANK.caption, decimal(rig.player.bank));
        QVERIFY(!rig.zel.form.Timerwincounter.enabled);
    }

    // Roll-up lengths follow from the step tables: a bigger win takes more, but bounded, ticks.
    void rollUpLengths_data() {
        QTest::addColumn<int>("win");
        QTest::addColumn<bool>("freespin");
        QTest::addColumn<int>("ticks");
        QTest::newRow("normal 1") << 1 << false << 1;
        QTest::newRow("normal 50") << 50 << false << 14;
        QTest::newRow("normal 1000") << 1000 << false << 51;
        QTest::newRow("normal 20000") << 20000 << false << 92;
        QTest::newRow("free spin 1") << 1 << true << 1;
        QTest::newRow("free spin 50") << 50 << true << 24;
        QTest::newRow("free spin 1000") << 1000 << true << 142;
    }
    void rollUpLengths() {
        QFETCH(int, win);
        QFETCH(bool, freespin);
        QFETCH(int, ticks);
        Rig rig;
        rig.afterwin(win);
        if (freespin) {
            rig.zel.freespins = 11;
            rig.zel.freespinsplayed = 2;
            rig.zel.freespintotal = win;
        }
        QCOMPARE(rig.runmeter(), ticks);
    }

    void freeSpinMeterRollsTheSpinWinAndTheFeatureTotalTogether() {
        Rig rig;
        rig.zel.freespins = 11;
        rig.zel.freespinsplayed = 3;
        rig.zel.currentwin = 50;
        rig.zel.freespintotal = 175;  // 125 before this spin
        rig.zel.rollstep = 1;
        rig.zel.form.Timerwincounter.enabled = true;
        rig.zel.form.takewin.enabled = true;
        const QList<int> shown{1, 2, 3, 4, 5, 6, 8, 10, 12, 14, 16, 18, 20, 22, 25, 28, 31, 34, 37, 40, 43, 46, 49};
        for (int amount : shown) {
            rig.zel.Timerwincounter_Timer();
            QCOMPARE(rig.zel.form.Lblcurrentwin.caption, QString::number(amount));
            QCOMPARE(rig.zel.form.LABWIN.caption, QString::number(125 + amount));
            QVERIFY(!rig.zel.form.Timerrespin.enabled);
        }
        rig.zel.Timerwincounter_Timer();  // the 24th tick
        QCOMPARE(rig.zel.form.Lblcurrentwin.caption, QStringLiteral("50"));
        QCOMPARE(rig.zel.form.LABWIN.caption, QStringLiteral("175"));
        QCOMPARE(rig.zel.form.lblwin.caption, QStringLiteral("$ 1.75"));
        QVERIFY(!rig.zel.form.Timerwincounter.enabled);
        QVERIFY(!rig.zel.form.takewin.enabled);
        QVERIFY(rig.zel.form.Timerrespin.enabled);
        QCOMPARE(rig.zel.rollcount, 0);
        QCOMPARE(rig.zel.rollstep, int16_t(0));
    }

    void freeSpinWithoutAWinHandsOverToTheNextSpinAtOnce() {
        Rig rig;
        rig.zel.freespins = 11;
        rig.zel.freespinsplayed = 4;
        rig.zel.currentwin = 0;
        rig.zel.rollstep = 0;
        rig.zel.form.Timerwincounter.enabled = true;
        rig.zel.Timerwincounter_Timer();
        QVERIFY(!rig.zel.form.Timerwincounter.enabled);
        QVERIFY(rig.zel.form.Timerrespin.enabled);
        QCOMPARE(rig.zel.form.Lblcurrentwin.caption, QStringLiteral("0"));
    }

    void freeSpinMeterWithoutRollUpFinishesOnTheFirstTick() {
        Rig rig;
        rig.player.winroll = 0;
        rig.zel.freespins = 11;
        rig.zel.freespinsplayed = 4;
        rig.zel.currentwin = 640;
        rig.zel.freespintotal = 900;
        rig.zel.rollstep = 1;
        rig.zel.form.Timerwincounter.enabled = true;
        rig.zel.Timerwincounter_Timer();
        QCOMPARE(rig.zel.form.Lblcurrentwin.caption, QStringLiteral("640"));
        QCOMPARE(rig.zel.form.LABWIN.caption, QStringLiteral("900"));
        QVERIFY(rig.zel.form.Timerrespin.enabled);
    }

    void aTickAfterAGambleStoppedTheMeterChangesNothing() {
        Rig rig;
        rig.afterwin(300);
        rig.zel.Timerwincounter_Timer();
        bool pressed = false;
        rig.platform.ondoevents = [&] {
            if (pressed) return;
            pressed = true;
            rig.zel.doublebutton_Click();  // the player pressed gamble while the meter rolled
        };
        rig.zel.Timerwincounter_Timer();
        QCOMPARE(rig.zel.form.LABWIN.caption, QStringLiteral("300"));  // the stake, shown by the gamble
        QCOMPARE(rig.zel.rollcount, 1);
    }

    // A meter that was left without a step (for instance stopped and restarted) still finishes.
    void aMeterWithoutAStepStillReachesTheWin() {
        Rig rig;
        rig.afterwin(30);
        rig.zel.rollstep = 0;
        QVERIFY(rig.runmeter() > 0);
        QCOMPARE(rig.zel.form.LABWIN.caption, QStringLiteral("30"));
    }

    void collectingTheFeaturePaysItsTotalAndOffersItToTheGamble() {
        Rig rig;
        rig.zel.betperline = 3;
        rig.zel.freespins = 11;
        rig.zel.freespinsplayed = 11;
        rig.zel.freespintotal = 1500;
        rig.zel.currentwin = 40;
        rig.zel.spacecount = 2;
        rig.zel.rollcount = 7;
        rig.player.total = 1500;
        rig.zel.form.takewin.visible = true;
        rig.zel.form.spinsleft.visible = true;
        rig.zel.form.keypreview = false;
        for (int i = 1; i <= 6; ++i) rig.zel.form.play[i].visible = false;
        for (int i = 1; i <= 5; ++i) rig.zel.form.payline[i].visible = false;
        rig.zel.form.COINSIN.visible = false;
        rig.zel.form.doublebutton.visible = false;

        rig.zel.takewin_Click();

        QCOMPARE(rig.platform.clipnumbers(), std::vector<int>{110});
        QCOMPARE(rig.player.bank, 2500);
        QCOMPARE(rig.player.total, 1500);  // every feature spin's win was counted when it was won
        QCOMPARE(rig.zel.takenwin, 1500);
        QCOMPARE(rig.zel.freespintotal, 0);
        QCOMPARE(rig.zel.freespins, int16_t(0));
        QCOMPARE(rig.zel.freespinsplayed, int16_t(0));
        QCOMPARE(rig.zel.spacecount, int16_t(0));
        QCOMPARE(rig.zel.rollcount, 0);
        QCOMPARE(rig.zel.form.LABWIN.caption, QStringLiteral("1500"));
        QCOMPARE(rig.zel.form.lblwin.caption, QStringLiteral("$ 15"));
        QCOMPARE(rig.zel.form.PANELBANK.caption, QStringLiteral("2500"));
        QCOMPARE(rig.zel.form.Lblcredit.caption, QStringLiteral("$ 25"));
        QVERIFY(!rig.zel.form.spinsleft.visible);
        QVERIFY(!rig.zel.form.takewin.visible);
        QVERIFY(rig.zel.form.doublebutton.visible && rig.zel.form.doublebutton.enabled);
        QVERIFY(rig.zel.form.COINSIN.visible);
        for (int i = 1; i <= 6; ++i) QVERIFY(rig.zel.form.play[i].visible && rig.zel.form.play[i].enabled);
        for (int i = 1; i <= 5; ++i) QVERIFY(rig.zel.form.payline[i].visible && rig.zel.form.payline[i].enabled);
        QVERIFY(rig.zel.form.keypreview);
    }

    void collectingFocusesThePlayButtonOfTheFeatureBet_data() {
        QTest::addColumn<int>("bet");
        QTest::addColumn<QString>("focus");
        QTest::newRow("1") << 1 << "play(1)";
        QTest::newRow("2") << 2 << "play(2)";
        QTest::newRow("3") << 3 << "play(3)";
        QTest::newRow("5") << 5 << "play(4)";
        QTest::newRow("10") << 10 << "play(5)";
        QTest::newRow("20") << 20 << "play(6)";
    }
    void collectingFocusesThePlayButtonOfTheFeatureBet() {
        QFETCH(int, bet);
        QFETCH(QString, focus);
        Rig rig;
        rig.zel.betperline = int16_t(bet);
        rig.zel.freespins = 11;
        rig.zel.freespinsplayed = 11;
        rig.zel.freespintotal = 300;
        rig.zel.takewin_Click();
        QCOMPARE(rig.zel.form.focus, focus);
    }

    void collectingWithoutAFeatureDoesNothing() {
        Rig rig;
        rig.zel.takenwin = 0;
        rig.zel.freespintotal = 0;
        rig.zel.takewin_Click();
        QCOMPARE(rig.player.bank, 1000);
        QVERIFY(rig.platform.clips.empty());
        QVERIFY(!rig.zel.form.doublebutton.enabled);
    }
};

QTEST_GUILESS_MAIN(WinMeterTest)
#include "tst_winmeter.moc"
