// zelslots-math as a player or tester meets it on the command line: what it says when it is asked
// for too little, or given a word where it wants a number.
#include <QtTest>

#include "toolrun.h"

using zeltest::runtool;
using zeltest::ToolRun;

class MathCliTest : public QObject {
    Q_OBJECT

private slots:
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
