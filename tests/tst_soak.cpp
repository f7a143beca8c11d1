// A long seeded session of random player actions, taking only what the window offers at each
// moment, with the books checked after every single action.
#include <functional>
#include <random>
#include <vector>

#include <QtTest>

#include "gamblerig.h"

using namespace zel;

namespace {

struct Action {
    double weight;
    std::function<void()> run;
    int* counter = nullptr;
};

bool offered(const Control& c) { return c.visible && c.enabled; }

struct Coverage {
    int spins = 0, features = 0, collects = 0, gambles = 0, gamblewins = 0, gamblelosses = 0, gamblecollects = 0;
};

}  // namespace

class SoakTest : public QObject {
    Q_OBJECT

    // Money that is the player's but not in the credit at this moment: a feature total not yet
    // collected, and the stake on the gamble table. With it the books balance at every step.
    static int64_t pending(const Zel& z) {
        int64_t amount = 0;
        if (z.freespins > 0) amount += z.freespintotal;
        if (z.form.pandouble.visible) amount += z.gamblestake;
        return amount;
    }

    static QString checkbooks(const Rig& rig) {
        const Player& p = rig.player;
        const Zel& z = rig.zel;
        if (int64_t(p.bank) + pending(z) - p.amountinvested != int64_t(p.total) - p.wager)
            return QStringLiteral("winnings differ: bank %1 pending %2 invested %3 total %4 wager %5")
                .arg(p.bank).arg(pending(z)).arg(p.amountinvested).arg(p.total).arg(p.wager);
        if (!z.form.pandouble.visible && z.freespins == 0 && p.bank - int64_t(p.amountinvested) != rig.statswinnings())
            return QStringLiteral("at rest the credit does not show the winnings");
        if (p.bank < 0 || p.total < 0 || p.wager < 0 || p.games < 0 || p.amountinvested < 0)
            return QStringLiteral("a record went below zero");
        if (z.atrisk < 0 || z.freespintotal < 0 || z.takenwin < 0 || z.rollcount < 0 || z.gamblestake < 0)
            return QStringLiteral("an amount of the machine went below zero");
        if (z.form.PANELBANK.caption.startsWith(QLatin1Char('-')) || z.form.Lblcredit.caption.contains(QLatin1Char('-')))
            return QStringLiteral("the credit shows a negative number");
        if (z.freespinsplayed < 0 || z.freespinsplayed > z.freespins)
            return QStringLiteral("more free spins booked than awarded");
        if (z.historycount < 0 || z.historycount > 10) return QStringLiteral("card history count out of its cycle");
        // A feature must always have a way forward: the meter, the next spin, or the collect button.
        if (z.freespins > 0 && !z.form.Timerwincounter.enabled && !z.form.Timerrespin.enabled && !offered(z.form.takewin))
            return QStringLiteral("a free-spin feature stands still");
        return {};
    }

private slots:
    void aLongRandomSessionKeepsTheBooksTrue() {
        Rig rig(2000);
        rig.platform.recordwaits = false;
        Zel& z = rig.zel;
        ZelForm& f = z.form;
        std::mt19937 pick(19840726);
        Coverage seen;
        int prevfreespins = 0;

        std::vector<Action> actions;
        auto add = [&](bool allowed, double weight, std::function<void()> run, int* counter = nullptr) {
            if (allowed) actions.push_back({weight, std::move(run), counter});
        };

        constexpr int steps = 100000;
        for (int step = 1; step <= steps; ++step) {
            actions.clear();
            const bool gambling = f.pandouble.visible;
            const int button = std::uniform_int_distribution<int>(1, 6)(pick);
            const int lines = std::uniform_int_distribution<int>(1, 5)(pick);
            const int suit = std::uniform_int_distribution<int>(1, 4)(pick);

            add(offered(f.COINSIN), 2, [&] { z.COINSIN_Click(); });
            add(true, 0.5, [&] { z.mnuquickcredit_Click(); });
            add(!gambling && offered(f.play[button]), 8, [&] { z.play_Click(button); }, &seen.spins);
            add(offered(f.payline[lines]), 1, [&] { z.payline_Click(lines); });
            add(!gambling && f.keypreview, 3, [&] { z.Form_KeyPress(32); });
            add(!gambling && f.keypreview, 0.5, [&] { z.Form_KeyPress('x'); });
            add(offered(f.doublebutton), 4, [&] { z.doublebutton_Click(); }, &seen.gambles);
            add(gambling && offered(f.betred), 2, [&] { z.betred_Click(); });
            add(gambling && offered(f.betblack), 2, [&] { z.betblack_Click(); });
            add(gambling && offered(f.suitbet[suit]), 1, [&] { z.suitbet_Click(suit); });
            add(gambling && offered(f.cancelbet), 2, [&] { z.cancelbet_Click(); }, &seen.gamblecollects);
            add(offered(f.takewin), 3, [&] { z.takewin_Click(); }, &seen.collects);
            add(f.Timerwincounter.enabled, 5, [&] { z.Timerwincounter_Timer(); });
            add(f.Timerrespin.enabled, 5, [&] { z.Timerrespin_Timer(); });
            add(f.Timer1.enabled, 1, [&] { z.Timer1_Timer(); });
            add(f.Timerscatters.enabled, 1, [&] { z.Timerscatters_Timer(); });
            add(f.Timer4.enabled, 1, [&] { z.Timer4_Timer(); });
            add(f.timerwild.enabled, 1, [&] { z.timerwild_Timer(); });
            // The options window: the meter setting and the pay setting change between games.
            add(!gambling && z.freespins == 0, 0.1, [&] {
                rig.player.winroll = int16_t(1 - rig.player.winroll);
                rig.player.machinepay = int16_t(4 + (rig.player.machinepay - 3) % 3);
            });

            std::vector<double> weights;
            for (const Action& a : actions) weights.push_back(a.weight);
            const Action& chosen = actions[std::discrete_distribution<size_t>(weights.begin(), weights.end())(pick)];
            const bool wasgambling = gambling;
            const int32_t riskbefore = z.atrisk;
            chosen.run();
            if (chosen.counter) ++*chosen.counter;

            if (z.freespins > prevfreespins && prevfreespins == 0) ++seen.features;
            prevfreespins = z.freespins;
            if (wasgambling && f.pandouble.visible && z.atrisk > riskbefore) ++seen.gamblewins;
            if (wasgambling && !f.pandouble.visible && f.risklab.caption == QStringLiteral("No Win  ")) ++seen.gamblelosses;

            const QString fault = checkbooks(rig);
            if (!fault.isEmpty()) QFAIL(qPrintable(QStringLiteral("step %1: %2").arg(step).arg(fault)));

            if (step % 1000 == 0) {
                rig.platform.clips.clear();
                rig.platform.boxes.clear();
            }
        }

        qInfo("spins %d, features %d, collected %d, gambles %d (won bets %d, lost %d, collected %d)", seen.spins,
              seen.features, seen.collects, seen.gambles, seen.gamblewins, seen.gamblelosses, seen.gamblecollects);
        // The session must really have gone through every part of the game.
        QVERIFY(seen.spins > 1000);
        QVERIFY(seen.features >= 3);
        QVERIFY(seen.collects >= 3);
        QVERIFY(seen.gamblewins > 10 && seen.gamblelosses > 10 && seen.gamblecollects > 10);
    }
};

QTEST_GUILESS_MAIN(SoakTest)
#include "tst_soak.moc"
