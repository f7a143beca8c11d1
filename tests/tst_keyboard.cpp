// The machine played from the keyboard, in the real window (offscreen): Enter presses the focused
// button as a click would, under the same rule for a busy machine; Tab and other keys move and
// type as anywhere else; the space bar stays the machine's repeat-the-bet key.
#include <QtTest>

#include "windowrig.h"

using namespace zel;
using namespace zeltest;

namespace {
void focuson(Cabinet& c, const QString& name) {
    c.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&c.window));
    c.machine.form.focus = name;
    c.window.render();
    QVERIFY(c.control<QWidget>(name)->hasFocus());
}
}  // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void enterPressesTheFocusedButton_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("key");
        QTest::addColumn<int32_t>("bank");
        QTest::addColumn<int>("betperline");
        QTest::addColumn<int>("linesplayed");
        QTest::newRow("the first bet, with Return") << "play(1)" << int(Qt::Key_Return) << 975 << 1 << 25;
        QTest::newRow("the first bet, with Enter") << "play(1)" << int(Qt::Key_Enter) << 975 << 1 << 25;
        QTest::newRow("a bet of 5") << "play(4)" << int(Qt::Key_Return) << 875 << 5 << 25;
        QTest::newRow("five lines") << "payline(2)" << int(Qt::Key_Return) << 1000 << 0 << 5;
        QTest::newRow("a coin") << "COINSIN" << int(Qt::Key_Return) << 1020 << 0 << 25;
    }
    void enterPressesTheFocusedButton() {
        QFETCH(QString, button);
        QFETCH(int, key);
        QFETCH(int32_t, bank);
        QFETCH(int, betperline);
        QFETCH(int, linesplayed);
        Cabinet c;
        c.givecredit(1000);
        scriptlosingspin(c.platform);
        focuson(c, button);
        c.key(Qt::Key(key));
        QCOMPARE(c.player.bank, bank);
        QCOMPARE(int(c.machine.betperline), betperline);
        QCOMPARE(int(c.machine.linesplayed), linesplayed);
    }

    // Enter held on the focused bet button while its spin lands starts no second spin.
    void enterDuringTheSpinItStartedStartsNoOther() {
        Cabinet c;
        c.givecredit(1000);
        scriptwinningspin(c.platform);
        for (int spare = 0; spare < 4; ++spare) scriptlosingspin(c.platform);
        focuson(c, QStringLiteral("play(1)"));
        int presses = 0;
        auto held = atpumps([&] {
            c.key(Qt::Key_Return);
            return ++presses == 4;
        });
        c.key(Qt::Key_Return);
        held->stop();
        QCOMPARE(presses, 4);
        QCOMPARE(c.player.games, 1);
        QCOMPARE(c.player.bank, 1000 - 25 + 100);
    }

    void enterPressesTheFocusedCardButtonDuringTheGamble() {
        Cabinet c;
        c.givecredit(1000);
        c.machine.currentwin = 40;
        c.machine.form.doublebutton.enabled = true;
        c.window.render();
        focuson(c, QStringLiteral("doublebutton"));
        c.key(Qt::Key_Return);
        QVERIFY(c.machine.form.pandouble.visible);
        QVERIFY(!c.machine.form.keypreview);
        focuson(c, QStringLiteral("betred"));
        c.platform.scripted.push_back(0.1);  // the ace of hearts
        c.key(Qt::Key_Return);
        QCOMPARE(c.machine.atrisk, 80);
    }

    // Short of credit, keys other than the space bar still move the focus and say nothing.
    void tabMovesTheFocusWhateverTheCredit() {
        Cabinet c;
        c.givecredit(1000);
        scriptlosingspin(c.platform);
        c.control(QStringLiteral("play(6)"))->click();  // a bet of 500: the credit cannot cover another
        QCOMPARE(c.player.bank, 500);
        c.givecredit(10);
        focuson(c, QStringLiteral("payline(1)"));

        QStringList visited;
        for (int i = 0; i < 4; ++i) {
            c.key(Qt::Key_Tab);
            QWidget* focus = QApplication::focusWidget();
            QVERIFY(focus);
            visited << focus->objectName();
            QVERIFY(!c.machine.form.pannomoney.visible);
        }
        QCOMPARE(visited.removeDuplicates(), qsizetype(0));
        QVERIFY(!visited.contains(QStringLiteral("zel")));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A);
        QVERIFY(!c.machine.form.pannomoney.visible);

        // The space bar is the machine's key: it asks for the bet, and the credit cannot cover it.
        c.key(Qt::Key_Space);
        QVERIFY(c.machine.form.pannomoney.visible);
        QCOMPARE(c.player.bank, 10);
    }

    // Before the first bet the space bar has no bet to repeat and does nothing, even on a bet
    // button; Enter is the key that presses it.
    void theSpaceBarBeforeTheFirstBetDoesNothing() {
        Cabinet c;
        c.givecredit(1000);
        scriptlosingspin(c.platform);
        focuson(c, QStringLiteral("play(1)"));
        c.key(Qt::Key_Space);
        QCOMPARE(c.player.bank, 1000);
        QCOMPARE(c.machine.betperline, int16_t(0));
    }
};

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
