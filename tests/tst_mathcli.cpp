// zelslots-math as a player or tester meets it on the command line: its help and version, what it
// says when it is asked for too little, given a word where it wants a number, or given a command or
// an option it does not know; and what it makes of a player's game history.
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include "core/history/gamerecordjson.h"
#include "store/settingsfile.h"
#include "core/players/returntable.h"
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
        QVERIFY(r.out.contains(zel::userstorefile().toLocal8Bit()));
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

    // A stingy history: 200 one-coin games on one line at pay setting 6 that paid 2 coins four
    // times, one of them gambled and lost. The tool counts them, sets them against the exact figures
    // the game itself shows for the setting, and finds the machine far off.
    void theHistoryOfASlotIsSetAgainstTheExactFigures() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("history-player3.json"));
        std::vector<zel::GameRecord> games(200);
        for (size_t i = 0; i < games.size(); ++i) {
            zel::GameRecord& g = games[i];
            g.timems = 1796767200000 + qint64(i) * 1000;
            g.machinepay = 6;
            g.linesplayed = 1;
            g.betperline = 1;
            g.stake = 1;
            g.spin.stops = {int16_t(1 + i % 22), 3, 5, 3, 3};
            g.win = i % 50 == 0 ? 2 : 0;
            g.credit = 500;
        }
        games[50].gamble = zel::GambleRecord{2, {{2, zel::GambleBet::red, false, 0}}, false, 2};
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(zel::historyjson(3, games));
        out.close();

        const ToolRun json = runtool({"history", "--slot", "3", "--file", file, "--json"});
        QCOMPARE(json.exitcode, 0);
        const QJsonObject f = QJsonDocument::fromJson(json.out).object();
        QCOMPARE(f.value("games").toInt(), 200);
        QCOMPARE(f.value("staked").toInt(), 200);
        QCOMPARE(f.value("paid").toInt(), 8);
        QCOMPARE(f.value("rtp").toDouble(), 0.04);
        QCOMPARE(f.value("hit_frequency").toDouble(), 0.02);
        QCOMPARE(f.value("exact_rtp").toDouble(), zel::returntoplayer(6, 1));
        QVERIFY(f.value("exact_hit_frequency").toDouble() > 0.02);
        QVERIFY(f.value("rtp_deviations").toDouble() < -3);
        QVERIFY(f.value("hit_deviations").toDouble() < -3);
        QCOMPARE(f.value("gambles").toInt(), 1);
        QCOMPARE(f.value("gamble_net").toInt(), -2);

        const ToolRun text = runtool({"history", "--slot", "3", "--file", file});
        QCOMPARE(text.exitcode, 0);
        QVERIFY(text.out.contains("Player slot 3: 200 games recorded in"));
        QVERIFY(text.out.contains("more than 3 standard deviations off"));
    }

    // What the tool is given instead of a history: told on stderr, the file left as it is.
    void aFileThatIsNoHistoryOfTheSlotIsRefused_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("damaged") << QByteArray("{\"format\":\"zelslots game hist");
        QTest::newRow("another slot's") << zel::historyjson(2, std::vector<zel::GameRecord>{});
        QTest::newRow("empty") << QByteArray();
    }
    void aFileThatIsNoHistoryOfTheSlotIsRefused() {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("h.json"));
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        out.close();
        const ToolRun r = runtool({"history", "--slot", "1", "--file", file, "--json"});
        QCOMPARE(r.exitcode, 1);
        QVERIFY(r.out.isEmpty());
        QVERIFY(r.err.startsWith("zelslots-math: " + file.toUtf8() + " is not a history of slot 1: "));
        QVERIFY(out.open(QIODevice::ReadOnly));
        QCOMPARE(out.readAll(), bytes);
    }

    void aSlotWithNoHistoryYetHasNoGames() {
        QTemporaryDir dir;
        const ToolRun r = runtool({"history", "--slot", "6", "--file", dir.filePath(QStringLiteral("none.json"))});
        QCOMPARE(r.exitcode, 0);
        QVERIFY(r.out.startsWith("Player slot 6: 0 games recorded in"));
    }
};

QTEST_GUILESS_MAIN(MathCliTest)
#include "tst_mathcli.moc"
