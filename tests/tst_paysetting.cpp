// The pay setting (a big win may be voided and the reels spun again) and the win sounds.
#include <QtTest>

#include "machinefixture.h"
#include "machinetables.h"

using namespace zel;
using namespace zeltest;

using Stops = QList<int>;

namespace {

// The number of landings: each ends with thirteen settle frames of reel 5.
int landings(const FakePlatform& pf, int reelspeed) {
    return int(std::count(pf.waits.begin(), pf.waits.end(), reelspeed + 9)) / 13;
}

// A line tally that pays `pay` per coin, as (symbol, tally).
struct LinePay {
    int pay;
    Symbol symbol;
    int16_t tally;
};
constexpr LinePay linepays[] = {
    {1500, Symbol::money, 51}, {800, Symbol::memorial, 51}, {600, Symbol::money, 31}, {300, Symbol::money, 21},
    {250, Symbol::statue, 31}, {175, Symbol::K, 51},        {150, Symbol::sign, 51},  {125, Symbol::uncle, 51},
    {100, Symbol::memorial, 21}, {75, Symbol::sign, 31},    {50, Symbol::sign, 21},   {40, Symbol::uncle, 31},
    {20, Symbol::uncle, 21},   {15, Symbol::K, 21},         {10, Symbol::Q, 21},      {5, Symbol::J, 21},
    {2, Symbol::badge, 15},
};

// The fewest line pays (at 1 coin a line) adding up to a win; empty when none do.
std::vector<LinePay> composewin(int win) {
    std::vector<int> fewest(win + 1, 1000), last(win + 1, -1);
    fewest[0] = 0;
    for (int w = 1; w <= win; ++w)
        for (int i = 0; i < int(std::size(linepays)); ++i)
            if (linepays[i].pay <= w && fewest[w - linepays[i].pay] + 1 < fewest[w]) {
                fewest[w] = fewest[w - linepays[i].pay] + 1;
                last[w] = i;
            }
    std::vector<LinePay> parts;
    for (int w = win; w > 0 && last[w] >= 0; w -= linepays[last[w]].pay) parts.push_back(linepays[last[w]]);
    return parts;
}

}  // namespace

class PaySetting : public QObject {
    Q_OBJECT
private slots:
    void aBigWinStandsOnlyOnADrawOfOne_data();
    void aBigWinStandsOnlyOnADrawOfOne();
    void voidedSpinsRepeatUntilOneStands();
    void onlyAWinAboveTwiceTheStakeCanBeVoided_data();
    void onlyAWinAboveTwiceTheStakeCanBeVoided();
    void aSpinWithAHeldReelAlwaysStands();
    void theWinSoundFollowsTheWin_data();
    void theWinSoundFollowsTheWin();
    void aWinTheCreditCannotHoldIsNeitherCountedNorOffered();
    void aFeatureWinTheTotalCannotHoldIsNotCounted();
};

void PaySetting::aBigWinStandsOnlyOnADrawOfOne_data() {
    QTest::addColumn<int>("draw");
    QTest::newRow("draw 1 stands") << 1;
    QTest::newRow("draw 2 voids") << 2;
    QTest::newRow("draw 3 voids") << 3;
    QTest::newRow("draw 4 voids") << 4;
}

void PaySetting::aBigWinStandsOnlyOnADrawOfOne() {
    QFETCH(int, draw);
    Machine m;
    m.player.machinepay = 4;
    const int32_t bank = m.player.bank;
    // Five money on line 1 with a wild on reel 3: 1500 coins against a stake of 25.
    m.script({21, 20, 10, 17, 18}, draw);
    if (draw != 1) m.script({20, 19, 1, 20, 22});  // the replacement spin: no win
    m.zel.play_Click(1);

    QVERIFY(m.pf.script.empty());
    QCOMPARE(landings(m.pf, 1), 1);
    QCOMPARE(m.player.games, 1);
    QCOMPARE(m.player.wager, 25);
    if (draw == 1) {
        QCOMPARE(m.zel.currentwin, 1500);
        QCOMPARE(m.player.bank, bank - 25 + 1500);
        QCOMPARE(m.player.total, 1500);
        QCOMPARE(int(m.zel.linecount[1]), 5);
        QVERIFY(m.form().Timer1.enabled);
        QCOMPARE(int(m.zel.holdreel3), 1);  // the wild on reel 3 holds it for the next spin
    } else {
        QCOMPARE(m.zel.currentwin, 0);
        QCOMPARE(m.player.bank, bank - 25);
        QCOMPARE(m.player.total, 0);
        QCOMPARE(int(m.zel.reelstop[3]), 1);  // the wild of the voided spin holds nothing
        for (int L = 1; L <= 25; ++L) {
            QCOMPARE(int(m.zel.linecount[L]), 0);
            QCOMPARE(int(m.zel.winlines[L]), 0);
        }
        QVERIFY(!m.form().Timer1.enabled);
        QVERIFY(!m.form().Timer4.enabled);
        QCOMPARE(m.form().LABWIN.caption, QStringLiteral("No Win"));
    }
}

void PaySetting::voidedSpinsRepeatUntilOneStands() {
    Machine m;
    m.player.machinepay = 4;
    const int32_t bank = m.player.bank;
    m.script({21, 20, 16, 17, 18}, 3);
    m.script({21, 20, 10, 17, 18}, 2);
    m.script({21, 20, 16, 17, 18}, 1);
    m.zel.play_Click(1);
    QVERIFY(m.pf.script.empty());
    QCOMPARE(landings(m.pf, 1), 1);
    QCOMPARE(m.zel.currentwin, 1500);
    QCOMPARE(m.player.games, 1);
    QCOMPARE(m.player.wager, 25);
    QCOMPARE(m.player.total, 1500);
    QCOMPARE(m.player.bank, bank - 25 + 1500);
}

void PaySetting::onlyAWinAboveTwiceTheStakeCanBeVoided_data() {
    QTest::addColumn<Stops>("stops");
    QTest::addColumn<bool>("stands");
    QTest::newRow("2 coins on a stake of 1 stand") << Stops{3, 4, 5, 14, 3} << true;
    QTest::newRow("5 coins on a stake of 1 are voided") << Stops{5, 1, 5, 14, 3} << false;
    QTest::newRow("300 coins on a stake of 1 are voided") << Stops{21, 20, 16, 14, 18} << false;
}

void PaySetting::onlyAWinAboveTwiceTheStakeCanBeVoided() {
    QFETCH(Stops, stops);
    QFETCH(bool, stands);
    Machine m;
    m.player.machinepay = 4;
    m.lines(1);
    m.script({stops[0], stops[1], stops[2], stops[3], stops[4]}, 4);
    m.script({20, 19, 1, 20, 22});
    m.zel.play_Click(1);
    QCOMPARE(int(m.pf.script.size()), stands ? 6 : 0);
    QCOMPARE(m.zel.currentwin, stands ? readwindow({0, stops[0], stops[1], stops[2], stops[3], stops[4]}, 1, 1).win : 0);
    QCOMPARE(m.player.games, 1);
}

void PaySetting::aSpinWithAHeldReelAlwaysStands() {
    Machine m;
    m.player.machinepay = 4;
    m.spin({5, 1, 5, 14, 3});          // a wild in the middle of reel 2: held next spin
    QCOMPARE(int(m.zel.holdreel2), 1);
    m.script({21, 16, 17, 18}, 4);     // money on reels 1, 3, 4, 5 around the held wild
    m.script({20, 19, 1, 20, 22});     // would be used by a replacement spin
    m.zel.play_Click(1);
    QCOMPARE(int(m.pf.script.size()), 6);
    QCOMPARE(int(m.zel.reelstop[2]), 1);
    QCOMPARE(int(m.zel.linecount[1]), 5);
    QVERIFY(m.zel.currentwin >= 1500);
    QCOMPARE(m.player.games, 2);
}

void PaySetting::theWinSoundFollowsTheWin_data() {
    QTest::addColumn<int>("win");
    QTest::addColumn<int>("clip");
    const int table[][2] = {{0, 0},     {1, 101},   {5, 101},   {6, 102},   {10, 102},  {11, 103},  {21, 103},
                            {22, 104},  {30, 104},  {31, 103},  {40, 103},  {41, 106},  {50, 106},  {51, 107},
                            {100, 107}, {101, 108}, {120, 108}, {121, 109}, {150, 109}, {151, 110}, {200, 110},
                            {201, 111}, {300, 111}, {301, 112}, {450, 112}, {451, 113}, {600, 113}, {601, 114},
                            {750, 114}, {751, 115}, {1000, 115}, {30000, 115}};
    for (const auto& row : table)
        QTest::addRow("%d coins", row[0]) << row[0] << row[1];
}

// The tallies are laid out by hand: one paying line per part of the win, 1 coin a line.
void PaySetting::theWinSoundFollowsTheWin() {
    QFETCH(int, win);
    QFETCH(int, clip);
    Machine m;
    Zel& z = m.zel;
    z.betperline = 1;
    z.rollstep = 7;
    for (int r = 1; r <= 5; ++r) z.reeltop[r] = -1500 * 5;
    if (win == 1) {
        z.linesplayed = 1;
        z.scattercount = 2;  // one total stake of one coin
    } else {
        const auto parts = composewin(win);
        QVERIFY(int(parts.size()) <= 25);
        for (int i = 0; i < int(parts.size()); ++i) z.linetally[int(parts[i].symbol)][i + 1] = parts[i].tally;
    }
    m.pf.scriptdraw(1, m.player.machinepay);
    z.evaluatespin();

    QCOMPARE(z.currentwin, win);
    auto clips = m.pf.clipnumbers();
    QCOMPARE(int(std::count(clips.begin(), clips.end(), 116)), 5);
    clips.erase(std::remove(clips.begin(), clips.end(), 116), clips.end());
    QCOMPARE(clips, clip == 0 ? std::vector<int>{} : std::vector<int>{clip});
    QCOMPARE(int(z.rollstep), win > 0 ? 1 : 0);
    QCOMPARE(m.form().Timerwincounter.enabled, win > 0);
    QCOMPARE(m.form().doublebutton.enabled, win > 0);
}

// At the credit's limit the credit and the total won take a win together or not at all.
void PaySetting::aWinTheCreditCannotHoldIsNeitherCountedNorOffered() {
    Machine m(std::numeric_limits<int32_t>::max() - 50);
    const int32_t total = m.player.total;
    m.spin({5, 5, 5, 11, 6});  // 100 coins
    QCOMPARE(m.player.bank, std::numeric_limits<int32_t>::max() - 75);
    QCOMPARE(m.player.total, total);
    QCOMPARE(m.zel.currentwin, 0);
    QVERIFY(!m.form().doublebutton.enabled);
    QVERIFY(!m.form().Timerwincounter.enabled);
    QCOMPARE(m.form().LABWIN.caption, QStringLiteral("No Win"));
}

void PaySetting::aFeatureWinTheTotalCannotHoldIsNotCounted() {
    Machine m;
    Zel& z = m.zel;
    z.betperline = 1;
    z.freespins = 11;
    z.freespinsplayed = 1;
    z.freespintotal = std::numeric_limits<int32_t>::max() - 10;
    const int32_t total = m.player.total;
    m.pf.scriptstops({5, 5, 5, 11, 6});
    m.pf.scriptdraw(20, 25);  // the multiplier draw: no wild in the run, so 1
    m.pf.scriptdraw(1, m.player.machinepay);
    z.play_Click(1);
    QCOMPARE(z.freespintotal, std::numeric_limits<int32_t>::max() - 10);
    QCOMPARE(m.player.total, total);
}

QTEST_GUILESS_MAIN(PaySetting)
#include "tst_paysetting.moc"
