// The player's statistics: the derived figures and the exact captions of the seven labels.
#include <QtTest>

#include "core/players/statistics.h"

using namespace zel;

namespace {
Player playerwith(int32_t bank, int32_t invested, int32_t wager, int32_t total, int32_t games) {
    Player p;
    p.bank = bank;
    p.amountinvested = invested;
    p.wager = wager;
    p.total = total;
    p.games = games;
    p.currentplayer = QStringLiteral("jo");
    return p;
}
}  // namespace

class StatisticsTest : public QObject {
    Q_OBJECT

private slots:
    void returnedToPlayerIsThePercentageRoundedDown_data() {
        QTest::addColumn<int>("total");
        QTest::addColumn<int>("wager");
        QTest::addColumn<bool>("formed");
        QTest::addColumn<int>("percent");
        QTest::newRow("950 of 1000") << 950 << 1000 << true << 95;
        QTest::newRow("1 of 3") << 1 << 3 << true << 33;
        QTest::newRow("2 of 3") << 2 << 3 << true << 66;
        QTest::newRow("more won than wagered") << 2500 << 1000 << true << 250;
        QTest::newRow("a loss below zero rounds down") << -1 << 3 << true << -34;
        QTest::newRow("nothing wagered") << 50 << 0 << false << 0;
        QTest::newRow("too large for the figure") << 2000000000 << 1 << false << 0;
    }
    void returnedToPlayerIsThePercentageRoundedDown() {
        QFETCH(int, total);
        QFETCH(int, wager);
        QFETCH(bool, formed);
        QFETCH(int, percent);
        int32_t out = 0;
        QCOMPARE(returnedtoplayer(playerwith(0, 0, wager, total, 1), out), formed);
        if (formed) QCOMPARE(out, percent);
    }

    void winningLosingIsCreditLessInvestedUnlessItOverflows() {
        int32_t out = 0;
        QVERIFY(winninglosing(playerwith(150, 1000, 0, 0, 1), out));
        QCOMPARE(out, -850);
        QVERIFY(!winninglosing(playerwith(2147483647, -1, 0, 0, 1), out));
        QCOMPARE(out, -850);
    }

    void captionsWithGamesPlayed_data() {
        QTest::addColumn<bool>("opening");
        QTest::addColumn<QString>("current");
        QTest::newRow("opening") << true << "Current Player    JO";
        QTest::newRow("after choosing a slot") << false << "Current Player   JO";
    }
    void captionsWithGamesPlayed() {
        QFETCH(bool, opening);
        QFETCH(QString, current);
        OptionsForm form;
        showstatistics(form, playerwith(1230, 2000, 1000, 950, 12),
                       opening ? StatisticsMoment::opening : StatisticsMoment::slotchoice);
        QCOMPARE(form.lblcurrentplayer.caption, current);
        QCOMPARE(form.lblgames.caption, QStringLiteral("Games Played            12"));
        QCOMPARE(form.lblwager.caption, QStringLiteral("Total Wagered           1000"));
        QCOMPARE(form.lbltotalwon.caption, QStringLiteral("Total Won                   950"));
        QCOMPARE(form.lblwinlose.caption, QStringLiteral("Winning/Losing           -770"));
        QCOMPARE(form.lblreturned.caption, QStringLiteral("Returned To Player     % 95"));
        QCOMPARE(form.lblinvested.caption, QStringLiteral("Total Invested             2000"));
    }

    void bareCaptionsWhenNoGameWasPlayed_data() {
        QTest::addColumn<bool>("opening");
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("opening") << true
                                 << QStringList{"Current Player    JO", "Games Played      ", "Total Wagered     ",
                                                "Total Won      ", "Winning/Losing     ", "Returned To Player     ",
                                                "Total Invested      "};
        QTest::newRow("after choosing a slot")
            << false
            << QStringList{"Current Player    JO", "Games Played          ", "Total Wagered         ",
                           "Total Won          ", "Winning/Losing      ", "Returned To Player ", "Total Invested     "};
    }
    void bareCaptionsWhenNoGameWasPlayed() {
        QFETCH(bool, opening);
        QFETCH(QStringList, captions);
        OptionsForm form;
        // Other values do not matter while no game was played.
        showstatistics(form, playerwith(500, 100, 40, 30, 0),
                       opening ? StatisticsMoment::opening : StatisticsMoment::slotchoice);
        const QStringList shown{form.lblcurrentplayer.caption, form.lblgames.caption, form.lblwager.caption,
                                form.lbltotalwon.caption,      form.lblwinlose.caption, form.lblreturned.caption,
                                form.lblinvested.caption};
        QCOMPARE(shown, captions);
    }

    void aFigureThatCannotBeFormedLeavesItsLabel() {
        OptionsForm form;
        form.lblreturned.caption = QStringLiteral("before");
        form.lblwinlose.caption = QStringLiteral("before too");
        showstatistics(form, playerwith(2147483647, -1, 0, 20, 5), StatisticsMoment::slotchoice);
        QCOMPARE(form.lblreturned.caption, QStringLiteral("before"));
        QCOMPARE(form.lblwinlose.caption, QStringLiteral("before too"));
        QCOMPARE(form.lblgames.caption, QStringLiteral("Games Played            5"));
    }

    void afterADeleteTheLongCaptionsShowZero() {
        OptionsForm form;
        showdeleted(form, playerwith(0, 0, 0, 0, 0));
        QCOMPARE(form.lblcurrentplayer.caption, QStringLiteral("Current Player   JO"));
        QCOMPARE(form.lblgames.caption, QStringLiteral("Games Played            0"));
        QCOMPARE(form.lblwager.caption, QStringLiteral("Total Wagered           0"));
        QCOMPARE(form.lbltotalwon.caption, QStringLiteral("Total Won                   0"));
        QCOMPARE(form.lblwinlose.caption, QStringLiteral("Winning/Losing           0"));
        QCOMPARE(form.lblreturned.caption, QStringLiteral("Returned To Player     % "));
        QCOMPARE(form.lblinvested.caption, QStringLiteral("Total Invested             0"));
    }
};

QTEST_GUILESS_MAIN(StatisticsTest)
#include "tst_statistics.moc"
