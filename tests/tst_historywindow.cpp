// The History window on screen (offscreen): the games newest first, the chosen game's reels with
// its paying lines where the machine draws them, its free spins and gamble cards, the chart that
// chooses a game with a click, and the window closing with the machine given back.
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QTableWidget>
#include <QtTest>

#include "core/machine/linetable.h"
#include "historyrig.h"
#include "ui/history/creditchartwidget.h"
#include "ui/history/historywindow.h"
#include "ui/history/reelsnapshotwidget.h"

using namespace zel;
using namespace zeltest;

namespace {
// The colour of the reel picture halfway between the centres of line `line`'s cells on reels 1
// and 2: on the line's path, so in the line's colour when the line is drawn.
QColor pathcolour(ReelSnapshotWidget* reels, int line) {
    const QPointF a = reels->cellrect(0, lineshape[line][0]).center();
    const QPointF b = reels->cellrect(1, lineshape[line][1]).center();
    const QImage picture = reels->grab().toImage();
    const qreal scale = picture.devicePixelRatio();
    return picture.pixelColor(((a + b) / 2 * scale).toPoint());
}

struct Played {
    HistoryRig rig;
    Seen seen;
    Played() {
        seen = playscriptedgame(rig);
        rig.platform.scriptstops({5, 5, 5, 11, 6});  // J on line 1 from reel 1 to reel 5
        rig.platform.scriptdraw(1, 6);
        rig.platform.clockms += 60000;
        rig.zel.play_Click(1);
        rig.zel.form.enabled = false;  // as the menu command leaves the machine while the window is up
    }
};
}  // namespace

class HistoryWindowTest : public QObject {
    Q_OBJECT

private slots:
    void theGamesShowNewestFirstWithTheChosenGameInFull() {
        Played p;
        QPointer<HistoryWindow> w = new HistoryWindow(p.rig.zel, nullptr);
        w->open();
        QVERIFY(w->isVisible());
        QCOMPARE(w->windowTitle(), QStringLiteral("Game History"));

        auto* games = w->findChild<QTableWidget*>(QStringLiteral("games"));
        QCOMPARE(games->rowCount(), 2);
        QCOMPARE(games->item(0, 2)->text(), QStringLiteral("100"));
        QCOMPARE(games->item(0, 4)->text(), QString());
        QCOMPARE(games->item(1, 2)->text(), QString::number(p.seen.collected));
        QCOMPARE(games->item(1, 3)->text(), QString::number(p.seen.creditaftergamble));
        QCOMPARE(games->item(1, 4)->text(), QStringLiteral("free spins, gamble"));

        // The newest game is chosen: line 1 paid, drawn over its reels in the line's colour.
        QCOMPARE(games->currentRow(), 0);
        auto* reels = w->findChild<ReelSnapshotWidget*>(QStringLiteral("reels"));
        QCOMPARE(pathcolour(reels, 1), QColor::fromRgb(linetable[1].colour));
        QCOMPARE(w->findChild<QLabel*>(QStringLiteral("spinlines"))->text(), QStringLiteral("Line 1: J x 5 pays 100"));
        QCOMPARE(w->findChild<QListWidget*>(QStringLiteral("feature"))->count(), 0);
        QCOMPARE(w->findChild<QListWidget*>(QStringLiteral("gamble"))->count(), 0);

        // The feature game: every free spin and its total, every card and the loss.
        games->setCurrentCell(1, 0);
        QCOMPARE(p.rig.zel.journal.book.games(1).size(), size_t(2));
        QVERIFY(pathcolour(reels, 1) != QColor::fromRgb(linetable[1].colour));  // three mountains pay no line
        auto* feature = w->findChild<QListWidget*>(QStringLiteral("feature"));
        QCOMPARE(feature->count(), int(p.seen.freespins.size()) + 1);
        QCOMPARE(feature->item(feature->count() - 1)->text(), QStringLiteral("Feature total %1").arg(p.seen.featuretotal));
        auto* gamble = w->findChild<QListWidget*>(QStringLiteral("gamble"));
        QCOMPARE(gamble->count(), 5);
        QCOMPARE(gamble->item(0)->text(), QStringLiteral("Gambled %1").arg(p.seen.collected));
        QCOMPARE(gamble->item(4)->text(), QStringLiteral("Lost %1").arg(p.seen.collected));
        QVERIFY(w->findChild<QLabel*>(QStringLiteral("summary"))->text().contains(QStringLiteral("paid %1").arg(p.seen.collected)));

        // A click on the chart chooses the game drawn there.
        auto* chart = w->findChild<CreditChartWidget*>(QStringLiteral("chart"));
        QTest::mouseClick(chart, Qt::LeftButton, {}, chart->pointof(1).toPoint());
        QCOMPARE(games->currentRow(), 0);
        QTest::mouseClick(chart, Qt::LeftButton, {}, chart->pointof(0).toPoint());
        QCOMPARE(games->currentRow(), 1);

        // Escape closes it and gives the machine back.
        QTest::keyClick(w, Qt::Key_Escape);
        QVERIFY(p.rig.zel.form.enabled);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!w);
    }

    void aPlayerWithNoGamesIsToldSo() {
        HistoryRig rig;
        HistoryWindow w(rig.zel, nullptr);
        w.setAttribute(Qt::WA_DeleteOnClose, false);
        w.open();
        QCOMPARE(w.findChild<QTableWidget*>(QStringLiteral("games"))->rowCount(), 0);
        auto* note = w.findChild<QLabel*>(QStringLiteral("emptynote"));
        QVERIFY(note->isVisible());
        QCOMPARE(note->text(), QStringLiteral("No games yet: the games you play are kept here."));
    }
};

QTEST_MAIN(HistoryWindowTest)
#include "tst_historywindow.moc"
