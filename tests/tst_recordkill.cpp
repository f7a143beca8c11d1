// Records written by a game that is killed (kill -9) at random moments, by the store's writer as
// the game hands them over: every record in the store is whole afterwards and goes with the play in
// progress written beside it, and what a killed writer leaves in the folder is cleared by the next
// game.
#include <csignal>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QtTest>

#include "fakeplatform.h"
#include "core/players/playerstore.h"
#include "store/gamestore.h"

using namespace zel;

namespace {
constexpr int kills = 150;
const int16_t speeds[5] = {1, 2, 4, 8, 10};

// Record number k: every value follows from k, so a record mixed from two saves shows.
Player recordnumber(int32_t k) {
    Player p;
    p.playerslot = QStringLiteral("1");
    p.machinepay = int16_t(4 + k % 3);
    p.winroll = int16_t(k % 2);
    p.reelspeed = speeds[k % 5];
    p.amountinvested = 3 * k;
    p.wager = 5 * k;
    p.total = 7 * k;
    p.bank = 11 * k;
    p.games = k;
    p.currentplayer = QStringLiteral("P%1").arg(k);
    return p;
}

// Empty when slot 1 holds nothing or one whole record; otherwise what is wrong with it.
QString wholeness(const QString& file) {
    QSettings stored(file, QSettings::IniFormat);
    if (!stored.childGroups().contains(QStringLiteral("player1"))) return {};
    Player read;
    FakePlatform reader(file);
    if (!loadplayer(read, reader, 1)) return QStringLiteral("a value is missing or unreadable");
    // The play in progress went into the same write as the record.
    if (reader.getsetting(QStringLiteral("inplay1"), QStringLiteral("freespintotal")) != QString::number(read.games))
        return QStringLiteral("record %1 went without its play in progress").arg(read.games);
    const Player expected = recordnumber(read.games);
    if (read.machinepay != expected.machinepay || read.winroll != expected.winroll ||
        read.reelspeed != expected.reelspeed || read.amountinvested != expected.amountinvested ||
        read.wager != expected.wager || read.total != expected.total || read.bank != expected.bank ||
        read.currentplayer != expected.currentplayer)
        return QStringLiteral("record %1 is torn: bank %2, total %3, name %4")
            .arg(read.games).arg(read.bank).arg(read.total).arg(read.currentplayer);
    return {};
}

// In a child process: hand records from `first` on to the store's writer, each with a section
// beside it, until the alarm kills the process outright (in a write, or between two).
[[noreturn]] void writeuntilkilled(const QString& file, int32_t first, useconds_t delay) {
    struct sigaction die = {};
    die.sa_handler = [](int) { ::kill(::getpid(), SIGKILL); };
    sigaction(SIGALRM, &die, nullptr);
    GameStore store({file, {}, true, {}});
    ualarm(delay, 0);
    for (int32_t k = first;; ++k) {
        store.commit({recordsection(recordnumber(k), 1),
                      {QStringLiteral("inplay1"), {{QStringLiteral("freespintotal"), QString::number(k)}}, true}});
        if (k % 4 == 0) store.flush();  // now and then the writer catches up, as between spins
    }
}
}  // namespace

class RecordKillTest : public QObject {
    Q_OBJECT

private slots:
    void recordsWrittenByAGameKilledAtRandomMomentsAreAlwaysWhole() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("zelslots.conf"));
        std::mt19937 rng(20261208);
        for (int kill = 1; kill <= kills; ++kill) {
            const auto delay = useconds_t(std::uniform_int_distribution<int>(200, 40000)(rng));
            const pid_t child = fork();
            QVERIFY(child >= 0);
            if (child == 0) writeuntilkilled(file, kill * 100000, delay);
            int status = 0;
            QCOMPARE(waitpid(child, &status, 0), child);
            QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);

            const QString fault = wholeness(file);
            if (!fault.isEmpty()) QFAIL(qPrintable(QStringLiteral("after kill %1: %2").arg(kill).arg(fault)));
            // What a killed writer leaves (a half-written copy) is cleared by the next game: it
            // never piles up.
            int copies = 0;
            for (const QString& name : QDir(dir.path()).entryList(QDir::Files | QDir::Hidden))
                if (name != QLatin1String("zelslots.conf")) ++copies;
            if (copies > 1) QFAIL(qPrintable(QStringLiteral("after kill %1: %2 copies left").arg(kill).arg(copies)));
        }
        // The next game clears whatever the last kill left.
        FakePlatform platform(file);
        platform.commit({recordsection(recordnumber(1), 1)});
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("zelslots.conf")});
    }
};

QTEST_GUILESS_MAIN(RecordKillTest)
#include "tst_recordkill.moc"
