// The machine's figures: zelslots-math evaluates single spins, works out the exact figures
// over every stop combination, plays the game through its handlers, and refuses bad input.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include <cmath>
#include <random>

#include "fakeplatform.h"
#include "math/featurechain.h"
#include "math/par.h"
#include "math/simulation.h"
#include "math/spinreport.h"
#include "core/players/options.h"
#include "core/players/returntable.h"
#include "toolrun.h"

using namespace zel;
using namespace zel::math;
using zeltest::runtool;
using zeltest::ToolRun;

Q_DECLARE_METATYPE(std::vector<int>)

namespace {

QString name(Symbol s) { return QString::fromLatin1(symbolname[static_cast<int>(s)]); }

}  // namespace

class MathTest : public QObject {
    Q_OBJECT

    // One enumeration at one line, shared by the checks of the exact figures.
    SpinOutcomes outcomes;
    ParFigures oneline;

private slots:
    void initTestCase();

    void evaluatePaysHandWorkedWindowsOnLineOne_data();
    void evaluatePaysHandWorkedWindowsOnLineOne();
    void evaluateShowsTheWindowTopToBottomAndTheHoldsOfTheWildReels();
    void evaluateReportsEveryPayingLineWhoseSumIsTheWin();

    void theHoldIsLearnedFromTheReelStopsAndTheLanding();
    void theMultiplierIsLearnedFromTheFreeSpinDraw();
    void everyHoldStateLeadsSomewhereWithCertainty();
    void theChainMatchesTheClosedFormOfASingleState();

    void theBaseReturnIsTheMeanOfSampledSpins();
    void looserPaySettingsReturnMore();
    void theEmbeddedTableHoldsTheExactFigures();
    void theTableHasNoFigureForAGameTheMachineDoesNotOffer();
    void choosingAPaySettingShowsItsReturnAtTheLinesPlayed();

    void aSimulationIsTheSameForTheSameSeed();
    void aSimulationCountsEachFeatureAsOneGame();
    void theSimulatedReturnAgreesWithTheExactOne();

    void badArgumentsExitWithCodeTwoAndOneLine_data();
    void badArgumentsExitWithCodeTwoAndOneLine();
    void evaluateWritesTheAgreedJsonKeys();
};

void MathTest::initTestCase() {
    outcomes = enumeratespins({1});
    const LinesOutcomes& l = outcomes.bylines.front();
    oneline.lines = l.lines;
    oneline.base = basefigures(l);
    for (int m : paysettings) oneline.settings.push_back(settingfigures(outcomes, l, m));
}

// Line 1 runs along the middle row: the middle symbol of reel r at stop s is strip position s.
void MathTest::evaluatePaysHandWorkedWindowsOnLineOne_data() {
    QTest::addColumn<std::vector<int>>("stops");
    QTest::addColumn<int>("bet");
    QTest::addColumn<int>("scatters");
    QTest::addColumn<int>("win");
    QTest::addColumn<int>("run");  // of line 1, 0 = no pay

    // money on reels 1, 2, 3 and 5, memorial on 4: tally 41 pays a run of 3 (300 a coin).
    QTest::newRow("money with a break on reel 4") << std::vector<int>{21, 20, 16, 1, 18} << 2 << 1 << 600 << 3;
    QTest::newRow("money on all five reels at 20 a line") << std::vector<int>{21, 20, 16, 17, 18} << 20 << 1 << 30000 << 5;
    // badge on reels 1, 2 and 4 (tally 25) pays as a pair.
    QTest::newRow("badge on reels 1, 2 and 4") << std::vector<int>{3, 4, 2, 4, 2} << 5 << 0 << 10 << 2;
    // eagles on reels 2-4 complete J from reel 1; money on reel 5 is not J, so a run of 4.
    QTest::newRow("wilds complete reel 1's symbol") << std::vector<int>{5, 1, 10, 10, 18} << 1 << 0 << 20 << 4;
    // reel 1 shows the scatter on the line: no run starts, whatever the wilds.
    QTest::newRow("scatter on reel 1 never pays a line") << std::vector<int>{22, 1, 10, 10, 18} << 1 << 1 << 0 << 0;
    QTest::newRow("two scatters pay one stake") << std::vector<int>{1, 8, 1, 1, 1} << 3 << 2 << 3 << 0;
    QTest::newRow("five scatters pay twenty stakes") << std::vector<int>{11, 8, 13, 6, 8} << 10 << 5 << 200 << 0;
}

void MathTest::evaluatePaysHandWorkedWindowsOnLineOne() {
    QFETCH(std::vector<int>, stops);
    QFETCH(int, bet);
    QFETCH(int, scatters);
    QFETCH(int, win);
    QFETCH(int, run);
    const SpinReport r = evaluatestops({stops[0], stops[1], stops[2], stops[3], stops[4]}, 1, bet);
    QCOMPARE(r.scattercount, scatters);
    QCOMPARE(r.currentwin, win);
    QCOMPARE(r.lines.empty() ? 0 : r.lines.front().run, run);
}

void MathTest::evaluateShowsTheWindowTopToBottomAndTheHoldsOfTheWildReels() {
    const SpinReport r = evaluatestops({22, 1, 10, 10, 18}, 25, 1);
    const QStringList reel1{name(r.window[0][0]), name(r.window[0][1]), name(r.window[0][2])};
    QCOMPARE(reel1, (QStringList{"money", "mountain", "badge"}));
    QCOMPARE(name(r.window[1][1]), QStringLiteral("eagle"));
    QCOMPARE(name(r.window[4][2]), QStringLiteral("president"));
    QCOMPARE(r.hold, (std::array<int, 3>{1, 1, 1}));
    QCOMPARE(evaluatestops({21, 20, 16, 1, 18}, 25, 1).hold, (std::array<int, 3>{0, 0, 0}));
}

void MathTest::evaluateReportsEveryPayingLineWhoseSumIsTheWin() {
    // Five scatters at 25 lines, 2 a line: the scatters alone pay 20 x 50.
    const SpinReport r = evaluatestops({11, 8, 13, 6, 8}, 25, 2);
    QCOMPARE(r.scatterpay, 1000);
    int64_t sum = r.scatterpay;
    int previous = 0;
    for (const LinePay& p : r.lines) {
        QVERIFY(p.line > previous);
        previous = p.line;
        QCOMPARE(p.pay, 2 * linepay[static_cast<int>(p.symbol)][p.run]);
        sum += p.pay;
    }
    QCOMPARE(sum, int64_t(r.currentwin));
    // money on line 1 at 25 lines and 20 a line adds 30000 without overflow.
    const SpinReport big = evaluatestops({21, 20, 16, 17, 18}, 25, 20);
    QCOMPARE(big.lines.front().line, 1);
    QCOMPARE(big.lines.front().pay, 30000);
}

void MathTest::theHoldIsLearnedFromTheReelStopsAndTheLanding() {
    const HoldModel& h = outcomes.holds;
    QCOMPARE(h.holdstops[2], (std::vector<int>{1, 2}));
    QCOMPARE(h.holdstops[3], (std::vector<int>{9, 10, 11}));
    QCOMPARE(h.holdstops[4], (std::vector<int>{9, 10, 11}));
    QCOMPARE(h.statecount, 48);
    for (int r = 2; r <= 4; ++r)
        for (int s1 = 1; s1 <= stopcount; ++s1) {
            // A held reel's request is cleared by the landing's first phase, which runs no
            // frame when reel 1 stops at 22; a fresh request always outlives the landing.
            QCOMPARE(h.keeps[1][r][s1], s1 == 22);
            QVERIFY(h.keeps[0][r][s1]);
        }
}

void MathTest::theMultiplierIsLearnedFromTheFreeSpinDraw() {
    const MultiplierLaw& m = outcomes.multipliers;
    QCOMPARE(m.factors, (std::vector<int>{1, 2, 3, 5, 10}));
    const std::vector<double> expected{0, 11 / 25.0, 9 / 25.0, 4 / 25.0, 1 / 25.0};
    for (size_t i = 0; i < expected.size(); ++i) QVERIFY(std::fabs(m.chances[i] - expected[i]) < 1e-12);
    // Against twice a stake of 25: 5 x 11 and 10 x 11 lie above 50, 5 x 10 does not.
    QCOMPARE(m.over(11, 25), 2);
    QCOMPARE(m.over(10, 25), 1);
    QCOMPARE(m.over(51, 25), 5);
}

void MathTest::everyHoldStateLeadsSomewhereWithCertainty() {
    const LinesOutcomes& l = outcomes.bylines.front();
    for (bool feature : {false, true}) {
        const SpinLaw law = spinlaw(outcomes, l, 4, feature);
        for (int h = 0; h < outcomes.holds.statecount; ++h) {
            double sum = 0;
            for (const Matrix& m : law.move) sum += m.rowsums()[size_t(h)];
            QVERIFY2(std::fabs(sum - 1) < 1e-12, qPrintable(QStringLiteral("state %1 sums to %2").arg(h).arg(sum)));
        }
    }
}

void MathTest::theChainMatchesTheClosedFormOfASingleState() {
    // One hold state: a base spin wins 0.9 and triggers with chance t, awarding 11; a feature
    // spin wins 2 and retriggers with chance q. A level lasts n = 1 / (1 - 11 q) spins.
    const double t = 0.02, q = 0.03, a = 11;
    SpinLaw base, feature;
    base.awards = feature.awards = {0, 11};
    base.move = {Matrix(1), Matrix(1)};
    base.move[0](0, 0) = 1 - t;
    base.move[1](0, 0) = t;
    base.win = {{0.9 * (1 - t)}, {0.9 * t}};
    base.hits = {{0.5}, {t}};
    feature.move = {Matrix(1), Matrix(1)};
    feature.move[0](0, 0) = 1 - q;
    feature.move[1](0, 0) = q;
    feature.win = {{2 * (1 - q)}, {2 * q}};
    feature.hits = {{0}, {0}};
    const ChainFigures f = solvechain(base, feature);
    const double n = 1 / (1 - a * q);
    QVERIFY(std::fabs(f.featurespergame - t) < 1e-12);
    QVERIFY(std::fabs(f.featurespins - (1 + (a - 1) * n)) < 1e-9);
    QVERIFY(std::fabs(f.featurewin - (0.9 + (a - 1) * n * 2)) < 1e-9);
    QVERIFY(std::fabs(f.winpergame - (0.9 + t * (a - 1) * n * 2)) < 1e-9);
}

void MathTest::theBaseReturnIsTheMeanOfSampledSpins() {
    std::mt19937_64 random(20261208);
    std::uniform_int_distribution<int> stop(1, stopcount);
    const int samples = 20000;
    double sum = 0;
    int hits = 0;
    for (int i = 0; i < samples; ++i) {
        const int32_t win = evaluatestops({stop(random), stop(random), stop(random), stop(random), stop(random)}, 1, 1).currentwin;
        sum += win;
        hits += win > 0;
    }
    const double mean = sum / samples;
    const double error = oneline.base.sd / std::sqrt(double(samples));
    QVERIFY2(std::fabs(mean - oneline.base.rtp) < 4.5 * error,
             qPrintable(QStringLiteral("sampled %1, exact %2").arg(mean).arg(oneline.base.rtp)));
    const double p = oneline.base.hitfrequency;
    QVERIFY(std::fabs(double(hits) / samples - p) < 4.5 * std::sqrt(p * (1 - p) / samples));
}

void MathTest::looserPaySettingsReturnMore() {
    const auto& s = oneline.settings;
    QCOMPARE(s.size(), size_t(3));
    QCOMPARE(s[0].machinepay, 6);
    QCOMPARE(s[2].machinepay, 4);
    QVERIFY(s[0].rtp < s[1].rtp && s[1].rtp < s[2].rtp);
    QVERIFY(s[0].featurefrequency < s[1].featurefrequency && s[1].featurefrequency < s[2].featurefrequency);
    // A feature plays its triggering spin and at least the ten that follow.
    for (const SettingFigures& f : s) QVERIFY(f.meanfeaturespins > 11);
}

void MathTest::theEmbeddedTableHoldsTheExactFigures() {
    for (const SettingFigures& f : oneline.settings) {
        const double embedded = returntoplayer(f.machinepay, 1);
        QVERIFY2(std::fabs(embedded - f.rtp) < 1e-12 * f.rtp,
                 qPrintable(QStringLiteral("setting %1: table %2, worked out %3").arg(f.machinepay).arg(embedded).arg(f.rtp)));
    }
    for (int m : paysettings)
        for (int lines : {1, 5, 10, 15, 25}) QVERIFY(returntoplayer(m, lines) > 0.5 && returntoplayer(m, lines) < 2);
    QVERIFY(returntoplayercaption(6, 25).startsWith(QStringLiteral("Return to player ")));
    QVERIFY(returntoplayercaption(6, 25).endsWith(QStringLiteral(" % at 25 lines")));
    QVERIFY(returntoplayercaption(6, 1).endsWith(QStringLiteral(" % at 1 line")));
}

void MathTest::theTableHasNoFigureForAGameTheMachineDoesNotOffer() {
    QCOMPARE(returntoplayer(0, 25), -1.0);  // a vacant slot's pay setting
    QCOMPARE(returntoplayer(6, 7), -1.0);
    QCOMPARE(returntoplayer(-6, -1), -1.0);
    QVERIFY(returntoplayercaption(0, 25).isEmpty());
}

void MathTest::choosingAPaySettingShowsItsReturnAtTheLinesPlayed() {
    FakePlatform platform;
    Player player;
    Zel machine(player, platform);
    Options options(player, platform, machine);
    machine.linesplayed = 1;
    options.Amtpayout_Click(2);
    QCOMPARE(player.machinepay, int16_t(4));
    QCOMPARE(options.form.lblpayreturn.caption,
             QStringLiteral("Return to player %1 % at 1 line").arg(100 * oneline.settings[2].rtp, 0, 'f', 2));
    machine.linesplayed = 25;
    options.Amtpayout_Click(0);
    QCOMPARE(options.form.lblpayreturn.caption, returntoplayercaption(6, 25));
}

void MathTest::aSimulationIsTheSameForTheSameSeed() {
    SimulationSettings s;
    s.spins = 3000;
    s.seed = 77;
    s.lines = 5;
    s.bet = 2;
    s.machinepay = 5;
    const SimulationFigures a = simulate(s), b = simulate(s);
    QCOMPARE(a.total, b.total);
    QCOMPARE(a.hits, b.hits);
    QCOMPARE(a.features, b.features);
    QCOMPARE(a.cilow, b.cilow);
    s.seed = 78;
    const SimulationFigures c = simulate(s);
    QVERIFY(c.total != a.total || c.hits != a.hits);
}

void MathTest::aSimulationCountsEachFeatureAsOneGame() {
    SimulationSettings s;
    s.spins = 4000;
    s.seed = 3;
    s.lines = 10;
    s.bet = 3;
    s.machinepay = 4;
    const SimulationFigures f = simulate(s);
    QVERIFY(f.features > 0);
    QVERIFY(f.featurespins >= 10 * f.features);
    // Every free spin but a feature's last has its stake returned: the record counts one game
    // and one stake per paid spin.
    QCOMPARE(f.games, s.spins);
    QCOMPARE(f.wager, s.spins * 30);
    QVERIFY(std::isnan(f.cilow) && std::isnan(f.cihigh));  // too few spins for an interval
}

void MathTest::theSimulatedReturnAgreesWithTheExactOne() {
    SimulationSettings s;
    s.spins = 30000;
    s.seed = 11;
    s.lines = 1;
    s.machinepay = 4;
    const SimulationFigures f = simulate(s);
    const double exact = oneline.settings[2].rtp;
    // A margin beyond the 99% interval keeps the check steady when the game's draws change.
    const double half = 1.75 * (f.cihigh - f.cilow) / 2;
    QVERIFY2(std::fabs(f.rtp - exact) < half,
             qPrintable(QStringLiteral("simulated %1 +- %2, exact %3").arg(f.rtp).arg(half).arg(exact)));
}

void MathTest::badArgumentsExitWithCodeTwoAndOneLine_data() {
    QTest::addColumn<QStringList>("args");
    QTest::newRow("stop 0") << QStringList{"evaluate", "--stops", "0,1,1,1,1"};
    QTest::newRow("stop 23") << QStringList{"evaluate", "--stops", "1,1,1,1,23"};
    QTest::newRow("four stops") << QStringList{"evaluate", "--stops", "1,1,1,1"};
    QTest::newRow("six stops") << QStringList{"evaluate", "--stops", "1,1,1,1,1,1"};
    QTest::newRow("a stop that is no number") << QStringList{"evaluate", "--stops", "1,x,1,1,1"};
    QTest::newRow("evaluate without stops") << QStringList{"evaluate", "--lines", "25"};
    QTest::newRow("lines the machine does not offer") << QStringList{"par", "--lines", "3"};
    QTest::newRow("bet the machine does not offer") << QStringList{"evaluate", "--stops", "1,1,1,1,1", "--bet", "4"};
    QTest::newRow("pay setting 7") << QStringList{"simulate", "--pay", "7"};
    QTest::newRow("no spins") << QStringList{"simulate", "--spins", "0"};
    QTest::newRow("negative seed") << QStringList{"simulate", "--seed", "-1"};
    QTest::newRow("value missing") << QStringList{"par", "--lines"};
    QTest::newRow("option given twice") << QStringList{"par", "--lines", "1", "--lines", "5"};
    QTest::newRow("json with a value") << QStringList{"par", "--json=yes"};
}

void MathTest::badArgumentsExitWithCodeTwoAndOneLine() {
    QFETCH(QStringList, args);
    const ToolRun r = runtool(args);
    QCOMPARE(r.exitcode, 2);
    QVERIFY(r.out.isEmpty());
    QVERIFY(r.err.startsWith("zelslots-math: "));
    QCOMPARE(r.err.count('\n'), 1);
    QVERIFY(r.err.endsWith('\n'));
}

void MathTest::evaluateWritesTheAgreedJsonKeys() {
    const ToolRun r = runtool({"evaluate", "--stops", "5,1,10,10,18", "--lines", "1", "--bet", "3", "--json"});
    QCOMPARE(r.exitcode, 0);
    const QJsonObject o = QJsonDocument::fromJson(r.out).object();
    QCOMPARE(o.value("window").toArray().size(), 5);
    QCOMPARE(o.value("window").toArray().at(1).toArray().at(1).toString(), QStringLiteral("eagle"));
    QCOMPARE(o.value("scattercount").toInt(), 0);
    QCOMPARE(o.value("scatterpay").toInt(), 0);
    QCOMPARE(o.value("currentwin").toInt(), 60);
    QCOMPARE(o.value("hold").toArray(), (QJsonArray{1, 1, 1}));
    const QJsonObject line = o.value("lines").toArray().at(0).toObject();
    QCOMPARE(line.value("line").toInt(), 1);
    QCOMPARE(line.value("symbol").toString(), QStringLiteral("J"));
    QCOMPARE(line.value("run").toInt(), 4);
    QCOMPARE(line.value("pay").toInt(), 60);
}

QTEST_GUILESS_MAIN(MathTest)
#include "tst_math.moc"
