// The options window's rules on a real settings file: opening, choosing slots, naming,
// deleting, the settings, and every way of closing.
#include <QtTest>

#include "playerfixture.h"
#include "core/players/statistics.h"

using namespace zel;
using zeltest::Session;
using zeltest::Store;

namespace {
// Presses keys into the name box and Enter, as the player types.
int typename_(Options& o, const QString& text) {
    o.form.player1.text = text;
    int key = keyenter;
    o.player1_KeyPress(key);
    return key;
}

int selected(const OptionsForm& f, OptionGroup g) {
    int found = -1;
    for (int i = firstoption(g); i <= lastoption(g); ++i)
        if (const_cast<OptionsForm&>(f).option(g, i)->value) {
            if (found != -1) return -2;  // two on at once
            found = i;
        }
    return found;
}
}  // namespace

class OptionsTest : public QObject {
    Q_OBJECT

    Store store;
    std::unique_ptr<Session> s;

    // A store with players in slots 1 and 3 and a running machine on slot 3.
    void startonslotthree() {
        s = std::make_unique<Session>(store.file());
        s->storerecord(1, QStringLiteral("amy"), 500, 1000, 800, 300, 40, 5, 4, 1);
        s->storerecord(3, QStringLiteral("Cat"), 2500, 2000, 1000, 1500, 50, 4, 8, 0);
        s->start();
        s->player.playerslot = QStringLiteral("3");
        loadplayer(s->player, s->pf, 3);
        s->player.bank = 2600;  // won 100 since; not saved yet
        s->player.total = 1600;
        s->pf.clips.clear();
    }

private slots:
    void init() { QVERIFY(store.dir.isValid()); }
    void cleanup() {
        s.reset();
        QFile::remove(store.file());
    }

    void openingSavesTheRecordListsTheSlotsAndShowsTheCurrentPlayer() {
        startonslotthree();
        auto o = s->openoptions();
        const OptionsForm& f = o->form;
        QVERIFY(f.visible);
        QCOMPARE(s->pf.clipnumbers().front(), 124);
        QCOMPARE(s->stored(3, "bank"), QStringLiteral("2600"));
        QCOMPARE(s->stored(3, "total"), QStringLiteral("1600"));
        const QStringList names{f.machine[1].caption, f.machine[2].caption, f.machine[3].caption,
                                f.machine[4].caption, f.machine[5].caption, f.machine[6].caption};
        QCOMPARE(names, (QStringList{"AMY", "Vacant", "CAT", "Vacant", "Vacant", "Vacant"}));
        QCOMPARE(selected(f, OptionGroup::machine), 3);
        QCOMPARE(f.Btndeletedetails.caption, QStringLiteral("Delete Currentplayer  (Cat) Details"));
        QCOMPARE(f.lblcurrentplayer.caption, QStringLiteral("Current Player    CAT"));
        QCOMPARE(f.lblgames.caption, QStringLiteral("Games Played            50"));
        QCOMPARE(f.lblreturned.caption, QStringLiteral("Returned To Player     % 160"));
        QCOMPARE(f.lblwinlose.caption, QStringLiteral("Winning/Losing           600"));
        QCOMPARE(selected(f, OptionGroup::setspeed), 3);
        QCOMPARE(f.speedlab.caption, QStringLiteral("Current Speed =   4"));
        QCOMPARE(selected(f, OptionGroup::Amtpayout), 2);
        QCOMPARE(selected(f, OptionGroup::wincounter), 2);
        QCOMPARE(f.wincounter[2].caption, QStringLiteral("Wincounter OFF"));
        QCOMPARE(f.wincounter[1].caption, QString());
        QCOMPARE(selected(f, OptionGroup::screensize), -1);
        QCOMPARE(s->zel.form.caption, QStringLiteral("Current Player       CAT"));
        QCOMPARE(s->zel.form.Lblcredit.caption, QStringLiteral("$ 26"));
        QCOMPARE(f.focus, QStringLiteral("player1"));
    }

    void openingWithTheCounterOnKeepsTheOpeningCaption() {
        startonslotthree();
        s->player.playerslot = QStringLiteral("1");
        loadplayer(s->player, s->pf, 1);
        auto o = s->openoptions();
        QCOMPARE(selected(o->form, OptionGroup::wincounter), 1);
        QCOMPARE(o->form.wincounter[1].caption, QStringLiteral("Wincounter ON "));
        QCOMPARE(o->form.wincounter[2].caption, QString());
        QCOMPARE(s->player.winroll, int16_t(1));
    }

    // A vacant slot holds no pay setting; it plays, shows and saves "Realistic", never 0.
    void choosingAVacantSlotShowsBareCaptionsAndTheRealisticPayOption() {
        startonslotthree();
        auto o = s->openoptions();
        o->click(OptionGroup::machine, 5);
        const OptionsForm& f = o->form;
        QCOMPARE(s->player.playerslot, QStringLiteral("5"));
        QCOMPARE(f.machine[5].caption, QStringLiteral("Vacant"));
        QCOMPARE(f.lblcurrentplayer.caption, QStringLiteral("Current Player    "));
        QCOMPARE(f.lblgames.caption, QStringLiteral("Games Played          "));
        QCOMPARE(f.lblreturned.caption, QStringLiteral("Returned To Player "));
        QCOMPARE(s->player.reelspeed, int16_t(1));
        QCOMPARE(selected(f, OptionGroup::setspeed), 0);
        QCOMPARE(f.speedlab.caption, QStringLiteral("Current Speed =   1"));
        QCOMPARE(selected(f, OptionGroup::wincounter), 2);
        QCOMPARE(s->player.winroll, int16_t(0));
        QCOMPARE(selected(f, OptionGroup::Amtpayout), 0);
        QCOMPARE(s->player.machinepay, int16_t(6));
        QCOMPARE(s->player.bank, 0);
        QCOMPARE(s->zel.form.PANELBANK.caption, QStringLiteral("0"));
        QCOMPARE(s->zel.form.caption, QStringLiteral("Current Player       "));
        QCOMPARE(f.Btndeletedetails.caption, QStringLiteral("Delete Currentplayer  () Details"));
        o->btnokplayer_Click();
        QCOMPARE(s->stored(5, "machinepay"), QStringLiteral("6"));
        QCOMPARE(s->stored(5, "reelspeed"), QStringLiteral("1"));
        QCOMPARE(s->stored(3, "bank"), QStringLiteral("2600"));
    }

    void clickingTheShownPayOptionAppliesIt() {
        startonslotthree();
        auto o = s->openoptions();
        o->click(OptionGroup::machine, 5);
        o->click(OptionGroup::Amtpayout, 2);
        QCOMPARE(s->player.machinepay, int16_t(4));
    }

    void clickingTheChosenSlotAgainKeepsTheChangesJustMade() {
        startonslotthree();
        auto o = s->openoptions();
        o->click(OptionGroup::setspeed, 4);
        o->click(OptionGroup::machine, 3);
        QCOMPARE(s->player.reelspeed, int16_t(10));
    }

    void aSpeedChangeIsDroppedByChoosingAnotherSlot() {
        startonslotthree();
        auto o = s->openoptions();
        o->click(OptionGroup::setspeed, 4);
        QCOMPARE(s->player.reelspeed, int16_t(10));
        QCOMPARE(o->form.speedlab.caption, QStringLiteral("Current Speed =   5"));
        o->click(OptionGroup::machine, 1);
        QCOMPARE(s->player.reelspeed, int16_t(4));
        o->click(OptionGroup::machine, 3);
        QCOMPARE(s->player.reelspeed, int16_t(8));
        QCOMPARE(selected(o->form, OptionGroup::setspeed), 3);
        QCOMPARE(o->form.lblcurrentplayer.caption, QStringLiteral("Current Player   CAT"));
        QCOMPARE(o->form.lblgames.caption, QStringLiteral("Games Played            50"));
    }

    void aStoredCounterOfFiveOpensWithTheCounterOff() {
        startonslotthree();
        s->store(3, "winroll", QStringLiteral("5"));
        s->player.winroll = 5;
        auto o = s->openoptions();
        QCOMPARE(selected(o->form, OptionGroup::wincounter), 2);
        QCOMPARE(s->player.winroll, int16_t(0));
        // Choosing another such slot while "off" is already on still makes the counter match.
        s->store(5, "winroll", QStringLiteral("5"));
        o->click(OptionGroup::machine, 5);
        QCOMPARE(selected(o->form, OptionGroup::wincounter), 2);
        QCOMPARE(s->player.winroll, int16_t(0));
    }

    void namesFromNothingToThirteenCharacters_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");  // empty: accepted
        QTest::newRow("nothing") << "" << "Nothing Entered";
        QTest::newRow("one blank") << " " << "";
        QTest::newRow("twelve") << "Abcdefghijkl" << "";
        QTest::newRow("thirteen") << "Abcdefghijklm" << "Name Too Long";
        QTest::newRow("twelve accented") << QString::fromUtf8("Zoë Ångström") << "";
    }
    void namesFromNothingToThirteenCharacters() {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        startonslotthree();
        auto o = s->openoptions();
        const int writes = s->pf.storewrites;
        QCOMPARE(typename_(*o, typed), 0);
        QCOMPARE(o->form.player1.text, QString());
        if (!message.isEmpty()) {
            QCOMPARE(s->pf.boxes.size(), size_t(1));
            QCOMPARE(s->pf.boxes[0].text, message);
            QCOMPARE(s->pf.boxes[0].title, QStringLiteral("Slots_ZEL"));
            QCOMPARE(s->pf.boxes[0].icon, MsgIcon::information);
            QCOMPARE(s->player.currentplayer, QStringLiteral("Cat"));
            QCOMPARE(o->form.lblcurrentplayer.caption, QStringLiteral("Current Player  CAT"));
            QCOMPARE(s->pf.storewrites, writes);
            return;
        }
        QVERIFY(s->pf.boxes.empty());
        QCOMPARE(s->player.currentplayer, typed);
        QCOMPARE(s->stored(3, "currentplayer"), typed);
        QCOMPARE(o->form.lblcurrentplayer.caption, QStringLiteral("Current Player  ") + typed.toUpper());
        QCOMPARE(o->form.machine[3].caption, typed.toUpper());
        // Renaming keeps the slot's statistics.
        QCOMPARE(s->stored(3, "games"), QStringLiteral("50"));
    }

    void aLowerCaseNameIsStoredAsTypedAndShownUpperCase() {
        startonslotthree();
        auto o = s->openoptions();
        typename_(*o, QStringLiteral("dan"));
        QCOMPARE(s->stored(3, "currentplayer"), QStringLiteral("dan"));
        QCOMPARE(o->form.lblcurrentplayer.caption, QStringLiteral("Current Player  DAN"));
        QCOMPARE(o->form.machine[3].caption, QStringLiteral("DAN"));
        QCOMPARE(s->zel.form.caption, QStringLiteral("Current Player       DAN"));
        QCOMPARE(o->form.Btndeletedetails.caption, QStringLiteral("Delete Currentplayer  (dan) Details"));
        QCOMPARE(s->zel.form.PANELBANK.caption, QStringLiteral("2600"));
    }

    void otherKeysReachTheBoxAndRefreshTheDeleteCaption() {
        startonslotthree();
        auto o = s->openoptions();
        o->form.Btndeletedetails.caption.clear();
        int key = 'x';
        o->player1_KeyPress(key);
        QCOMPARE(key, int('x'));
        QCOMPARE(o->form.Btndeletedetails.caption, QStringLiteral("Delete Currentplayer  (Cat) Details"));
    }

    void deleteAnsweredYesKeepsTheNameAndClearsTheRest() {
        startonslotthree();
        auto o = s->openoptions();
        s->pf.answers.push_back(MsgResult::yes);
        o->Btndeletedetails_Click();
        const RecordedBox& box = s->pf.boxes.at(0);
        QCOMPARE(box.text, QStringLiteral("Are you sure you want to Delete Current Player's Details ?"));
        QCOMPARE(box.title, QStringLiteral("Slots_ZEL"));
        QCOMPARE(box.icon, MsgIcon::stop);
        QCOMPARE(box.buttons, MsgButtons::yesNoDefaultNo);
        QCOMPARE(s->stored(3, "currentplayer"), QStringLiteral("Cat"));
        for (const char* key : {"amountinvested", "wager", "total", "bank", "games"}) QCOMPARE(s->stored(3, key), QStringLiteral("0"));
        QCOMPARE(s->stored(3, "machinepay"), QStringLiteral("6"));
        QCOMPARE(s->stored(3, "reelspeed"), QStringLiteral("8"));
        QCOMPARE(o->form.lblcurrentplayer.caption, QStringLiteral("Current Player   CAT"));
        QCOMPARE(o->form.lblwinlose.caption, QStringLiteral("Winning/Losing           0"));
        QCOMPARE(o->form.lblreturned.caption, QStringLiteral("Returned To Player     % "));
        QCOMPARE(s->zel.form.Lblcredit.caption, QString());
        QCOMPARE(s->zel.form.PANELBANK.caption, QString());
        QVERIFY(o->form.unloaded);
        QVERIFY(s->zel.form.enabled);
    }

    void deleteAnsweredNoChangesNothingAndCloses() {
        startonslotthree();
        auto o = s->openoptions();
        o->Btndeletedetails_Click();
        QCOMPARE(s->player.bank, 2600);
        QCOMPARE(s->stored(3, "bank"), QStringLiteral("2600"));
        QCOMPARE(s->stored(3, "machinepay"), QStringLiteral("4"));
        QCOMPARE(s->zel.form.PANELBANK.caption, QStringLiteral("2600"));
        QVERIFY(o->form.unloaded);
        QVERIFY(!o->form.visible);
    }

    void noWagerWithGamesPlayedLeavesTheReturnedLabel() {
        startonslotthree();
        s->player.wager = 0;
        s->player.games = 5;
        auto o = s->openoptions();
        QCOMPARE(o->form.lblreturned.caption, QString());
        QCOMPARE(o->form.lblgames.caption, QStringLiteral("Games Played            5"));
    }

    void okSavesAndGivesTheMachineBack() {
        startonslotthree();
        s->zel.form.enabled = false;
        s->zel.form.doublebutton.enabled = false;
        s->zel.form.flasher[7].visible = true;
        auto o = s->openoptions();
        o->click(OptionGroup::Amtpayout, 0);
        s->pf.clips.clear();
        o->btnokplayer_Click();
        QCOMPARE(s->pf.clipnumbers(), (std::vector<int>{124, 124}));
        QCOMPARE(s->stored(3, "machinepay"), QStringLiteral("6"));
        QVERIFY(s->zel.form.enabled);
        QVERIFY(s->zel.form.visible);
        QVERIFY(!s->zel.form.flasher[7].visible);
        QVERIFY(!s->zel.form.doublebutton.enabled);
        QVERIFY(o->form.unloaded);
        // A second close (the window's own close after OK) does nothing more.
        o->Form_QueryUnload();
        QCOMPARE(s->pf.clipnumbers().size(), size_t(2));
    }

    void closingTurnsANoughtSpeedIntoTheFastest() {
        startonslotthree();
        auto o = s->openoptions();
        s->player.reelspeed = 0;
        o->Form_QueryUnload();
        QCOMPARE(s->player.reelspeed, int16_t(1));
        QCOMPARE(s->stored(3, "reelspeed"), QStringLiteral("1"));
    }

    void screenSizeChangesTheDisplayAndCloses_data() {
        QTest::addColumn<int>("option");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::newRow("800 X 600 Small") << 1 << 800 << 600;
        QTest::newRow("640 X 480  Large") << 2 << 640 << 480;
    }
    void screenSizeChangesTheDisplayAndCloses() {
        QFETCH(int, option);
        QFETCH(int, width);
        QFETCH(int, height);
        startonslotthree();
        auto o = s->openoptions();
        s->zel.form.left = 120;
        s->pf.displaychanges.clear();
        o->click(OptionGroup::screensize, option);
        QCOMPARE(s->pf.displaychanges, (std::vector<std::pair<int, int>>{{width, height}}));
        QCOMPARE(s->zel.form.left, 0);
        QCOMPARE(s->zel.form.top, 0);
        QVERIFY(o->form.unloaded);
        QVERIFY(s->zel.form.enabled);
    }
};

QTEST_GUILESS_MAIN(OptionsTest)
#include "tst_options.moc"
