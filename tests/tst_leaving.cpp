// Leaving the real game in the middle of a free-spin feature, every way a player or the desktop
// leaves it: the exit command, the close box, a shutdown (SIGTERM), a logout (SIGHUP) and a kill.
// None of them forfeits the feature: the next start shows it with its spins left and its total,
// plays it on, and pays it out on COLLECT.
#include <csignal>

#include <QtTest>

#include "playedrun.h"

using namespace zeltest;

namespace {
constexpr int leaveafter = 3;  // feature spins booked before the player leaves

// The feature the store holds, as keys of its play in progress.
qint64 inplay(const QString& home, const char* key) { return ondisk(home, QStringLiteral("inplay1/") + QLatin1String(key)).toLongLong(); }
}  // namespace

class LeavingTest : public QObject {
    Q_OBJECT

private slots:
    void aFeatureLeftAnyWayPlaysOnAtTheNextStart_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("signal");
        QTest::newRow("the exit command") << "menu" << 0;
        QTest::newRow("the close box") << "close" << 0;
        QTest::newRow("a shutdown (SIGTERM)") << "" << int(SIGTERM);
        QTest::newRow("a logout (SIGHUP)") << "" << int(SIGHUP);
        QTest::newRow("a kill (SIGKILL)") << "" << int(SIGKILL);
    }
    void aFeatureLeftAnyWayPlaysOnAtTheNextStart() {
        QFETCH(QString, how);
        QFETCH(int, signal);
        QTemporaryDir home;
        QHash<QString, QString> env{{QStringLiteral("ZELPLAY_FEATURE"), QStringLiteral("1")},
                                    {QStringLiteral("ZELPLAY_ONLYSPIN"), QStringLiteral("1")}};
        if (!how.isEmpty()) {
            env.insert(QStringLiteral("ZELPLAY_LEAVE"), how);
            env.insert(QStringLiteral("ZELPLAY_LEAVEAFTER"), QString::number(leaveafter));
        }
        // The desktop's signal comes once the feature has booked its spins (the game says so as it
        // commits each one).
        bool sent = false;
        const PlayedRun first = runplayed(home.path(), env, [&](QProcess& game, const Said& said) {
            if (signal == 0 || sent || said.what != QLatin1String("commit")) return;
            if (said.number(QStringLiteral("inplay1/freespinsplayed")) < leaveafter) return;
            sent = true;
            ::kill(pid_t(game.processId()), signal);
        });
        QVERIFY(first.finished);
        if (signal == SIGKILL) QCOMPARE(first.exit, QProcess::CrashExit);
        else QVERIFY2(first.exit == QProcess::NormalExit && first.code == 0, first.err.constData());

        // The store holds the feature, not yet paid.
        QCOMPARE(ondisk(home.path(), QStringLiteral("inplay1/play")), QStringLiteral("feature"));
        const qint64 spins = inplay(home.path(), "freespins"), played = inplay(home.path(), "freespinsplayed");
        const qint64 total = inplay(home.path(), "freespintotal");
        // A kill may come before the last spin told was on the disk: that spin is then as if unplayed.
        QVERIFY(played >= leaveafter - (signal == SIGKILL ? 1 : 0) && played < spins);
        const qint64 bank = ondisk(home.path(), QStringLiteral("player1/bank")).toLongLong();

        // The next start plays it on from there, and pays what it won when it is collected.
        const PlayedRun next = runplayed(home.path(), {{QStringLiteral("ZELPLAY_ONLYSPIN"), QStringLiteral("1")},
                                                       {QStringLiteral("ZELPLAY_LEAVE"), QStringLiteral("collected")}});
        QVERIFY2(next.finished && next.exit == QProcess::NormalExit, next.err.constData());
        const Said* start = next.first(QStringLiteral("start"));
        QVERIFY(start);
        QCOMPARE(start->number(QStringLiteral("freespins")), spins);
        QCOMPARE(start->number(QStringLiteral("freespinsplayed")), played);
        QCOMPARE(start->number(QStringLiteral("freespintotal")), total);
        QCOMPARE(start->number(QStringLiteral("respin")), 1);
        QCOMPARE(start->number(QStringLiteral("bank")), bank);
        qint64 collected = -1, spinsplayed = 0, awarded = 0;
        for (const Said& s : next.said)
            if (s.what == QLatin1String("commit") && s.values.contains(QStringLiteral("inplay1/freespintotal"))) {
                collected = s.number(QStringLiteral("inplay1/freespintotal"));
                spinsplayed = s.number(QStringLiteral("inplay1/freespinsplayed"));
                awarded = s.number(QStringLiteral("inplay1/freespins"));
            }
        // Every spin left was played (and those that more mountains awarded on the way).
        QVERIFY(awarded >= spins);
        QCOMPARE(spinsplayed, awarded);
        QVERIFY(collected >= total);
        // COLLECT paid the whole total; the last spin's stake stays charged.
        const qint64 stake = start->number(QStringLiteral("stake"));
        const Said* append = next.first(QStringLiteral("append"));
        QVERIFY(append);
        QCOMPARE(append->number(QStringLiteral("win")), collected);
        const qint64 after = ondisk(home.path(), QStringLiteral("player1/bank")).toLongLong();
        QCOMPARE(after, bank - stake + collected);
        QCOMPARE(ondisk(home.path(), QStringLiteral("inplay1/play")), QString());
    }
};

QTEST_GUILESS_MAIN(LeavingTest)
#include "tst_leaving.moc"
