// The menu commands, the start-up font check, the small windows' rules, and the exit sequence,
// which collects whatever the player has won before the record is saved (a feature with spins
// still to play waits for the next start).
#include <QFile>
#include <QtTest>

#include "gamblerig.h"
#include "core/players/playerstore.h"
#include "core/shell/display.h"
#include "core/shell/secondaryforms.h"

using namespace zel;

namespace {
// Stops that show a mountain on reels 1, 2 and 3 and nothing else: ten free spins.
constexpr int threescatters[5] = {11, 8, 13, 15, 15};

struct MenuRig : Rig {
    std::vector<SecondaryWindow> opened;
    MenuRig() { zel.openwindow = [this](SecondaryWindow w) { opened.push_back(w); }; }

    void startfeature() {
        for (int stop : threescatters) platform.scriptstop(stop);
        platform.scriptdraw(1, 6);
        zel.play_Click(1);
        QVERIFY(zel.freespins >= 1);
        QVERIFY(zel.freespintotal > 0);
    }
    QString stored(const char* key) { return platform.getsetting(playersection(1), QLatin1String(key)); }
};

using Command = void (Zel::*)();
}  // namespace

class MenusTest : public QObject {
    Q_OBJECT

private slots:
    void theWindowCommandsOpenTheirWindowWithTheMachineDisabled_data() {
        QTest::addColumn<int>("command");
        QTest::newRow("about") << int(SecondaryWindow::about);
        QTest::newRow("pay table") << int(SecondaryWindow::paytable);
        QTest::newRow("options") << int(SecondaryWindow::options);
    }
    void theWindowCommandsOpenTheirWindowWithTheMachineDisabled() {
        QFETCH(int, command);
        const Command commands[3] = {&Zel::mnuabout_Click, &Zel::mnuptble_Click, &Zel::mnuplayer_Click};
        MenuRig rig;
        rig.zel.form.pannomoney.visible = true;
        rig.zel.form.doublebutton.enabled = true;
        (rig.zel.*commands[command])();
        QCOMPARE(rig.opened, std::vector<SecondaryWindow>{SecondaryWindow(command)});
        QCOMPARE(rig.platform.clipnumbers(), std::vector<int>{124});
        QVERIFY(!rig.zel.form.enabled);
        // The pay table hides the "Not enough credit !" panel; the options window takes the gamble away.
        QCOMPARE(rig.zel.form.pannomoney.visible, command != int(SecondaryWindow::paytable));
        QCOMPARE(rig.zel.form.doublebutton.enabled, command != int(SecondaryWindow::options));
    }

    void duringFreeSpinsTheWindowCommandsDoNothing() {
        MenuRig rig;
        rig.startfeature();
        rig.platform.clips.clear();
        rig.zel.mnuabout_Click();
        rig.zel.mnuptble_Click();
        rig.zel.mnuplayer_Click();
        QVERIFY(rig.opened.empty());
        QVERIFY(rig.platform.clips.empty());
        QVERIFY(rig.zel.form.enabled);
    }

    void duringAGambleOnlyTheOptionsCommandDoesNothing() {
        MenuRig rig;
        rig.afterwin(25);
        rig.zel.doublebutton_Click();
        QVERIFY(rig.zel.form.pandouble.visible);
        rig.zel.mnuplayer_Click();
        QVERIFY(rig.opened.empty());
        QVERIFY(rig.zel.form.enabled);
        rig.zel.mnuabout_Click();
        rig.zel.form.enabled = true;
        rig.zel.mnuptble_Click();
        QCOMPARE(rig.opened, (std::vector<SecondaryWindow>{SecondaryWindow::about, SecondaryWindow::paytable}));
    }

    void withoutAWindowToOpenTheMachineStaysPlayable() {
        Rig rig;
        rig.zel.mnuabout_Click();
        QVERIFY(rig.zel.form.enabled);
    }

    void exitPlaysTheClickSavesRestoresTheDisplayAndEnds_data() {
        QTest::addColumn<bool>("closebox");
        QTest::newRow("the exit command") << false;
        QTest::newRow("the window's close box") << true;
    }
    void exitPlaysTheClickSavesRestoresTheDisplayAndEnds() {
        QFETCH(bool, closebox);
        MenuRig rig;
        rig.player.currentplayer = QStringLiteral("Kim");
        rig.player.playerslot = QStringLiteral("1");
        if (closebox) rig.zel.Form_QueryUnload();
        else rig.zel.mnuexit_Click();
        QCOMPARE(rig.platform.clipnumbers(), std::vector<int>{124});
        QCOMPARE(rig.stored("currentplayer"), QStringLiteral("Kim"));
        QCOMPARE(rig.stored("bank"), QStringLiteral("1000"));
        QCOMPARE(rig.platform.displaychanges, (std::vector<std::pair<int, int>>{{0, 0}}));
        QVERIFY(rig.platform.ended);
    }

    // A feature with spins to play is not cut short by leaving: it waits in the store with the
    // record, and the next start plays it on.
    void exitDuringFreeSpinsKeepsTheFeatureForTheNextStart() {
        MenuRig rig;
        rig.startfeature();
        const int32_t feature = rig.zel.freespintotal;
        const int32_t bank = rig.player.bank;
        rig.zel.mnuexit_Click();
        QVERIFY(rig.platform.ended);
        QCOMPARE(rig.player.bank, bank);
        QCOMPARE(rig.stored("bank"), QString::number(bank));
        QCOMPARE(rig.platform.getsetting(inplaysection(1), QStringLiteral("freespintotal")), QString::number(feature));
        QCOMPARE(rig.platform.getsetting(inplaysection(1), QStringLiteral("freespins")), QStringLiteral("11"));

        Player player;
        Zel next(player, rig.platform);
        next.Form_Load();
        QCOMPARE(next.freespins, int16_t(11));
        QCOMPARE(next.freespinsplayed, int16_t(1));
        QCOMPARE(next.freespintotal, feature);
        QCOMPARE(next.form.spinsleft.caption, QStringLiteral("     Freespins Remaining  10"));
        QVERIFY(next.form.Timerrespin.enabled);
        QCOMPARE(player.bank, bank);
    }

    void exitAfterTheLastFreeSpinCollectsTheFeatureTotal() {
        MenuRig rig;
        rig.startfeature();
        rig.zel.freespinsplayed = rig.zel.freespins;
        const int32_t feature = rig.zel.freespintotal;
        const int32_t bank = rig.player.bank;
        rig.zel.mnuexit_Click();
        QVERIFY(rig.platform.ended);
        QCOMPARE(rig.player.bank, bank + feature);
        QCOMPARE(rig.stored("bank"), QString::number(bank + feature));
        QCOMPARE(rig.platform.getsetting(inplaysection(1), QStringLiteral("play")), QString());
    }

    void exitDuringAGambleCollectsTheAmountAtRisk() {
        MenuRig rig;
        rig.afterwin(25);
        rig.zel.doublebutton_Click();
        rig.scriptcard(1);
        rig.zel.betred_Click();
        QCOMPARE(rig.zel.atrisk, 50);
        const int32_t bank = rig.player.bank;
        rig.zel.mnuexit_Click();
        QCOMPARE(rig.player.bank, bank + 50);
        QCOMPARE(rig.creditwinnings(), rig.statswinnings());
        QCOMPARE(rig.stored("bank"), QString::number(bank + 50));
        QCOMPARE(rig.stored("total"), QString::number(rig.player.total));
    }

    void exitWhileTheCardIsShowingStillCollectsTheStake() {
        // The close arrives through the event pump inside the bet, before the card is judged.
        MenuRig rig;
        rig.afterwin(25);
        rig.zel.doublebutton_Click();
        const int32_t bank = rig.player.bank;
        rig.platform.ondoevents = [&] {
            rig.platform.ondoevents = nullptr;
            rig.zel.Form_QueryUnload();
        };
        rig.scriptcard(2);
        rig.zel.betred_Click();
        QVERIFY(rig.platform.ended);
        QCOMPARE(rig.stored("bank"), QString::number(bank + 25));
    }

    void exitAfterALostGambleGivesNothingBack() {
        MenuRig rig;
        rig.afterwin(25);
        rig.zel.doublebutton_Click();
        rig.scriptcard(2);
        rig.zel.betred_Click();
        const int32_t bank = rig.player.bank;
        rig.zel.mnuexit_Click();
        QCOMPARE(rig.player.bank, bank);
        QCOMPARE(rig.creditwinnings(), rig.statswinnings());
    }

    // The game is laid out for whatever logical pixels per inch the desktop gives it: it starts
    // at any font size, without a word.
    void anyFontSizeStartsTheGame_data() {
        QTest::addColumn<int>("dpi");
        QTest::newRow("96") << 96;
        QTest::newRow("120") << 120;
        QTest::newRow("144") << 144;
        QTest::newRow("192") << 192;
    }
    void anyFontSizeStartsTheGame() {
        QFETCH(int, dpi);
        Rig rig;
        rig.platform.dpi = dpi;
        rig.zel.Form_Load();
        QVERIFY(rig.platform.boxes.empty());
        QVERIFY(!rig.platform.ended);
        QCOMPARE(rig.player.screendpi, dpi);
        QCOMPARE(rig.platform.displaychanges, (std::vector<std::pair<int, int>>{{800, 600}}));
        QVERIFY(rig.zel.form.visible);
    }

    void smallFontsShowTheGameAsOnEightHundredBySixHundred() {
        Rig rig;
        rig.zel.Form_Load();
        QVERIFY(!rig.platform.ended);
        QVERIFY(rig.platform.boxes.empty());
        QCOMPARE(rig.platform.displaychanges, (std::vector<std::pair<int, int>>{{800, 600}}));
    }

    void displaySizesAreRoundedAndImpossibleOnesNotAskedFor() {
        Rig rig;
        changeres(rig.platform, 640.5, 479.6);
        changeres(rig.platform, 1e12, 600);
        changeres(rig.platform, std::nan(""), 600);
        restoreres(rig.platform);
        QCOMPARE(rig.platform.displaychanges, (std::vector<std::pair<int, int>>{{640, 480}, {0, 0}}));
    }

    void theAboutWindowShowsItsTopPartAtTheCornerAndGivesTheMachineBack() {
        Rig rig;
        rig.zel.form.enabled = false;
        Aboutzel about(rig.zel);
        about.form.left = 300;
        about.open(true);
        QCOMPARE(about.form.caption, QStringLiteral("About slots_zel"));
        QVERIFY(about.form.lblTitle.visible);
        QCOMPARE(about.form.height, 1815);
        QCOMPARE(about.form.left, 0);
        QCOMPARE(about.form.cmdOK.caption, QStringLiteral("OK"));
        about.Form_QueryUnload();
        QVERIFY(rig.zel.form.enabled);
        QVERIFY(about.form.unloaded);
    }

    void theAboutWindowStaysPutWhileTheMachineIsMinimised() {
        Rig rig;
        Aboutzel about(rig.zel);
        about.form.left = 300;
        about.open(false);
        QCOMPARE(about.form.left, 300);
    }

    void thePayTableClosesWithItsButtonAndGivesTheMachineBack() {
        Rig rig;
        rig.zel.form.enabled = false;
        Zelpays pays(rig.zel);
        pays.form.top = 45;
        pays.open(true);
        QCOMPARE(pays.form.caption, QStringLiteral("ZEL  PAYTABLE"));
        QCOMPARE(pays.form.btnunloadpays.caption, QStringLiteral("Close Paytable"));
        QCOMPARE(pays.form.top, 0);
        pays.btnunloadpays_Click();
        QVERIFY(rig.zel.form.enabled);
        QVERIFY(pays.form.unloaded);
    }
};

QTEST_GUILESS_MAIN(MenusTest)
#include "tst_menus.moc"
