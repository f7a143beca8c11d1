// The player's controls beside the spin: the stake check of a play button, coins, Quick Credit,
// the line buttons and the space bar.
#include <QRegularExpression>
#include <QtTest>

#include "machinefixture.h"

using namespace zel;
using namespace zeltest;

namespace {
// A spin with no win, no scatter and no wild on any line.
void scriptlosingspin(Machine& m) { m.script({20, 19, 1, 20, 22}); }
}  // namespace

class CreditControls : public QObject {
    Q_OBJECT
private slots:
    void aSpinNeedsCreditForTheWholeStake_data();
    void aSpinNeedsCreditForTheWholeStake();
    void aFreeSpinNeedsNoCreditAndKeepsTheBet();
    void aCoinAddsTwentyToCreditAndInvestment_data();
    void aCoinAddsTwentyToCreditAndInvestment();
    void quickCreditStopsAtFiftyThousand_data();
    void quickCreditStopsAtFiftyThousand();
    void quickCreditDoesNothingDuringFreeSpins();
    void theLineButtonsLightTheLinesPlayed_data();
    void theLineButtonsLightTheLinesPlayed();
    void anUnknownLineButtonKeepsTheLines();
    void spaceBeforeAnyBetDoesNothing();
    void spaceSpinsAtTheLastBet_data();
    void spaceSpinsAtTheLastBet();
    void aSpacePressedDuringASpaceSpinIsIgnored();
    void spaceWithTooLittleCreditShowsThePanel();
    void otherKeysSpinNothing_data();
    void otherKeysSpinNothing();
};

void CreditControls::aSpinNeedsCreditForTheWholeStake_data() {
    QTest::addColumn<int>("Index");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("stake");
    QTest::addColumn<int>("shortby");
    const int bets[] = {0, 1, 2, 3, 5, 10, 20};
    for (int i = 1; i <= 6; ++i)
        for (int lines : {1, 25})
            for (int shortby : {0, 1})
                QTest::addRow("play(%d), %d lines, %s", i, lines, shortby ? "one coin short" : "exactly the stake")
                    << i << lines << bets[i] * lines << shortby;
}

void CreditControls::aSpinNeedsCreditForTheWholeStake() {
    QFETCH(int, Index);
    QFETCH(int, lines);
    QFETCH(int, stake);
    QFETCH(int, shortby);
    Machine m(stake - shortby);
    m.lines(lines);
    Zel& z = m.zel;
    ZelForm& f = m.form();
    // Carry-overs of earlier play that a press of a play button clears.
    z.multiplierlimit = z.freewildframe = z.scatterframe = z.wildframe = z.scattertick = 3;
    z.multiplierframe = 4;
    z.takenwin = z.atrisk = z.freespintotal = z.rollcount = 50;
    // What a declined press must leave alone.
    f.COINSIN.enabled = false;
    f.pannomoney.visible = shortby == 0;
    f.LABWIN.caption = QStringLiteral("earlier");
    f.lbllast.caption = QStringLiteral("7");
    f.Timer1.enabled = true;
    z.linecount[2] = 3;
    z.reelstop[1] = 9;
    scriptlosingspin(m);
    z.play_Click(Index);

    QCOMPARE(int(z.betperline), stake / lines);
    QCOMPARE(int(z.multiplierlimit + z.freewildframe + z.scatterframe + z.wildframe + z.scattertick), 0);
    QCOMPARE(int(z.multiplierframe), 0);
    QCOMPARE(z.takenwin + z.atrisk + z.freespintotal + z.rollcount, 0);
    if (shortby) {
        QCOMPARE(m.pf.clipnumbers(), (std::vector<int>{124, 125}));
        QVERIFY(f.pannomoney.visible);
        QCOMPARE(f.pannomoney.caption, QStringLiteral("Not enough credit !"));
        QVERIFY(f.COINSIN.enabled);
        QCOMPARE(m.player.bank, stake - 1);
        QCOMPARE(m.player.games, 0);
        QVERIFY(m.pf.waits.empty());
        QCOMPARE(m.pf.randomizes, 0);
        QCOMPARE(f.LABWIN.caption, QStringLiteral("earlier"));
        QCOMPARE(f.lbllast.caption, QStringLiteral("7"));
        QVERIFY(f.Timer1.enabled);
        QCOMPARE(int(z.linecount[2]), 3);
        QCOMPARE(int(z.reelstop[1]), 9);
    } else {
        QVERIFY(m.pf.script.empty());
        QCOMPARE(m.player.bank, 0);
        QCOMPARE(m.player.games, 1);
        QCOMPARE(m.player.wager, stake);
        QVERIFY(!f.pannomoney.visible);
        QCOMPARE(f.lbllast.caption, QString::number(stake));
        QCOMPARE(f.LABWIN.caption, QStringLiteral("No Win"));
        QVERIFY(f.COINSIN.enabled && f.play[Index].enabled && f.payline[1].enabled);
        QCOMPARE(int(z.reelstop[1]), 20);
    }
}

void CreditControls::aFreeSpinNeedsNoCreditAndKeepsTheBet() {
    Machine m(0);
    Zel& z = m.zel;
    z.betperline = 5;
    z.freespins = 11;
    z.freespinsplayed = 4;
    m.pf.scriptstops({20, 19, 1, 20, 22});
    m.pf.scriptdraw(20, 25);
    m.pf.scriptdraw(1, m.player.machinepay);
    z.play_Click(1);
    QVERIFY(m.pf.script.empty());
    QCOMPARE(int(z.betperline), 5);
    QCOMPARE(m.count(124), 0);
    QCOMPARE(m.count(125), 0);
    QVERIFY(!m.pf.waits.empty());
}

void CreditControls::aCoinAddsTwentyToCreditAndInvestment_data() {
    QTest::addColumn<int>("bank");
    QTest::addColumn<int>("invested");
    QTest::addColumn<int>("bankafter");
    QTest::addColumn<int>("investedafter");
    const int top = std::numeric_limits<int32_t>::max();
    QTest::newRow("from nothing") << 0 << 0 << 20 << 20;
    QTest::newRow("on a debt") << -30 << 100 << -10 << 120;
    QTest::newRow("up to the limit") << top - 20 << 5 << top << 25;
    QTest::newRow("credit at the limit: nothing changes") << top - 19 << 5 << top - 19 << 5;
    QTest::newRow("investment at the limit: nothing changes") << 100 << top - 10 << 100 << top - 10;
}

void CreditControls::aCoinAddsTwentyToCreditAndInvestment() {
    QFETCH(int, bank);
    QFETCH(int, invested);
    QFETCH(int, bankafter);
    QFETCH(int, investedafter);
    Machine m(bank);
    m.player.amountinvested = invested;
    m.form().pannomoney.visible = true;
    m.form().keypreview = false;
    m.zel.COINSIN_Click();
    QCOMPARE(m.player.bank, bankafter);
    QCOMPARE(m.player.amountinvested, investedafter);
    QCOMPARE(m.form().PANELBANK.caption, QString::number(bankafter));
    QCOMPARE(m.form().Lblcredit.caption, moneyform(bankafter));
    QVERIFY(!m.form().pannomoney.visible);
    QVERIFY(m.form().keypreview);
    QVERIFY(m.pf.clips.empty());
}

void CreditControls::quickCreditStopsAtFiftyThousand_data() {
    QTest::addColumn<int>("bank");
    QTest::addColumn<bool>("granted");
    QTest::newRow("from nothing") << 0 << true;
    QTest::newRow("45000 reaches 50000") << 45000 << true;
    QTest::newRow("45001 would pass the limit") << 45001 << false;
    QTest::newRow("far above the limit") << 2147483000 << false;
}

void CreditControls::quickCreditStopsAtFiftyThousand() {
    QFETCH(int, bank);
    QFETCH(bool, granted);
    Machine m(bank);
    m.player.amountinvested = 700;
    m.form().pannomoney.visible = true;
    m.form().keypreview = false;
    m.zel.mnuquickcredit_Click();
    QCOMPARE(m.pf.clipnumbers(), std::vector<int>{124});
    if (granted) {
        QCOMPARE(m.player.bank, bank + 5000);
        QCOMPARE(m.player.amountinvested, 5700);
        QCOMPARE(m.form().PANELBANK.caption, QString::number(bank + 5000));
        QVERIFY(!m.form().pannomoney.visible);
        QVERIFY(m.form().keypreview);
        QVERIFY(m.pf.boxes.empty());
    } else {
        QCOMPARE(m.player.bank, bank);
        QCOMPARE(m.player.amountinvested, 700);
        QCOMPARE(int(m.pf.boxes.size()), 1);
        const RecordedBox& box = m.pf.boxes.front();
        QCOMPARE(box.title, QStringLiteral("Slots_ZEL"));
        QCOMPARE(box.text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n"))),
                 (QStringList{QStringLiteral("Sorry... You've reached the limit, "),
                              QStringLiteral("Please lose some more first"),
                              QStringLiteral("(Shouldn't take long !!!)")}));
        QVERIFY(box.icon == MsgIcon::information);
        QVERIFY(box.buttons == MsgButtons::ok);
        QVERIFY(m.form().pannomoney.visible);
    }
}

void CreditControls::quickCreditDoesNothingDuringFreeSpins() {
    Machine m(100);
    m.zel.freespins = 11;
    m.zel.mnuquickcredit_Click();
    QCOMPARE(m.player.bank, 100);
    QVERIFY(m.pf.clips.empty());
    QVERIFY(m.pf.boxes.empty());
}

void CreditControls::theLineButtonsLightTheLinesPlayed_data() {
    QTest::addColumn<int>("Index");
    QTest::addColumn<int>("lines");
    QTest::newRow("1 line") << 1 << 1;
    QTest::newRow("5 lines") << 2 << 5;
    QTest::newRow("10 lines") << 3 << 10;
    QTest::newRow("15 lines") << 4 << 15;
    QTest::newRow("25 lines") << 5 << 25;
}

void CreditControls::theLineButtonsLightTheLinesPlayed() {
    QFETCH(int, Index);
    QFETCH(int, lines);
    Machine m;
    m.zel.payline_Click(1);  // start from a single line, every other tag grey
    for (int i = 1; i <= 15; ++i) m.form().flasher[i].visible = true;
    m.zel.payline_Click(Index);
    QCOMPARE(int(m.zel.linesplayed), lines);
    for (int L = 1; L <= 25; ++L) {
        const Pic pic = m.form().lin[L].picture;
        QVERIFY(pic.list == PicList::linepics);
        QCOMPARE(int(pic.index), L <= lines ? L : L + 25);
    }
    QCOMPARE(int(m.form().lin[26].picture.index), 1);
    for (int i = 1; i <= 15; ++i) QVERIFY(!m.form().flasher[i].visible);
    QVERIFY(m.pf.clips.empty());
}

void CreditControls::anUnknownLineButtonKeepsTheLines() {
    Machine m;
    m.zel.payline_Click(3);
    m.zel.payline_Click(6);
    m.zel.payline_Click(0);
    QCOMPARE(int(m.zel.linesplayed), 10);
    QCOMPARE(int(m.form().lin[11].picture.index), 36);
    QCOMPARE(int(m.form().lin[10].picture.index), 10);
}

void CreditControls::spaceBeforeAnyBetDoesNothing() {
    Machine m(500);
    m.zel.Form_KeyPress(32);
    QVERIFY(m.pf.clips.empty());
    QVERIFY(m.pf.waits.empty());
    QCOMPARE(m.player.games, 0);
    QCOMPARE(m.player.bank, 500);
    QVERIFY(!m.form().pannomoney.visible);
}

void CreditControls::spaceSpinsAtTheLastBet_data() {
    QTest::addColumn<int>("Index");
    QTest::addColumn<int>("bet");
    const int bets[] = {0, 1, 2, 3, 5, 10, 20};
    for (int i = 1; i <= 6; ++i) QTest::addRow("play(%d)", i) << i << bets[i];
}

void CreditControls::spaceSpinsAtTheLastBet() {
    QFETCH(int, Index);
    QFETCH(int, bet);
    Machine m(10000);
    scriptlosingspin(m);
    m.zel.play_Click(Index);
    scriptlosingspin(m);
    m.zel.Form_KeyPress(32);
    QVERIFY(m.pf.script.empty());
    QCOMPARE(m.player.games, 2);
    QCOMPARE(m.player.wager, 2 * 25 * bet);
    QCOMPARE(int(m.zel.betperline), bet);
    QCOMPARE(m.count(124), 2);
    QCOMPARE(int(m.zel.spacecount), 0);
}

void CreditControls::aSpacePressedDuringASpaceSpinIsIgnored() {
    Machine m(10000);
    scriptlosingspin(m);
    m.zel.play_Click(2);
    int presses = 0;
    m.pf.ondoevents = [&] {
        if (presses++ == 0) m.zel.Form_KeyPress(32);  // the key arrives while the reels run
    };
    scriptlosingspin(m);
    m.zel.Form_KeyPress(32);
    QVERIFY(presses > 0);
    QVERIFY(m.pf.script.empty());
    QCOMPARE(m.player.games, 2);
    QCOMPARE(int(m.zel.spacecount), 0);
}

void CreditControls::spaceWithTooLittleCreditShowsThePanel() {
    Machine m(10000);
    scriptlosingspin(m);
    m.zel.play_Click(6);  // 20 coins on 25 lines
    m.player.bank = 499;
    m.pf.clips.clear();
    const size_t waits = m.pf.waits.size();
    m.zel.Form_KeyPress(32);
    QCOMPARE(m.pf.clipnumbers(), std::vector<int>{125});
    QVERIFY(m.form().pannomoney.visible);
    QCOMPARE(m.form().focus, QStringLiteral("zel"));
    QCOMPARE(m.player.games, 1);
    QCOMPARE(m.player.bank, 499);
    QCOMPARE(m.pf.waits.size(), waits);
}

void CreditControls::otherKeysSpinNothing_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("a") << int('a');
    QTest::newRow("Enter") << 13;
    QTest::newRow("Escape") << 27;
    QTest::newRow("0") << int('0');
}

void CreditControls::otherKeysSpinNothing() {
    QFETCH(int, key);
    Machine m(10000);
    scriptlosingspin(m);
    m.zel.play_Click(1);
    m.pf.clips.clear();
    m.zel.Form_KeyPress(key);
    QCOMPARE(int(m.zel.spacecount), 0);
    QCOMPARE(m.player.games, 1);
    QVERIFY(m.pf.clips.empty());
    // and the space bar still works after it
    scriptlosingspin(m);
    m.zel.Form_KeyPress(32);
    QCOMPARE(m.player.games, 2);
}

QTEST_GUILESS_MAIN(CreditControls)
#include "tst_creditcontrols.moc"
