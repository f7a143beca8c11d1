// zelslots-math as a player or tester meets it on the command line: its help and version, what it
// says when it is asked for too little, given a word where it wants a number, or given a command or
// an option it does not know.
#include <QtTest>

#include "core/platform/settingsstore.h"
#include "math/arguments.h"
#include "toolrun.h"

using zeltest::runtool;
using zeltest::ToolRun;

class MathCliTest : public QObject {
    Q_OBJECT

private slots:
    void helpPrintsTheUsageAndWhereTheGameKeepsItsPlayers_data() {
        QTest::addColumn<QString>("word");
        QTest::newRow("help") << "help";
        QTest::newRow("--help") << "--help";
        QTest::newRow("-h") << "-h";
    }
    void helpPrintsTheUsageAndWhereTheGameKeepsItsPlayers() {
        QFETCH(QString, word);
        const ToolRun r = runtool({word});
        QCOMPARE(r.exitcode, 0);
        QVERIFY(r.err.isEmpty());
        QVERIFY(r.out.startsWith(zel::math::usage));
        QVERIFY(r.out.contains(zel::SettingsStore().location().toLocal8Bit()));
    }

    void versionPrintsTheProjectVersion_data() {
        QTest::addColumn<QString>("word");
        QTest::newRow("--version") << "--version";
        QTest::newRow("-v") << "-v";
    }
    void versionPrintsTheProjectVersion() {
        QFETCH(QString, word);
        const ToolRun r = runtool({word});
        QCOMPARE(r.exitcode, 0);
        QCOMPARE(r.out, QByteArray("zelslots-math ") + ZEL_PROJECT_VERSION + '\n');
    }

    // A command, option or word the tool does not know: the reason, then the usage, on stderr.
    void somethingUnknownIsAnsweredWithTheReasonAndTheUsage_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("reason");
        QTest::newRow("no command") << QStringList{} << QByteArray("no command");
        QTest::newRow("unknown command") << QStringList{"spin"} << QByteArray("unknown command 'spin'");
        QTest::newRow("unknown option") << QStringList{"par", "--colour", "red"}
                                        << QByteArray("'par' has no option --colour");
        QTest::newRow("option of another command") << QStringList{"par", "--seed", "1"}
                                                   << QByteArray("'par' has no option --seed");
        QTest::newRow("stray word") << QStringList{"par", "lines"} << QByteArray("unexpected 'lines'");
        QTest::newRow("single-dash option") << QStringList{"par", "-x"} << QByteArray("unexpected '-x'");
        QTest::newRow("help with more") << QStringList{"--help", "par"} << QByteArray("--help takes no options");
        QTest::newRow("version with more") << QStringList{"--version", "--json"}
                                           << QByteArray("--version takes no options");
    }
    void somethingUnknownIsAnsweredWithTheReasonAndTheUsage() {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, reason);
        const ToolRun r = runtool(args);
        QCOMPARE(r.exitcode, 2);
        QVERIFY(r.out.isEmpty());
        QCOMPARE(r.err, "zelslots-math: " + reason + "\n\n" + zel::math::usage);
    }

    // A handful of spins gives no confidence interval worth the name (it came out as
    // "nan % .. nan %", or reached below 0 % and past 500 %).
    void aSimulationTooShortForAnIntervalSaysHowManySpinsItNeeds_data() {
        QTest::addColumn<QString>("spins");
        QTest::newRow("one spin") << "1";
        QTest::newRow("five spins") << "5";
        QTest::newRow("two hundred spins") << "200";
        QTest::newRow("one short") << "9999";
    }
    void aSimulationTooShortForAnIntervalSaysHowManySpinsItNeeds() {
        QFETCH(QString, spins);
        const ToolRun text = runtool({"simulate", "--spins", spins});
        QCOMPARE(text.exitcode, 0);
        QVERIFY(text.out.contains("99% confidence interval        needs at least 10000 spins"));
        QVERIFY(!text.out.contains("nan"));
        const ToolRun json = runtool({"simulate", "--spins", spins, "--json"});
        QVERIFY(json.out.contains("\"ci99\": [\n        null,\n        null\n    ]"));
    }

    void enoughSpinsGiveAnIntervalAroundTheReturn() {
        const ToolRun r = runtool({"simulate", "--spins", "10000", "--seed", "3"});
        QCOMPARE(r.exitcode, 0);
        const QRegularExpression interval(QStringLiteral("confidence interval +([0-9.]+) % \\.\\. ([0-9.]+) %"));
        const auto m = interval.match(QString::fromUtf8(r.out));
        QVERIFY(m.hasMatch());
        QVERIFY(m.captured(1).toDouble() < m.captured(2).toDouble());
    }

    void aWordForANumberNamesTheValuesTheOptionTakes_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("message");
        QTest::newRow("lines") << QStringList{"simulate", "--lines", "abc"}
                               << QByteArray("--lines is one of 1, 5, 10, 15, 25, not 'abc'");
        QTest::newRow("bet") << QStringList{"simulate", "--bet", "2.5"}
                             << QByteArray("--bet is one of 1, 2, 3, 5, 10, 20, not '2.5'");
        QTest::newRow("pay") << QStringList{"simulate", "--pay", "x"} << QByteArray("--pay is one of 6, 5, 4, not 'x'");
        QTest::newRow("empty") << QStringList{"par", "--lines="} << QByteArray("--lines is one of 1, 5, 10, 15, 25, not ''");
    }
    void aWordForANumberNamesTheValuesTheOptionTakes() {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, message);
        const ToolRun r = runtool(args);
        QCOMPARE(r.exitcode, 2);
        QCOMPARE(r.err, QByteArray("zelslots-math: ") + message + '\n');
    }
};

QTEST_GUILESS_MAIN(MathCliTest)
#include "tst_mathcli.moc"
