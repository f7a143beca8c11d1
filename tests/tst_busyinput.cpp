// Input that arrives while the machine is busy, in the real window: the reel landing, the award
// and the gamble let window events run, and what the player does meanwhile must neither start a
// second spin nor spend, lose or move money.
#include <QRadioButton>
#include <QSettings>
#include <QtTest>

#include "windowrig.h"

using namespace zel;
using namespace zeltest;

class BusyInputTest : public QObject {
    Q_OBJECT

    // The books of the live record: what the credit says was won equals what the statistics say.
    static bool balanced(const Player& p) {
        return int64_t(p.bank) - p.amountinvested == int64_t(p.total) - p.wager;
    }
    // A first spin at bet 1 on 25 lines, so the space bar has a bet to repeat.
    static void firstspin(Cabinet& c) {
        scriptlosingspin(c.platform);
        c.control(QStringLiteral("play(1)"))->click();
    }

private slots:
    void theSpaceBarHeldThroughAMouseSpinStartsNoSecondSpin() {
        Cabinet c;
        c.givecredit(1000);
        firstspin(c);
        const int32_t games = c.player.games, bank = c.player.bank;
        scriptwinningspin(c.platform);
        for (int spare = 0; spare < 4; ++spare) scriptlosingspin(c.platform);

        int presses = 0;
        auto held = atpumps([&] {
            c.key(Qt::Key_Space);
            return ++presses == 4;
        });
        c.control(QStringLiteral("play(1)"))->click();
        held->stop();

        QCOMPARE(presses, 4);
        QCOMPARE(c.player.games, games + 1);
        QCOMPARE(c.machine.currentwin, 100);
        QCOMPARE(c.player.bank, bank - 25 + 100);
        QVERIFY(balanced(c.player));
        QVERIFY(c.machine.form.play[1].enabled);
    }

    void quickCreditDuringTheGambleLeavesTheSpaceBarOff() {
        Cabinet c;
        c.givecredit(1000);
        firstspin(c);
        c.machine.currentwin = 40;
        c.machine.form.doublebutton.enabled = true;
        c.window.render();
        c.control(QStringLiteral("doublebutton"))->click();
        QVERIFY(c.machine.form.pandouble.visible);
        const int32_t games = c.player.games;

        c.menu("mnuquickcredit")->trigger();
        QVERIFY(!c.machine.form.keypreview);
        scriptlosingspin(c.platform);
        c.key(Qt::Key_Space);

        // The card is still on the table with the stake on it.
        QVERIFY(c.machine.form.pandouble.visible);
        QCOMPARE(c.machine.atrisk, 40);
        QCOMPARE(c.player.games, games);
    }

    void aGambleEnteredWhileTheSpinSettlesKeepsTheSpinControlsLocked() {
        Cabinet c;
        c.givecredit(1000);
        firstspin(c);
        scriptwinningspin(c.platform);
        auto gamble = atpumps([&] {
            if (!c.machine.form.doublebutton.enabled) return false;
            c.control(QStringLiteral("doublebutton"))->click();
            return true;
        });
        c.control(QStringLiteral("play(1)"))->click();
        gamble->stop();

        QVERIFY(c.machine.form.pandouble.visible);
        for (int i = 1; i <= 6; ++i) QVERIFY(!c.machine.form.play[i].enabled);
        for (int i = 1; i <= 5; ++i) QVERIFY(!c.machine.form.payline[i].enabled);
        QVERIFY(!c.machine.form.COINSIN.enabled);
        QVERIFY(!c.control(QStringLiteral("play(1)"))->isEnabled());
    }

    void aMenuCommandDuringALandingWaitsUntilTheSpinHasSettled_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("window");
        QTest::newRow("about") << "mnuabout" << "aboutzel";
        QTest::newRow("pay table") << "mnuptble" << "zelpays";
        QTest::newRow("options") << "mnuplayer" << "frmzeloptions";
    }
    void aMenuCommandDuringALandingWaitsUntilTheSpinHasSettled() {
        QFETCH(QString, command);
        QFETCH(QString, window);
        Cabinet c;
        c.givecredit(1000);
        firstspin(c);
        const int32_t total = c.player.total;
        scriptwinningspin(c.platform);

        bool asked = false, openedmidspin = false, disabledmidspin = false;
        auto menu = atpumps([&] {
            if (!asked && c.player.total > total) {  // the win is booked; the reels have yet to land
                c.menu(qPrintable(command))->trigger();
                asked = true;
            } else if (asked) {
                openedmidspin |= Cabinet::secondary(qPrintable(window)) != nullptr;
                disabledmidspin |= !c.machine.form.enabled;
            }
            return false;
        });
        c.control(QStringLiteral("play(1)"))->click();
        menu->stop();

        QVERIFY(asked);
        QVERIFY(!openedmidspin);
        QVERIFY(!disabledmidspin);
        QVERIFY(Cabinet::secondary(qPrintable(window)));
        QVERIFY(!c.machine.form.enabled);
    }

    // The options window saves the record as it opens; opened during the landing, that record
    // must be the settled one, or choosing another slot and back would lose the win.
    void optionsAskedForDuringALandingSaveTheSettledRecord() {
        Cabinet c;
        c.givecredit(1000);
        firstspin(c);
        const int32_t total = c.player.total;
        scriptwinningspin(c.platform);
        bool asked = false;
        auto menu = atpumps([&] {
            if (c.player.total <= total) return false;
            c.menu("mnuplayer")->trigger();
            asked = true;
            return true;
        });
        c.control(QStringLiteral("play(1)"))->click();
        menu->stop();
        QVERIFY(asked);
        const int32_t bank = c.player.bank;
        QVERIFY(balanced(c.player));

        QSettings stored(c.file(), QSettings::IniFormat);
        QCOMPARE(stored.value(QStringLiteral("player1/bank")).toString(), QString::number(bank));
        QCOMPARE(stored.value(QStringLiteral("player1/total")).toString(), QString::number(c.player.total));

        QWidget* options = Cabinet::secondary("frmzeloptions");
        QVERIFY(options);
        options->findChild<QRadioButton*>(QStringLiteral("machine(2)"))->click();
        options->findChild<QRadioButton*>(QStringLiteral("machine(1)"))->click();
        QCOMPARE(c.player.bank, bank);
        QVERIFY(balanced(c.player));
    }

    void theSpaceBarDuringASpinThatLeftTooLittleCreditShowsNoPanel() {
        Cabinet c;
        c.givecredit(25);
        scriptwinningspin(c.platform);
        bool pressed = false;
        auto space = atpumps([&] {
            if (c.machine.betperline == 0 || c.player.bank >= 25) return false;
            c.key(Qt::Key_Space);
            pressed = true;
            return true;
        });
        c.control(QStringLiteral("play(1)"))->click();
        space->stop();

        QVERIFY(pressed);
        QCOMPARE(c.player.bank, 100);
        QVERIFY(!c.machine.form.pannomoney.visible);
        QVERIFY(!c.control<QWidget>(QStringLiteral("pannomoney"))->isVisible());
    }
};

QTEST_MAIN(BusyInputTest)
#include "tst_busyinput.moc"
