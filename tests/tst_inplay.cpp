// The play in progress kept with the record: a feature or a gamble reads back as it was stored;
// a gamble found at start is collected as COLLECT would have, into the record and the history; a
// section that holds no play the game could have left plays no part, and is kept aside and told;
// deleting the player's details takes the slot's play in progress with them.
#include <QDir>
#include <QtTest>

#include "core/players/inplay.h"
#include "historyrig.h"
#include "playerfixture.h"
#include "store/historydatabase.h"

using namespace zel;
using namespace zeltest;

class InPlayTest : public QObject {
    Q_OBJECT

private slots:
    void aFeatureReadsBackAsItWasStored() {
        Store store;
        Session s(store.file());
        InPlay p;
        p.freespins = 21;
        p.freespinsplayed = 4;
        p.freespintotal = 1234;
        p.freespinmultiplier = 5;
        p.linesplayed = 15;
        p.betperline = 10;
        p.reelstops = {22, 1, 7, 13, 2};
        p.holds = {0, 1, 0};
        s.pf.commit({inplaysectionof(p, 2)});
        QString fault;
        const auto read = readinplay(s.pf, 2, &fault);
        QVERIFY(read);
        QCOMPARE(fault, QString());
        QCOMPARE(read->freespins, p.freespins);
        QCOMPARE(read->freespinsplayed, p.freespinsplayed);
        QCOMPARE(read->freespintotal, p.freespintotal);
        QCOMPARE(read->freespinmultiplier, p.freespinmultiplier);
        QCOMPARE(read->linesplayed, p.linesplayed);
        QCOMPARE(read->betperline, p.betperline);
        QCOMPARE(read->reelstops, p.reelstops);
        QCOMPARE(read->holds, p.holds);
        QVERIFY(!readinplay(s.pf, 3, &fault));  // another slot has none
    }

    void aSectionThatHoldsNoPlayTheGameCouldHaveLeftIsNone_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("a play of another kind") << "play" << "jackpot";
        QTest::newRow("no spins") << "freespins" << "0";
        QTest::newRow("more spins played than awarded") << "freespinsplayed" << "30";
        QTest::newRow("a total below zero") << "freespintotal" << "-5";
        QTest::newRow("a multiplier the game never draws") << "freespinmultiplier" << "4";
        QTest::newRow("lines the game does not offer") << "linesplayed" << "7";
        QTest::newRow("a bet the game does not offer") << "betperline" << "4";
        QTest::newRow("a reel stop outside 1 to 22") << "reelstops" << "1,2,3,4,23";
        QTest::newRow("four reel stops") << "reelstops" << "1,2,3,4";
        QTest::newRow("a hold that is neither 0 nor 1") << "holds" << "0,2,0";
        QTest::newRow("text for a number") << "freespins" << "many";
    }
    void aSectionThatHoldsNoPlayTheGameCouldHaveLeftIsNone() {
        QFETCH(QString, key);
        QFETCH(QString, value);
        Store store;
        Session s(store.file());
        s.storerecord(1, QStringLiteral("Ann"), 900, 900, 0, 0, 0);
        InPlay p;
        p.freespins = 11;
        p.freespinsplayed = 3;
        p.freespintotal = 40;
        Platform::Section section = inplaysectionof(p, 1);
        for (auto& [k, v] : section.values)
            if (k == key) v = value;
        s.pf.commit({section});
        QString fault;
        QVERIFY(!readinplay(s.pf, 1, &fault));
        QVERIFY2(fault.contains(key), qPrintable(fault));

        // At start the play takes no part; the file is kept as it was, and the player hears why.
        Session again(store.file());
        again.start();
        QCOMPARE(again.zel.freespins, int16_t(0));
        QCOMPARE(again.player.bank, 900);
        QCOMPARE(again.pf.boxes.size(), size_t(1));
        QVERIFY(again.pf.boxes[0].text.contains(QStringLiteral("inplay1")));
        const QStringList copies = QDir(store.dir.path()).entryList({QStringLiteral("zelslots.conf.original-*")}, QDir::Files);
        QCOMPARE(copies.size(), 1);
    }

    // The game ends (a kill) with a card won: the next start collects the amount at risk, as
    // COLLECT would, and the history says the gamble was collected.
    void aGambleFoundAtStartIsCollected() {
        Store store;
        int32_t bank = 0, total = 0;
        {
            Session s(store.file());
            s.pf.keephistory();
            s.storerecord(1, QStringLiteral("Ann"), 1000, 1000, 0, 0, 0);
            s.start();
            s.spin({5, 5, 5, 11, 6});  // J on line 1 all the way: 100 coins
            QVERIFY(s.zel.form.doublebutton.enabled);
            s.zel.doublebutton_Click();
            s.pf.scriptdraw(1, 4);  // hearts on red
            s.zel.betred_Click();
            QCOMPARE(s.zel.atrisk, 200);
            bank = s.player.bank;
            total = s.player.total;
        }
        Session again(store.file());
        again.pf.keephistory();
        again.start();
        QCOMPARE(again.player.bank, bank + 200);
        QCOMPARE(again.player.total, total + 100);  // the gain over the stake is new winnings
        QCOMPARE(int64_t(again.player.bank) - again.player.amountinvested, int64_t(again.player.total) - again.player.wager);
        QCOMPARE(again.zel.form.LABWIN.caption, QStringLiteral("200"));
        QCOMPARE(again.pf.ondisk(inplaysection(1), QStringLiteral("play")), QString());
        const std::vector<GameRecord>& games = again.zel.journal.book.games(1);
        QCOMPARE(games.size(), size_t(1));
        QVERIFY(games[0].gamble && games[0].gamble->collected);
        QCOMPARE(games[0].gamble->amount, 200);
        QCOMPARE(games[0].gamble->cards.size(), size_t(1));
        QCOMPARE(games[0].credit, bank + 200);
    }

    // A feature found with a slot chosen in the options window waits for the window to close, and
    // plays on then; deleting the player's details takes it with them.
    void aFeatureOfAChosenSlotPlaysOnWhenTheOptionsClose_data() {
        QTest::addColumn<bool>("deleted");
        QTest::newRow("the window closes") << false;
        QTest::newRow("the details are deleted") << true;
    }
    void aFeatureOfAChosenSlotPlaysOnWhenTheOptionsClose() {
        QFETCH(bool, deleted);
        Store store;
        Session s(store.file());
        s.storerecord(1, QStringLiteral("Ann"), 1000, 1000, 0, 0, 0);
        s.storerecord(2, QStringLiteral("Bo"), 500, 500, 0, 0, 0);
        InPlay feature;
        feature.freespins = 11;
        feature.freespinsplayed = 2;
        feature.freespintotal = 60;
        s.pf.commit({inplaysectionof(feature, 2)});
        s.start();
        QCOMPARE(s.zel.freespins, int16_t(0));  // Ann's slot has none
        auto options = s.openoptions();
        options->click(OptionGroup::machine, 2);
        QCOMPARE(s.zel.freespins, int16_t(0));  // the window is still open
        if (deleted) {
            s.pf.answers.push_back(MsgResult::yes);
            options->Btndeletedetails_Click();
        } else {
            options->btnokplayer_Click();
        }
        QVERIFY(options->form.unloaded);
        QCOMPARE(s.zel.freespins, int16_t(deleted ? 0 : 11));
        QCOMPARE(s.zel.freespintotal, deleted ? 0 : 60);
        QCOMPARE(s.zel.form.Timerrespin.enabled, !deleted);
        QCOMPARE(s.pf.ondisk(inplaysection(2), QStringLiteral("play")), deleted ? QString() : QStringLiteral("feature"));
    }
};

QTEST_GUILESS_MAIN(InPlayTest)
#include "tst_inplay.moc"
