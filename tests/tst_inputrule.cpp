// The one rule for input while a handler runs, on the machine's rules with a scripted platform:
// presses only of buttons that could be pressed, only the space bar as a key, menu commands held
// until the machine settles, and no handler inside itself.
#include <QtTest>

#include "gamblerig.h"
#include "core/machine/dispatcher.h"
#include "core/players/playerstore.h"

using namespace zel;

namespace {
// Stops of a spin that wins nothing, and of one that wins 100 coins a coin bet (J on line 1).
constexpr int losing[5] = {5, 3, 5, 3, 3};
constexpr int winning[5] = {5, 5, 5, 11, 6};

struct InputRig : Rig {
    Dispatcher input{zel};
    std::vector<SecondaryWindow> opened;

    explicit InputRig(int32_t bank = 1000) : Rig(bank) {
        zel.openwindow = [this](SecondaryWindow w) { opened.push_back(w); };
    }
    void script(const int (&stops)[5]) {
        for (int s : stops) platform.scriptstop(s);
        platform.scriptdraw(1, player.machinepay);  // the win stands
    }
    // A spin inside a feature draws its multiplier before the pay setting.
    void scriptfeaturespin(const int (&stops)[5]) {
        for (int s : stops) platform.scriptstop(s);
        platform.scriptdraw(20, 25);
        platform.scriptdraw(1, player.machinepay);
    }
    // A spin pressed with the mouse, with `midspin` run at the first event pump inside it.
    void spin(const int (&stops)[5], const std::function<void()>& midspin = {}) {
        script(stops);
        bool done = false;
        platform.ondoevents = [&] {
            if (done || !midspin) return;
            done = true;
            midspin();
        };
        input.press(Button::play, 1);
        platform.ondoevents = nullptr;
    }
};
}  // namespace

class InputRuleTest : public QObject {
    Q_OBJECT

private slots:
    void aPressActsOnlyOnAButtonThatIsShownAndEnabled_data() {
        QTest::addColumn<bool>("visible");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("windowenabled");
        QTest::addColumn<bool>("inserted");
        QTest::newRow("shown and enabled") << true << true << true << true;
        QTest::newRow("hidden") << false << true << true << false;
        QTest::newRow("disabled") << true << false << true << false;
        QTest::newRow("the window disabled under a secondary window") << true << true << false << false;
    }
    void aPressActsOnlyOnAButtonThatIsShownAndEnabled() {
        QFETCH(bool, visible);
        QFETCH(bool, enabled);
        QFETCH(bool, windowenabled);
        QFETCH(bool, inserted);
        InputRig rig(100);
        rig.zel.form.COINSIN.visible = visible;
        rig.zel.form.COINSIN.enabled = enabled;
        rig.zel.form.enabled = windowenabled;
        rig.input.press(Button::COINSIN);
        QCOMPARE(rig.player.bank, inserted ? 120 : 100);
    }

    void aButtonIndexOutsideItsArrayDoesNothing() {
        InputRig rig;
        rig.input.press(Button::play, 0);
        rig.input.press(Button::play, 7);
        rig.input.press(Button::suitbet, 5);
        QCOMPARE(rig.player.games, 0);
        QVERIFY(rig.platform.clips.empty());
    }

    // With too little credit any key used to show "Not enough credit !" and buzz; only the space
    // bar is the machine's key, and it presses the play button of the current bet.
    void onlyTheSpaceBarActsAndOnlyWhenItsPlayButtonCould_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("bet");
        QTest::addColumn<bool>("playenabled");
        QTest::addColumn<bool>("keypreview");
        QTest::addColumn<int>("clip");  // the first clip played, 0 for none
        QTest::newRow("space spins at the last bet") << 32 << 1 << true << true << 124;
        QTest::newRow("space before any bet") << 32 << 0 << true << true << 0;
        QTest::newRow("space while the play button is locked") << 32 << 1 << false << true << 0;
        QTest::newRow("space while the window previews no keys") << 32 << 1 << true << false << 0;
        QTest::newRow("a letter") << int('x') << 1 << true << true << 0;
        QTest::newRow("tab") << 9 << 1 << true << true << 0;
        QTest::newRow("enter") << 13 << 1 << true << true << 0;
    }
    void onlyTheSpaceBarActsAndOnlyWhenItsPlayButtonCould() {
        QFETCH(int, key);
        QFETCH(int, bet);
        QFETCH(bool, playenabled);
        QFETCH(bool, keypreview);
        QFETCH(int, clip);
        InputRig rig(1000);
        rig.zel.betperline = int16_t(bet);
        rig.zel.form.play[1].enabled = playenabled;
        rig.zel.form.keypreview = keypreview;
        rig.script(losing);
        rig.input.key(key);
        QCOMPARE(rig.platform.clips.empty() ? 0 : rig.platform.clips.front().first, clip);
        QCOMPARE(rig.player.games, clip == 0 ? 0 : 1);
    }

    void withTooLittleCreditOnlyTheSpaceBarShowsThePanel_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("panel");
        QTest::newRow("space") << 32 << true;
        QTest::newRow("tab") << 9 << false;
        QTest::newRow("a letter") << int('q') << false;
    }
    void withTooLittleCreditOnlyTheSpaceBarShowsThePanel() {
        QFETCH(int, key);
        QFETCH(bool, panel);
        InputRig rig(10);
        rig.zel.betperline = 1;
        rig.input.key(key);
        QCOMPARE(rig.zel.form.pannomoney.visible, panel);
        QCOMPARE(rig.platform.clipnumbers(), panel ? std::vector<int>{125} : std::vector<int>{});
        QCOMPARE(rig.player.bank, 10);
    }

    void theSpaceBarDuringAMouseSpinStartsNothing() {
        InputRig rig;
        rig.zel.betperline = 1;
        rig.spin(winning, [&] {
            rig.script(losing);
            rig.input.key(32);
        });
        QCOMPARE(rig.player.games, 1);
        QCOMPARE(rig.player.bank, 1000 - 25 + 100);
        QCOMPARE(rig.platform.script.size(), size_t(6));  // the spare spin was never drawn
    }

    void menuCommandsDuringASpinRunOnceEachInTheirOrderAfterIt() {
        InputRig rig;
        std::vector<int32_t> bankwhenopened;
        rig.zel.openwindow = [&](SecondaryWindow w) {
            rig.opened.push_back(w);
            bankwhenopened.push_back(rig.player.bank);
            rig.zel.form.enabled = true;  // closed at once, so the next command finds the machine
        };
        rig.spin(winning, [&] {
            rig.input.command(Command::quickcredit);
            rig.input.command(Command::paytable);
            rig.input.command(Command::quickcredit);
            rig.input.command(Command::about);
            QVERIFY(rig.opened.empty());
            QCOMPARE(rig.input.held().size(), size_t(3));
        });
        QCOMPARE(rig.opened, (std::vector<SecondaryWindow>{SecondaryWindow::paytable, SecondaryWindow::about}));
        // Quick Credit ran once, first, after the spin had paid.
        QCOMPARE(bankwhenopened.front(), 1000 - 25 + 100 + 5000);
        QCOMPARE(rig.player.bank, 1000 - 25 + 100 + 5000);
        QVERIFY(rig.input.held().empty());
    }

    void aHeldCommandMeetsItsGuardsAsTheyStandWhenItRuns() {
        InputRig rig;
        rig.spin(winning, [&] {
            rig.input.command(Command::options);
            rig.input.command(Command::about);
        });
        // The options window opened and disabled the machine; the about command then found it disabled.
        QCOMPARE(rig.opened, std::vector<SecondaryWindow>{SecondaryWindow::options});
        QVERIFY(!rig.zel.form.enabled);
    }

    void anExitDuringASpinEndsTheGameAfterItWithTheWinSaved() {
        InputRig rig;
        bool endedmidspin = true;
        rig.spin(winning, [&] {
            rig.input.command(Command::exit);
            endedmidspin = rig.platform.ended;
        });
        QVERIFY(!endedmidspin);
        QVERIFY(rig.platform.ended);
        QCOMPARE(rig.platform.getsetting(playersection(1), QStringLiteral("bank")), QString::number(1000 - 25 + 100));
    }

    void theExitIsTheOneCommandAWindowOnTopDoesNotRefuse() {
        InputRig rig;
        rig.zel.form.enabled = false;
        rig.input.command(Command::quickcredit);
        QCOMPARE(rig.player.bank, 1000);
        rig.input.command(Command::exit);
        QVERIFY(rig.platform.ended);
    }

    void aTimerNeverTicksInsideItsOwnHandler() {
        InputRig rig;
        rig.zel.linesplayed = 1;
        rig.zel.winlines[1] = 1;
        rig.zel.linecount[1] = 5;
        rig.zel.form.Timer1.enabled = true;
        int depth = 0;
        rig.platform.ondoevents = [&] {
            depth = std::max(depth, rig.input.depth(TimerControl::Timer1));
            rig.input.tick(TimerControl::Timer1);
        };
        rig.input.tick(TimerControl::Timer1);
        QCOMPARE(depth, 1);
        QCOMPARE(rig.platform.waits, std::vector<int>{150});  // one tick, one pause
    }

    void theFreeSpinTimerCannotPressPlayInsideASpin() {
        InputRig rig;
        rig.zel.betperline = 1;
        rig.spin(winning, [&] {
            rig.zel.form.Timerrespin.enabled = true;
            rig.script(losing);
            rig.input.tick(TimerControl::Timerrespin);
        });
        QCOMPARE(rig.player.games, 1);
    }

    void theFreeSpinTimerStillPressesTheHiddenPlayButton() {
        InputRig rig;
        rig.zel.betperline = 1;
        rig.zel.freespins = 11;
        rig.zel.freespinsplayed = 1;
        for (int i = 1; i <= 6; ++i) rig.zel.form.play[i].visible = false;
        rig.zel.form.Timerrespin.enabled = true;
        rig.scriptfeaturespin(losing);
        rig.input.tick(TimerControl::Timerrespin);
        QCOMPARE(rig.zel.freespinsplayed, int16_t(2));
    }

    // The total collected while the last feature spin let events run gives the keyboard back;
    // the free-spin timer, returning afterwards, must not take it away again.
    void aTotalCollectedInsideTheLastFeatureSpinKeepsTheSpaceBar() {
        InputRig rig;
        rig.zel.betperline = 1;
        rig.zel.freespins = 2;
        rig.zel.freespinsplayed = 1;
        rig.zel.freespintotal = 300;
        rig.zel.form.keypreview = false;
        rig.zel.form.Timerrespin.enabled = true;
        rig.scriptfeaturespin(losing);
        bool collected = false;
        rig.platform.ondoevents = [&] {
            if (!rig.zel.form.takewin.visible || collected) return;
            collected = true;
            rig.input.press(Button::takewin);
        };
        rig.input.tick(TimerControl::Timerrespin);
        QVERIFY(collected);
        QCOMPARE(rig.zel.freespins, int16_t(0));
        QVERIFY(rig.zel.form.keypreview);
    }
};

QTEST_GUILESS_MAIN(InputRuleTest)
#include "tst_inputrule.moc"
