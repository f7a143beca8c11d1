// The real game killed (kill -9) at random moments of its spins, free spins, gambles, coins and
// windows, two hundred times over one player's store. After each kill the disk holds the last
// record the game committed, or the one before it when the last was still being written (then as
// if its spin were never played); the books balance with the play in progress; the history holds
// the games of the records on the disk, lacking at most the last; and the next start plays a
// feature that was running on with its spins left, and collects a gamble.
#include <random>

#include <QtTest>

#include "core/players/storekeys.h"
#include "playedrun.h"
#include "store/historydatabase.h"

using namespace zel;
using namespace zeltest;

namespace {
constexpr int kills = 200;

// The record and the play in progress of slot 1, by "player1/..." and "inplay1/..." keys.
using Record = QHash<QString, QString>;

Record ondiskrecord(const QString& home) {
    const QSettings file(homesettings(home), QSettings::IniFormat);
    Record r;
    for (const StoreKey& k : recordkeys)
        if (QLatin1String(k.key) != QLatin1String("currentplayer"))
            r.insert(QStringLiteral("player1/") + QLatin1String(k.key), file.value(QStringLiteral("player1/") + QLatin1String(k.key)).toString());
    for (const StoreKey& k : inplaykeys) {
        const QString key = QStringLiteral("inplay1/") + QLatin1String(k.key);
        if (file.contains(key) && QLatin1String(k.key) != QLatin1String("game")) r.insert(key, file.value(key).toString());
    }
    return r;
}

Record recordof(const Said& commit) {
    Record r;
    for (auto v = commit.values.constBegin(); v != commit.values.constEnd(); ++v)
        if (v.key().startsWith(QLatin1String("player1/")) || v.key().startsWith(QLatin1String("inplay1/"))) r.insert(v.key(), v.value());
    return r;
}

qint64 value(const Record& r, const char* key) { return r.value(QLatin1String(key)).toLongLong(); }

// Winnings in the credit against winnings in the statistics: they differ by what is in play only.
QString balance(const Record& r) {
    const qint64 credit = value(r, "player1/bank") - value(r, "player1/amountinvested");
    const qint64 statistics = value(r, "player1/total") - value(r, "player1/wager") - value(r, "inplay1/freespintotal") -
                              value(r, "inplay1/gamblestake");
    return credit == statistics ? QString() : QStringLiteral("the books do not balance: credit %1, statistics %2").arg(credit).arg(statistics);
}

// The player's winnings that the history is to show: the statistics' winnings less what a feature
// in progress has won (and staked) so far. Each record the game commits moves it by what the game
// it settles won or lost, or by what a gamble that ends brought.
qint64 settled(const Record& r) {
    const bool feature = r.value(QStringLiteral("inplay1/play")) == QLatin1String("feature");
    const bool completed = feature && value(r, "inplay1/freespinsplayed") >= value(r, "inplay1/freespins");
    const qint64 featurestake = completed ? value(r, "inplay1/linesplayed") * value(r, "inplay1/betperline") : 0;
    return value(r, "player1/total") - value(r, "player1/wager") - value(r, "inplay1/freespintotal") + featurestake;
}

int historycount(const QString& home) {
    const auto games = HistoryDatabase::read(HistoryDatabase::file(homehistory(home)), 1, 1 << 30, nullptr);
    return games ? int(games->size()) : -1;
}
}  // namespace

class GameKillTest : public QObject {
    Q_OBJECT

private slots:
    void aGameKilledAtAnyMomentLosesNoSettledGame() {
        QTemporaryDir home;
        std::mt19937 rng(20261209);
        Record disk;          // the record on the disk after the last kill
        int kept = 0;         // the games in the history after the last kill
        qint64 drift = 0;     // what the games the history lacks won or lost
        int features = 0, resumed = 0, gambles = 0, games = 0;
        for (int kill = 1; kill <= kills; ++kill) {
            const QString where = QStringLiteral("kill %1: ").arg(kill);
            QHash<QString, QString> env{{QStringLiteral("ZELPLAY_SEED"), QString::number(kill)}};
            if (kill % 2) env.insert(QStringLiteral("ZELPLAY_DIEAT"), QString::number(std::uniform_int_distribution<int>(1, 800)(rng)));
            else env.insert(QStringLiteral("ZELPLAY_DIEAFTERUS"), QString::number(std::uniform_int_distribution<int>(5000, 500000)(rng)));
            const PlayedRun run = runplayed(home.path(), env);
            QVERIFY2(run.finished && run.exit == QProcess::CrashExit, qPrintable(where + QString::fromUtf8(run.err.right(2000))));

            // What the start found, from what the last kill left.
            const Said* start = run.first(QStringLiteral("start"));
            size_t startline = run.said.size();
            qint64 startsettled = settled(disk);
            if (start) {
                startline = size_t(start - run.said.data());
                const qint64 spins = start->number(QStringLiteral("freespins")), played = start->number(QStringLiteral("freespinsplayed"));
                if (disk.value(QStringLiteral("inplay1/play")) == QLatin1String("feature")) {
                    ++resumed;
                    QCOMPARE(spins, value(disk, "inplay1/freespins"));
                    QCOMPARE(played, value(disk, "inplay1/freespinsplayed"));
                    QCOMPARE(start->number(QStringLiteral("freespintotal")), value(disk, "inplay1/freespintotal"));
                    QCOMPARE(start->number(QStringLiteral("respin")), played < spins ? 1 : 0);
                } else if (disk.value(QStringLiteral("inplay1/play")) == QLatin1String("gamble")) {
                    QCOMPARE(start->number(QStringLiteral("bank")), value(disk, "player1/bank") + value(disk, "inplay1/atrisk"));
                } else {
                    QCOMPARE(start->number(QStringLiteral("bank")), value(disk, "player1/bank"));
                }
                QCOMPARE(start->number(QStringLiteral("amountinvested")), value(disk, "player1/amountinvested"));
                QCOMPARE(int(start->number(QStringLiteral("history"))), kept);
                // The history agrees with the record: what the player won or lost is what the games it
                // holds won or lost, and what the games it lacks did.
                const qint64 completedstake = spins > 0 && played >= spins ? start->number(QStringLiteral("stake")) : 0;
                startsettled = start->number(QStringLiteral("total")) - start->number(QStringLiteral("wager")) -
                               start->number(QStringLiteral("freespintotal")) + completedstake;
                const qint64 apart = startsettled - start->number(QStringLiteral("net"));
                QVERIFY2(apart == drift, qPrintable(where + QStringLiteral("the history and the record differ by %1, not %2").arg(apart).arg(drift)));
            }

            // The disk holds the last record committed, or the one before it (or, with fewer than
            // two commits, the record the run started from).
            const Record now = ondiskrecord(home.path());
            std::vector<size_t> commits;
            for (size_t i = 0; i < run.said.size(); ++i)
                if (run.said[i].what == QLatin1String("commit")) commits.push_back(i);
            int match = -2;  // the commit the disk holds; -1: the run's first record, before any commit
            if (commits.size() < 2 && now == disk) match = -1;
            for (size_t c = commits.size() >= 2 ? commits.size() - 2 : 0; c < commits.size(); ++c)
                if (recordof(run.said[commits[c]]) == now) match = int(c);
            QVERIFY2(match > -2, qPrintable(where + QStringLiteral("the disk holds no record the game committed last")));
            const QString fault = balance(now);
            QVERIFY2(fault.isEmpty(), qPrintable(where + fault));

            // The history holds every game handed over before that record was, and may hold the
            // one handed over after it (before the next record).
            const size_t at = match < 0 ? 0 : commits[size_t(match)] + 1;
            const size_t next = size_t(match + 1) < commits.size() ? commits[size_t(match + 1)] : run.said.size();
            const size_t previous = match < 1 ? 0 : commits[size_t(match - 1)];
            int before = 0, maybe = 0;
            bool gambleended = false;
            for (size_t i = 0; i < run.said.size(); ++i) {
                const Said& s = run.said[i];
                if (s.what == QLatin1String("amend")) {
                    ++gambles;
                    if (i > previous && i < at) gambleended = true;
                }
                if (s.what != QLatin1String("append")) continue;
                ++games;
                if (i < at) ++before;
                else if (i < next) ++maybe;
            }
            const int base = kept;
            const int nowkept = historycount(home.path());
            QVERIFY2(nowkept == base + before || (maybe > 0 && nowkept == base + before + 1),
                     qPrintable(where + QStringLiteral("the history holds %1 games, the records %2").arg(nowkept).arg(base + before)));
            // The game settled by the record on the disk may be missing from the history: what it
            // won or lost is then what the record moved by (a gamble's end is in the history first).
            if (match >= 0 && nowkept == base + before && !gambleended) {
                const size_t first = commits.front();
                const qint64 last = match > 0 ? settled(recordof(run.said[commits[size_t(match - 1)]]))
                                    : first > startline ? startsettled
                                                        : settled(disk);
                drift += settled(now) - last;
            }
            kept = nowkept;
            features += now.value(QStringLiteral("inplay1/play")) == QLatin1String("feature");
            disk = now;
        }
        qInfo("%d kills: %d games settled, %d gambles ended, %d kills in a feature, %d features resumed", kills, games,
              gambles, features, resumed);
        // The kills must really have hit spins, features and gambles.
        QVERIFY(games > kills);
        QVERIFY(features >= 10);
        QVERIFY(resumed >= 10);
        QVERIFY(gambles >= 10);
    }
};

QTEST_GUILESS_MAIN(GameKillTest)
#include "tst_gamekill.moc"
