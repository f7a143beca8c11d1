// What the gamble table shows besides the money: the row of the last five cards, and the WIN! or
// LOSE picture that slides down the table after each bet.
#include <vector>

#include <QtTest>

#include "core/gamble/gamble.h"
#include "gamblerig.h"

using namespace zel;

class GambleTableTest : public QObject {
    Q_OBJECT

private slots:
    // Rotation of the history boxes once the row is full: which box stands in which slot.
    void theHistoryRowKeepsTheLastFiveCards_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<int>>("boxes");  // box in slots 1..5, the last one holding the new card
        QTest::newRow("6") << 6 << QList<int>{2, 3, 4, 5, 1};
        QTest::newRow("7") << 7 << QList<int>{3, 4, 5, 1, 2};
        QTest::newRow("8") << 8 << QList<int>{4, 5, 1, 2, 3};
        QTest::newRow("9") << 9 << QList<int>{5, 1, 2, 3, 4};
        QTest::newRow("10") << 10 << QList<int>{1, 2, 3, 4, 5};
        QTest::newRow("11 starts over at 6") << 11 << QList<int>{2, 3, 4, 5, 1};
    }
    void theHistoryRowKeepsTheLastFiveCards() {
        QFETCH(int, count);
        QFETCH(QList<int>, boxes);
        ZelForm form;
        int16_t historycount = int16_t(count);
        placehistory(form.historypic, historycount, 2);
        QCOMPARE(int(historycount), count > 10 ? 6 : count);
        const int32_t slotleft[] = {360, 960, 1560, 2160, 2760};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(form.historypic[boxes[i]].left, slotleft[i]);
            QCOMPARE(form.historypic[boxes[i]].top, 3960);
        }
        QCOMPARE(form.historypic[boxes[4]].picture, (Pic{PicList::imagelistcards, 7, 0}));
        QVERIFY(form.historypic[boxes[4]].visible);
    }

    void theEleventhAndSixteenthCardsGoToBoxOneAtTheRightEnd() {
        Rig rig(100000);
        rig.afterwin(25);
        rig.zel.doublebutton_Click();
        for (int i = 1; i <= 5; ++i) QVERIFY(!rig.zel.form.historypic[i].visible);
        for (int drawn = 1; drawn <= 16; ++drawn) {
            const int card = (drawn % 4) + 1;
            rig.scriptcard(card);
            rig.zel.betred_Click();
            if (!rig.zel.form.pandouble.visible) {  // lost: gamble again to go on drawing
                rig.zel.currentwin = 25;
                rig.zel.form.doublebutton.enabled = true;
                rig.zel.doublebutton_Click();
            }
            if (drawn <= 5) {
                QVERIFY(rig.zel.form.historypic[drawn].visible);
                QCOMPARE(rig.zel.form.historypic[drawn].left, int32_t(360 + 600 * (drawn - 1)));
            }
            if (drawn == 11 || drawn == 16) {
                QCOMPARE(rig.zel.historycount, int16_t(6));
                QCOMPARE(rig.zel.form.historypic[1].left, 2760);
                QCOMPARE(rig.zel.form.historypic[1].picture, (Pic{PicList::imagelistcards, int16_t(card + 5), 0}));
                QCOMPARE(rig.zel.form.historypic[2].left, 360);
                QCOMPARE(rig.zel.form.historypic[5].left, 2160);
            }
        }
        // A new gamble starts with the previous cards on view.
        for (int i = 1; i <= 5; ++i) QVERIFY(rig.zel.form.historypic[i].visible);
    }

    void theWinAndLosePicturesAreSeenSlidingDownAndLandInsideThePanel_data() {
        QTest::addColumn<int>("card");
        QTest::newRow("a win on red") << 1;
        QTest::newRow("a loss on red") << 2;
    }
    // The slide is a movement the player sees: the window draws it at each of its short waits,
    // every frame a little lower, and the picture ends wholly on the panel.
    void theWinAndLosePicturesAreSeenSlidingDownAndLandInsideThePanel() {
        QFETCH(int, card);
        Rig rig;
        rig.afterwin(40);
        rig.zel.doublebutton_Click();
        const Control& picture = card == 1 ? rig.zel.form.gamblewin : rig.zel.form.gamblelose;
        std::vector<int32_t> tops;
        int slidems = 0;
        bool betswhilesliding = false;
        rig.platform.onwait = [&](int ms) {
            if (ms == 3000) return;
            QVERIFY(picture.visible);
            tops.push_back(picture.top);
            slidems += ms;
            betswhilesliding |= rig.zel.form.betred.enabled || rig.zel.form.betblack.enabled || rig.zel.form.suitbet[1].enabled;
        };
        rig.scriptcard(card);
        rig.zel.betred_Click();

        QVERIFY2(tops.size() >= 20, "too few frames to be seen as a movement");
        QVERIFY2(slidems >= 250 && slidems <= 600, qPrintable(QStringLiteral("the slide takes %1 ms").arg(slidems)));
        QVERIFY(tops.front() < 100);
        for (size_t i = 1; i < tops.size(); ++i) QVERIFY(tops[i] > tops[i - 1]);
        // It lands where it last was drawn or lower, wholly on the panel.
        QVERIFY(picture.top >= tops.back());
        QVERIFY(picture.height > 0 && picture.top + picture.height <= rig.zel.form.pandouble.height);
        // The next bet waits for the picture to land.
        QVERIFY(!betswhilesliding);
        QCOMPARE(rig.zel.form.betred.enabled, card == 1);
    }
};

QTEST_GUILESS_MAIN(GambleTableTest)
#include "tst_gambletable.moc"
