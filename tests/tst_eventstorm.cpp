// Random input at every moment, over many seeds: between handlers and at every event pump and
// wait inside them. After every action of the player the books must balance, for the live record
// and for every record in the store; no credit goes below zero; the machine always offers a way
// on; no handler runs inside itself; and no record is stored or loaded in the middle of a spin or
// a gamble. ZEL_STORM_SEEDS sets how many seeds (the benchmarks run the full count).
#include <QSettings>
#include <QtTest>

#include "core/players/playerstore.h"
#include "stormrig.h"

using namespace zel;
using namespace zeltest;

namespace {
constexpr int actionsperseed = 2000;
#ifdef NDEBUG
constexpr int defaultseeds = 200;
#else
constexpr int defaultseeds = 40;  // under the sanitizers; the full count runs in the benchmarks
#endif

int seedcount() {
    bool ok = false;
    const int n = qEnvironmentVariableIntValue("ZEL_STORM_SEEDS", &ok);
    return ok && n > 0 ? n : defaultseeds;
}

bool offered(const Control& c) { return c.visible && c.enabled; }

// Money that is the player's but not in the credit now: an uncollected feature total, the stake
// on the gamble table, and either of them in a play the chosen slot has waiting.
int64_t pending(const Zel& z) {
    int64_t amount = 0;
    if (z.freespins > 0) amount += z.freespintotal;
    if (z.form.pandouble.visible) amount += z.gamblestake;
    if (z.waitingplay) amount += z.waitingplay->kind == InPlay::Kind::feature ? z.waitingplay->freespintotal : z.waitingplay->gamblestake;
    return amount;
}

QString livefault(Storm& storm) {
    const Player& p = storm.player();
    const Zel& z = storm.machine();
    if (int64_t(p.bank) + pending(z) - p.amountinvested != int64_t(p.total) - p.wager)
        return QStringLiteral("the live books do not balance: bank %1 pending %2 invested %3 total %4 wager %5")
            .arg(p.bank).arg(pending(z)).arg(p.amountinvested).arg(p.total).arg(p.wager);
    if (p.bank < 0 || z.form.PANELBANK.caption.startsWith(QLatin1Char('-')))
        return QStringLiteral("the credit is below zero: %1").arg(p.bank);
    // The stake on the card table is never cleared while the card is still to be played for.
    if (z.form.pandouble.visible && z.atrisk < z.gamblestake)
        return QStringLiteral("the amount at risk %1 fell below the stake %2").arg(z.atrisk).arg(z.gamblestake);
    return {};
}

// A way on: a button to press, a feature that moves by itself, or a window to close.
bool stuck(Storm& storm) {
    if (storm.windowopen()) return false;
    const ZelForm& f = storm.machine().form;
    if (!f.enabled) return true;
    if (f.Timerwincounter.enabled || f.Timerrespin.enabled) return false;
    for (int i = 1; i <= 6; ++i)
        if (offered(f.play[i])) return false;
    for (int i = 1; i <= 4; ++i)
        if (offered(f.suitbet[i])) return false;
    for (const Control* c : {&f.COINSIN, &f.doublebutton, &f.takewin, &f.betred, &f.betblack, &f.cancelbet})
        if (offered(*c)) return false;
    return true;
}

QString storedfault(const QString& file) {
    QSettings stored(file, QSettings::IniFormat);
    for (int slot = 1; slot <= slotcount; ++slot) {
        const QString section = playersection(slot);
        if (!stored.childGroups().contains(section)) continue;
        int32_t bank = 0, invested = 0, total = 0, wager = 0, feature = 0, gamble = 0;
        readnumber(stored.value(section + QStringLiteral("/bank")).toString(), bank);
        readnumber(stored.value(section + QStringLiteral("/amountinvested")).toString(), invested);
        readnumber(stored.value(section + QStringLiteral("/total")).toString(), total);
        readnumber(stored.value(section + QStringLiteral("/wager")).toString(), wager);
        // A feature's total is won but not yet in the credit; a gamble's stake is out of the credit.
        const QString inplay = inplaysection(slot);
        readnumber(stored.value(inplay + QStringLiteral("/freespintotal")).toString(), feature);
        readnumber(stored.value(inplay + QStringLiteral("/gamblestake")).toString(), gamble);
        if (int64_t(bank) - invested != int64_t(total) - wager - feature - gamble)
            return QStringLiteral("stored %1 does not balance: bank %2 invested %3 total %4 wager %5 feature %6 gamble %7")
                .arg(section).arg(bank).arg(invested).arg(total).arg(wager).arg(feature).arg(gamble);
    }
    return {};
}
}  // namespace

class EventStormTest : public QObject {
    Q_OBJECT

private slots:
    void anyInputAtAnyMomentKeepsTheBooksAndTheMachineGoing() {
        const int seeds = seedcount();
        int64_t injected = 0, spins = 0, runs = 0;
        for (int seed = 1; seed <= seeds; ++seed) {
            QTemporaryDir dir;
            const QString file = dir.filePath(QStringLiteral("zelslots.conf"));
            Storm storm(uint64_t(seed), file);
            int writes = -1;
            for (int action = 1; action <= actionsperseed; ++action) {
                const int32_t games = storm.player().games;
                const bool gambling = storm.machine().form.pandouble.visible;
                const bool going = storm.act();
                const QString where = QStringLiteral("seed %1, action %2: ").arg(seed).arg(action);
                if (going) {
                    if (storm.player().games > games) ++spins;
                    if (gambling && storm.machine().form.pandouble.visible && storm.player().games != games)
                        QFAIL(qPrintable(where + QStringLiteral("a spin ran under the gamble")));
                    const QString fault = livefault(storm);
                    if (!fault.isEmpty()) QFAIL(qPrintable(where + fault));
                    if (stuck(storm)) QFAIL(qPrintable(where + QStringLiteral("the machine offers no way on")));
                }
                if (storm.platform().storewrites != writes || !going) {
                    writes = storm.platform().storewrites;
                    storm.platform().flush();
                    const QString fault = storedfault(file);
                    if (!fault.isEmpty()) QFAIL(qPrintable(where + fault));
                }
                if (storm.deepest > 1) QFAIL(qPrintable(where + QStringLiteral("a handler ran inside itself")));
                if (storm.midspinstore > 0)
                    QFAIL(qPrintable(where + QStringLiteral("a record was stored or loaded in the middle of a spin")));
                if (!going) {
                    storm.start();
                    writes = -1;
                }
            }
            injected += storm.injected;
            runs += storm.runs;
        }
        qInfo("%d seeds of %d actions: %lld spins, %lld inputs inside handlers, %lld runs of the game", seeds,
              actionsperseed, qlonglong(spins), qlonglong(injected), qlonglong(runs));
        // The storm must really have reached inside the handlers and through many games.
        QVERIFY(injected > int64_t(seeds) * 100);
        QVERIFY(spins > int64_t(seeds) * 20);
    }
};

QTEST_GUILESS_MAIN(EventStormTest)
#include "tst_eventstorm.moc"
