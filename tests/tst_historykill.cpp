// A game killed (kill -9) while it writes its history: the file it leaves is always a whole
// history that reads back, holding every game that had settled before the one in progress, and
// the half-written copies that kills leave are cleared once no writer can own them.
#include <csignal>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QtTest>

#include "core/history/gamerecordjson.h"
#include "core/history/historybook.h"
#include "fakeplatform.h"

using namespace zel;

namespace {
constexpr int kills = 60;
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

// In a child process: settle games from `first` on until the alarm kills the process outright.
[[noreturn]] void settleuntilkilled(const QString& storefile, int first, useconds_t delay) {
    struct sigaction die = {};
    die.sa_handler = [](int) { ::kill(::getpid(), SIGKILL); };
    sigaction(SIGALRM, &die, nullptr);
    FakePlatform platform(storefile);
    platform.keephistory();
    HistoryBook book(platform);
    book.games(1);  // the file is read before the clock starts
    ualarm(delay, 0);
    for (int k = first;; ++k) book.add(1, gamenumber(k));
}

QStringList copiesin(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("history-player1.json.??????")}, QDir::Files | QDir::Hidden);
}
}  // namespace

class HistoryKillTest : public QObject {
    Q_OBJECT

private slots:
    void aHistoryWrittenByAGameKilledAtRandomMomentsAlwaysReadsBack() {
        QTemporaryDir dir;
        const QString storefile = dir.filePath(QStringLiteral("zelslots.conf"));
        FakePlatform platform(storefile);
        platform.keephistory();
        const QString file = historyfile(platform.datafolder(), 1);
        {
            HistoryBook book(platform);  // a long history, so that every write takes a while
            for (int k = 1; k <= HistoryBook::kept; ++k) book.add(1, gamenumber(k));
        }
        std::mt19937 rng(20261209);
        int last = HistoryBook::kept;
        for (int kill = 1; kill <= kills; ++kill) {
            const auto delay = useconds_t(std::uniform_int_distribution<int>(500, 60000)(rng));
            const pid_t child = fork();
            QVERIFY(child >= 0);
            if (child == 0) settleuntilkilled(storefile, last + 1, delay);
            int status = 0;
            QCOMPARE(waitpid(child, &status, 0), child);
            QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);

            QFile f(file);
            QVERIFY(f.open(QIODevice::ReadOnly));
            std::vector<GameRecord> games;
            QString why;
            if (!readhistory(f.readAll(), 1, games, &why))
                QFAIL(qPrintable(QStringLiteral("after kill %1 the history does not read: %2").arg(kill).arg(why)));
            QCOMPARE(games.size(), size_t(HistoryBook::kept));
            const int newest = int(games.back().timems - firsttime);
            QVERIFY2(newest >= last, qPrintable(QStringLiteral("after kill %1: game %2 lost").arg(kill).arg(last)));
            for (size_t i = 0; i < games.size(); ++i)
                if (games[i] != gamenumber(newest - HistoryBook::kept + 1 + int(i)))
                    QFAIL(qPrintable(QStringLiteral("after kill %1: game %2 is not the one settled").arg(kill).arg(i)));
            last = newest;
        }
        QVERIFY(last > HistoryBook::kept);  // the children did write

        // Copies a minute old have no writer left: the next game to read the history clears them.
        const QDateTime old = QDateTime::currentDateTime().addSecs(-120);
        QFile made(file + QStringLiteral(".a1B2c3"));  // one such copy at least, whatever the kills hit
        QVERIFY(made.open(QIODevice::WriteOnly));
        made.write("{\"format\":");
        made.close();
        QFile young(file + QStringLiteral(".d4E5f6"));  // a copy being written right now stays
        QVERIFY(young.open(QIODevice::WriteOnly));
        young.close();
        for (const QString& name : copiesin(platform.datafolder())) {
            if (name.endsWith(QLatin1String("d4E5f6"))) continue;
            QFile copy(QDir(platform.datafolder()).filePath(name));
            QVERIFY(copy.open(QIODevice::ReadWrite));
            QVERIFY(copy.setFileTime(old, QFileDevice::FileModificationTime));
        }
        HistoryBook reader(platform);
        QCOMPARE(reader.games(1).size(), size_t(HistoryBook::kept));
        QCOMPARE(copiesin(platform.datafolder()), QStringList{QStringLiteral("history-player1.json.d4E5f6")});
    }
};

QTEST_GUILESS_MAIN(HistoryKillTest)
#include "tst_historykill.moc"
