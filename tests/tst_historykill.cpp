// A game killed (kill -9) while it writes its history: the database it leaves always opens as a
// history, holding every game the writer had finished, in order and once each, and a killed
// writer's log is taken up by the next game to open it.
#include <csignal>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

#include <QtTest>

#include "fakeplatform.h"
#include "store/gamestore.h"
#include "store/historydatabase.h"

using namespace zel;

namespace {
constexpr int kills = 40;
constexpr int64_t firsttime = 1796767200000;

// Game number k: its time and credit follow from k, so a game out of order or twice shows.
GameRecord gamenumber(int k) {
    GameRecord g;
    g.timems = firsttime + k;
    g.stake = 25;
    g.spin.stops = {int16_t(1 + k % 22), 3, 5, 3, 3};
    g.credit = 100000 - k;
    return g;
}

// In a child process: hand games from `first` on to the store's writer, as the game does, until
// the alarm kills the process outright (in the middle of a write, or between two).
[[noreturn]] void settleuntilkilled(const QString& folder, int first, useconds_t delay) {
    struct sigaction die = {};
    die.sa_handler = [](int) { ::kill(::getpid(), SIGKILL); };
    sigaction(SIGALRM, &die, nullptr);
    GameStore store({folder + QStringLiteral("/zelslots.conf"), folder, true, {}});
    store.newest(1, 1);  // the database is open before the clock starts
    ualarm(delay, 0);
    for (int k = first;; ++k) {
        store.append(1, gamenumber(k));
        if (k % 8 == 0) store.flush();  // now and then the writer catches up, as between spins
    }
}
}  // namespace

class HistoryKillTest : public QObject {
    Q_OBJECT

private slots:
    void aHistoryWrittenByAGameKilledAtRandomMomentsAlwaysReadsBack() {
        QTemporaryDir dir;
        const QString file = HistoryDatabase::file(dir.path());
        std::mt19937 rng(20261209);
        int last = 0;
        for (int kill = 1; kill <= kills; ++kill) {
            const auto delay = useconds_t(std::uniform_int_distribution<int>(2000, 60000)(rng));
            const pid_t child = fork();
            QVERIFY(child >= 0);
            if (child == 0) settleuntilkilled(dir.path(), last + 1, delay);
            int status = 0;
            QCOMPARE(waitpid(child, &status, 0), child);
            QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);

            QString why;
            const auto games = HistoryDatabase::read(file, 1, 1 << 30, &why);
            if (!games) QFAIL(qPrintable(QStringLiteral("after kill %1 the history does not read: %2").arg(kill).arg(why)));
            QVERIFY2(int(games->size()) >= last, qPrintable(QStringLiteral("after kill %1: game %2 lost").arg(kill).arg(last)));
            for (size_t i = 0; i < games->size(); ++i)
                if ((*games)[i] != gamenumber(int(i) + 1))
                    QFAIL(qPrintable(QStringLiteral("after kill %1: game %2 is not the one settled").arg(kill).arg(i + 1)));
            last = int(games->size());
        }
        QVERIFY(last > kills);  // the children did write
    }
};

QTEST_GUILESS_MAIN(HistoryKillTest)
#include "tst_historykill.moc"
