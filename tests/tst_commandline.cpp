// The game's command line: --help and --version answer and end, without a display; anything the
// game does not know ends it with the usage on stderr and exit status 2, also without a display,
// before the player's settings file is touched. Qt's own options (-platform) are still taken.
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include "gamehome.h"

#include "toolrun.h"

namespace {

using zeltest::ToolRun;

// Runs the game with a settings folder of its own; display says whether it may reach a screen.
ToolRun rungame(const QStringList& args, const QString& config, bool display) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    zeltest::givehome(env, config);
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    if (display)
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    else
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    return zeltest::runprogram(QStringLiteral(ZEL_GAME_BINARY), args, env);
}

QByteArray settingsfile(const QTemporaryDir& config) {
    return config.filePath(QStringLiteral("zelslots/zelslots.conf")).toLocal8Bit();
}

}  // namespace

class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void helpPrintsTheUsageAndTheSettingsFileWithoutADisplay_data() {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("--help") << QStringList{"--help"};
        QTest::newRow("-h") << QStringList{"-h"};
    }
    void helpPrintsTheUsageAndTheSettingsFileWithoutADisplay() {
        QFETCH(QStringList, args);
        QTemporaryDir config;
        const ToolRun r = rungame(args, config.path(), false);
        QCOMPARE(r.exitcode, 0);
        QVERIFY(r.err.isEmpty());
        QVERIFY(r.out.startsWith("Usage: zelslots [options]\n"));
        QVERIFY(r.out.contains("--version"));
        QVERIFY2(r.out.contains(settingsfile(config)), r.out.constData());
        QVERIFY(QDir(config.path()).isEmpty());
    }

    void versionPrintsTheProjectVersionWithoutADisplay_data() {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("--version") << QStringList{"--version"};
        QTest::newRow("-v") << QStringList{"-v"};
    }
    void versionPrintsTheProjectVersionWithoutADisplay() {
        QFETCH(QStringList, args);
        QTemporaryDir config;
        const ToolRun r = rungame(args, config.path(), false);
        QCOMPARE(r.exitcode, 0);
        QCOMPARE(r.out, QByteArray("zelslots " ZEL_PROJECT_VERSION "\n"));
        QVERIFY(r.err.isEmpty());
    }

    // Qt's options are taken by QApplication before the game reads what is left.
    // Qt's options are set aside for QApplication, in every form Qt takes them, value and all.
    void qtsOwnOptionsAreTakenAlongWithTheGamesOwn_data() {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("-platform offscreen") << QStringList{"-platform", "offscreen", "--version"};
        QTest::newRow("--platform offscreen") << QStringList{"--platform", "offscreen", "--version"};
        QTest::newRow("-style=fusion") << QStringList{"--version", "-style=fusion"};
        QTest::newRow("-reverse") << QStringList{"-reverse", "--version"};
        QTest::newRow("-qwindowtitle with a word") << QStringList{"-qwindowtitle", "Slots", "--version"};
    }
    void qtsOwnOptionsAreTakenAlongWithTheGamesOwn() {
        QFETCH(QStringList, args);
        QTemporaryDir config;
        const ToolRun r = rungame(args, config.path(), false);
        QCOMPARE(r.exitcode, 0);
        QCOMPARE(r.out, QByteArray("zelslots " ZEL_PROJECT_VERSION "\n"));
    }

    void anythingElseEndsWithTheUsageOnStderrAndLeavesTheStoreAlone_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("reason");
        QTest::newRow("unknown long option") << QStringList{"--fullscreen"} << QByteArray("Unknown option 'fullscreen'.");
        QTest::newRow("unknown short option") << QStringList{"-x"} << QByteArray("Unknown option 'x'.");
        QTest::newRow("a value for a switch") << QStringList{"--version=2"}
                                              << QByteArray("Unexpected value after '--version'.");
        QTest::newRow("a word") << QStringList{"player2"} << QByteArray("unexpected argument 'player2'");
        QTest::newRow("a word after help") << QStringList{"--help", "me"} << QByteArray("unexpected argument 'me'");
        QTest::newRow("an unknown option after version") << QStringList{"--version", "--bogus"}
                                                         << QByteArray("Unknown option 'bogus'.");
        QTest::newRow("a word after Qt's option and its value")
            << QStringList{"-platform", "offscreen", "player2"} << QByteArray("unexpected argument 'player2'");
    }
    void anythingElseEndsWithTheUsageOnStderrAndLeavesTheStoreAlone() {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, reason);
        QTemporaryDir config;
        // No display: the answer must not wait for one (over ssh, or from a script).
        const ToolRun r = rungame(args, config.path(), false);
        QCOMPARE(r.exitcode, 2);
        QVERIFY(r.out.isEmpty());
        QVERIFY2(r.err.startsWith("zelslots: " + reason + "\n\nUsage: zelslots [options]\n"), r.err.constData());
        QVERIFY(r.err.contains(settingsfile(config)));
        QVERIFY(QDir(config.path()).isEmpty());
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
