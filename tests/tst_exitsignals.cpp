// The real game ended from outside: a shutdown or `kill` (SIGTERM), a logout (SIGHUP) or Ctrl+C
// (SIGINT) runs the exit sequence, so the record is saved, and the game ends normally.
#include <csignal>

#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "gamehome.h"

namespace {
// The signals a process has taken over, from the kernel's own account of it.
bool catches(qint64 pid, int signal) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) return false;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (!line.startsWith("SigCgt:")) continue;
        bool ok = false;
        const qulonglong mask = line.mid(7).trimmed().toULongLong(&ok, 16);
        return ok && (mask >> (signal - 1)) & 1;
    }
    return false;
}
}  // namespace

class ExitSignalsTest : public QObject {
    Q_OBJECT

private slots:
    void aSignalFromTheDesktopSavesTheRecordAndEndsTheGame_data() {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGHUP") << int(SIGHUP);
        QTest::newRow("SIGINT") << int(SIGINT);
    }
    void aSignalFromTheDesktopSavesTheRecordAndEndsTheGame() {
        QFETCH(int, signal);
        QTemporaryDir config;
        const QString file = config.filePath(QStringLiteral("zelslots/zelslots.conf"));
        {
            QSettings before(file, QSettings::IniFormat);
            before.setValue(QStringLiteral("player1/currentplayer"), QStringLiteral("Ann"));
            before.setValue(QStringLiteral("player1/bank"), QStringLiteral("300"));
        }

        QProcess game;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        zeltest::givehome(env, config.path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        game.setProcessEnvironment(env);
        game.start(QStringLiteral(ZEL_GAME_BINARY), {});
        QVERIFY(game.waitForStarted());
        QVERIFY(QTest::qWaitFor([&] { return catches(game.processId(), signal); }, 20000));

        ::kill(pid_t(game.processId()), signal);
        QVERIFY(game.waitForFinished(20000));
        QCOMPARE(game.exitStatus(), QProcess::NormalExit);
        QCOMPARE(game.exitCode(), 0);
        // The exit sequence wrote the whole record, with the values the game played with.
        QSettings after(file, QSettings::IniFormat);
        QCOMPARE(after.value(QStringLiteral("player1/bank")).toString(), QStringLiteral("300"));
        QCOMPARE(after.value(QStringLiteral("player1/machinepay")).toString(), QStringLiteral("6"));
        QCOMPARE(after.value(QStringLiteral("player1/reelspeed")).toString(), QStringLiteral("1"));
    }
};

QTEST_GUILESS_MAIN(ExitSignalsTest)
#include "tst_exitsignals.moc"
