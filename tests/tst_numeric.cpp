// The money form of an amount and the checked arithmetic at the edges of 16 and 32 bits.
#include <limits>

#include <QtTest>

#include "core/machine/numeric.h"

using namespace zel;

namespace {
constexpr qint64 max16 = std::numeric_limits<int16_t>::max();
constexpr qint64 min16 = std::numeric_limits<int16_t>::min();
constexpr qint64 max32 = std::numeric_limits<int32_t>::max();
constexpr qint64 min32 = std::numeric_limits<int32_t>::min();
enum Op { add, sub, mul };
}  // namespace

class Numeric : public QObject {
    Q_OBJECT
private slots:
    void moneyIsShownInDollarsWithoutTrailingZeros_data();
    void moneyIsShownInDollarsWithoutTrailingZeros();
    void aStepThatLeavesSixteenBitsIsSkipped_data();
    void aStepThatLeavesSixteenBitsIsSkipped();
    void aStepThatLeavesThirtyTwoBitsIsSkipped_data();
    void aStepThatLeavesThirtyTwoBitsIsSkipped();
    void wholeNumbersAreShownPlain_data();
    void wholeNumbersAreShownPlain();
    void aCaptionRewrittenInPlaceReadsTheNewAmount_data();
    void aCaptionRewrittenInPlaceReadsTheNewAmount();
    void rewritingACaptionNeverChangesACopyOfIt();
};

void Numeric::moneyIsShownInDollarsWithoutTrailingZeros_data() {
    QTest::addColumn<qint64>("coins");
    QTest::addColumn<QString>("text");
    QTest::newRow("1230") << qint64(1230) << "$ 12.3";
    QTest::newRow("1200") << qint64(1200) << "$ 12";
    QTest::newRow("1234") << qint64(1234) << "$ 12.34";
    QTest::newRow("25") << qint64(25) << "$ 0.25";
    QTest::newRow("5") << qint64(5) << "$ 0.05";
    QTest::newRow("10") << qint64(10) << "$ 0.1";
    QTest::newRow("105") << qint64(105) << "$ 1.05";
    QTest::newRow("0") << qint64(0) << "$ 0";
    QTest::newRow("-5") << qint64(-5) << "$ -0.05";
    QTest::newRow("-1230") << qint64(-1230) << "$ -12.3";
    QTest::newRow("-100") << qint64(-100) << "$ -1";
    QTest::newRow("2000000000, never in exponent form") << qint64(2000000000) << "$ 20000000";
    QTest::newRow("the 32-bit top") << max32 << "$ 21474836.47";
    QTest::newRow("the 32-bit bottom") << min32 << "$ -21474836.48";
}

void Numeric::moneyIsShownInDollarsWithoutTrailingZeros() {
    QFETCH(qint64, coins);
    QFETCH(QString, text);
    QCOMPARE(moneyform(coins), text);
}

void Numeric::aStepThatLeavesSixteenBitsIsSkipped_data() {
    QTest::addColumn<int>("op");
    QTest::addColumn<qint64>("start");
    QTest::addColumn<qint64>("operand");
    QTest::addColumn<bool>("done");
    QTest::addColumn<qint64>("result");
    QTest::newRow("32766 + 1") << int(add) << max16 - 1 << qint64(1) << true << max16;
    QTest::newRow("32767 + 1") << int(add) << max16 << qint64(1) << false << max16;
    QTest::newRow("-32767 - 1") << int(sub) << min16 + 1 << qint64(1) << true << min16;
    QTest::newRow("-32768 - 1") << int(sub) << min16 << qint64(1) << false << min16;
    QTest::newRow("-32768 + -1") << int(add) << min16 << qint64(-1) << false << min16;
    QTest::newRow("1500 x 20 (the largest line pay)") << int(mul) << qint64(1500) << qint64(20) << true << qint64(30000);
    QTest::newRow("1500 x 22") << int(mul) << qint64(1500) << qint64(22) << false << qint64(1500);
    QTest::newRow("-16384 x 2") << int(mul) << qint64(-16384) << qint64(2) << true << min16;
    QTest::newRow("-16384 x -2") << int(mul) << qint64(-16384) << qint64(-2) << false << qint64(-16384);
}

void Numeric::aStepThatLeavesSixteenBitsIsSkipped() {
    QFETCH(int, op);
    QFETCH(qint64, start);
    QFETCH(qint64, operand);
    QFETCH(bool, done);
    QFETCH(qint64, result);
    int16_t value = int16_t(start);
    const bool ok = op == add ? addChecked(value, operand) : op == sub ? subChecked(value, operand) : mulChecked(value, operand);
    QCOMPARE(ok, done);
    QCOMPARE(qint64(value), result);
    if (op == mul) {
        int16_t product = 77;
        QCOMPARE(product16(start, operand, product), done);
        QCOMPARE(qint64(product), done ? result : qint64(77));
    }
}

void Numeric::aStepThatLeavesThirtyTwoBitsIsSkipped_data() {
    QTest::addColumn<int>("op");
    QTest::addColumn<qint64>("start");
    QTest::addColumn<qint64>("operand");
    QTest::addColumn<bool>("done");
    QTest::addColumn<qint64>("result");
    QTest::newRow("top - 20 + 20") << int(add) << max32 - 20 << qint64(20) << true << max32;
    QTest::newRow("top - 19 + 20") << int(add) << max32 - 19 << qint64(20) << false << max32 - 19;
    QTest::newRow("bottom + 1 - 1") << int(sub) << min32 + 1 << qint64(1) << true << min32;
    QTest::newRow("bottom - 1") << int(sub) << min32 << qint64(1) << false << min32;
    QTest::newRow("0 - bottom") << int(sub) << qint64(0) << min32 << false << qint64(0);
    QTest::newRow("30000 x 10") << int(mul) << qint64(30000) << qint64(10) << true << qint64(300000);
    QTest::newRow("top x 2") << int(mul) << max32 << qint64(2) << false << max32;
    QTest::newRow("bottom x -1") << int(mul) << min32 << qint64(-1) << false << min32;
}

void Numeric::aStepThatLeavesThirtyTwoBitsIsSkipped() {
    QFETCH(int, op);
    QFETCH(qint64, start);
    QFETCH(qint64, operand);
    QFETCH(bool, done);
    QFETCH(qint64, result);
    int32_t value = int32_t(start);
    const bool ok = op == add ? addChecked(value, operand) : op == sub ? subChecked(value, operand) : mulChecked(value, operand);
    QCOMPARE(ok, done);
    QCOMPARE(qint64(value), result);
}

void Numeric::wholeNumbersAreShownPlain_data() {
    QTest::addColumn<qint64>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << qint64(0) << "0";
    QTest::newRow("negative") << qint64(-5) << "-5";
    QTest::newRow("no separators") << qint64(1234567) << "1234567";
    QTest::newRow("the 32-bit bottom") << min32 << "-2147483648";
}

void Numeric::wholeNumbersAreShownPlain() {
    QFETCH(qint64, value);
    QFETCH(QString, text);
    QCOMPARE(decimal(value), text);
}

void Numeric::aCaptionRewrittenInPlaceReadsTheNewAmount_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<qint64>("value");
    QTest::newRow("a longer text") << "$ 1" << qint64(-2147483648LL);
    QTest::newRow("a shorter text") << "$ 21474836.47 and more" << qint64(5);
    QTest::newRow("an empty caption") << "" << qint64(1230);
    QTest::newRow("zero") << "123456" << qint64(0);
}

void Numeric::aCaptionRewrittenInPlaceReadsTheNewAmount() {
    QFETCH(QString, before);
    QFETCH(qint64, value);
    QString money = before;
    money.detach();
    setmoneyform(money, value);
    QCOMPARE(money, moneyform(value));
    QString plain = before;
    plain.detach();
    setdecimal(plain, value);
    QCOMPARE(plain, decimal(value));
}

void Numeric::rewritingACaptionNeverChangesACopyOfIt() {
    QString caption = QStringLiteral("$ 12345.67");
    caption.detach();
    const QString shown = caption;  // a window holding the text it drew
    setmoneyform(caption, 25);
    QCOMPARE(caption, QStringLiteral("$ 0.25"));
    QCOMPARE(shown, QStringLiteral("$ 12345.67"));
    QString literal = QStringLiteral("Good Luck");
    setdecimal(literal, 42);
    QCOMPARE(literal, QStringLiteral("42"));
}

QTEST_GUILESS_MAIN(Numeric)
#include "tst_numeric.moc"
