// One game per player store: a second start on the same store ends at once, with exit status 0
// and one line on standard error, and asks the running game to show itself; the first plays on.
// A game killed at any moment, in its start-up too, never holds up the next start, and games with
// stores of their own run side by side.
#include <csignal>
#include <random>

#include <QFile>
#include <QtTest>

#include "playedrun.h"
#include "store/instancelock.h"
#include "toolrun.h"

using namespace zeltest;

namespace {
constexpr int patience = 20000;  // ms a game may take to start under a loaded sanitizer build

// A real game on a home of its own, ended by a shutdown's signal when the test is done with it.
struct Running {
    QProcess game;
    explicit Running(const QString& home) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        givehome(env, home);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        game.setProcessEnvironment(env);
        game.start(QStringLiteral(ZEL_GAME_BINARY), {});
    }
    ~Running() {
        game.terminate();
        if (!game.waitForFinished(patience)) {
            game.kill();
            game.waitForFinished();
        }
    }
    // The game holds its store's lock: it has started for good.
    bool holding(const QString& home) {
        const zel::InstanceLock lock(homesettings(home));
        return QTest::qWaitFor([&] { return lock.holder() == game.processId(); }, patience);
    }
};

ToolRun startagain(const QString& home) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    givehome(env, home);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return runprogram(QStringLiteral(ZEL_GAME_BINARY), {}, env);
}
}  // namespace

class TwoCopiesTest : public QObject {
    Q_OBJECT

private slots:
    void aSecondStartOnTheSameStoreEndsAndTheFirstPlaysOn() {
        QTemporaryDir home;
        Running first(home.path());
        QVERIFY(first.holding(home.path()));
        const ToolRun second = startagain(home.path());
        QCOMPARE(second.exitcode, 0);
        QCOMPARE(second.err.count('\n'), 1);
        QVERIFY2(second.err.contains("already running") && second.err.contains(QByteArray::number(first.game.processId())),
                 second.err.constData());
        // The first game took the request to show itself (and the token that came with it).
        QVERIFY(QTest::qWaitFor([&] { return !QFile::exists(homesettings(home.path()) + QStringLiteral(".raise")); }, patience));
        QCOMPARE(first.game.state(), QProcess::Running);
        QVERIFY(first.holding(home.path()));
    }

    void gamesWithStoresOfTheirOwnRunSideBySide() {
        QTemporaryDir one, other;
        Running first(one.path());
        Running second(other.path());
        QVERIFY(first.holding(one.path()));
        QVERIFY(second.holding(other.path()));
        QCOMPARE(first.game.state(), QProcess::Running);
    }

    // The lock goes with the process however it ends: killed before it took the lock, holding it
    // in its start-up, or in the middle of play, the next start takes it at once.
    void aGameKilledAtAnyMomentNeverHoldsUpTheNextStart() {
        QTemporaryDir home;
        std::mt19937 rng(20261209);
        for (int kill = 1; kill <= 12; ++kill) {
            QString when;
            if (kill % 3 == 0) {
                // Killed the moment it is there: in its start-up, before or as it takes the lock.
                Running early(home.path());
                QVERIFY(early.game.waitForStarted());
                ::kill(pid_t(early.game.processId()), SIGKILL);
                QVERIFY(early.game.waitForFinished(patience));
                when = QStringLiteral("at its start");
            } else {
                const char* how = kill % 3 == 1 ? "ZELPLAY_DIEAT" : "ZELPLAY_DIEAFTERUS";
                const QString at = QString::number(kill % 3 == 1 ? std::uniform_int_distribution<int>(1, 300)(rng)
                                                                 : std::uniform_int_distribution<int>(1000, 400000)(rng));
                const PlayedRun killed = runplayed(home.path(), {{QLatin1String(how), at}});
                QVERIFY(killed.finished && killed.exit == QProcess::CrashExit);
                when = QLatin1String(how) + QLatin1Char('=') + at;
            }
            Running next(home.path());
            QVERIFY2(next.holding(home.path()), qPrintable(QStringLiteral("after a kill ") + when));
        }
    }
};

QTEST_GUILESS_MAIN(TwoCopiesTest)
#include "tst_twocopies.moc"
