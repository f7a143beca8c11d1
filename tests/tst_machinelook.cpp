// What the machine's window shows, offscreen, at both window scales: the free-spin banner beside
// the meters, the gamble's win and lose pictures inside their panel, and winning lines that run
// between the reel windows without crossing a symbol.
#include <QImage>
#include <QtTest>

#include "core/machine/dispatcher.h"
#include "core/machine/linetable.h"
#include "windowrig.h"

using namespace zel;
using namespace zeltest;

namespace {

void addscales() {
    QTest::addColumn<double>("scale");
    QTest::newRow("800 x 600, scale 1") << 1.0;
    QTest::newRow("640 x 480, scale 1.25") << 1.25;
}

void setscale(Cabinet& c, double scale) {
    if (scale != 1.0) c.platform.changedisplay(640, 480);
    c.window.render();
}

// Lets the machine's timers run, tick by tick, until `done` holds (at most `ticks` ticks).
bool tickuntil(Cabinet& c, const std::function<bool()>& done, int ticks = 400) {
    for (int i = 0; i < ticks && !done(); ++i)
        for (int t = 0; t < timercount; ++t)
            if (Dispatcher::timerof(c.machine.form, TimerControl(t)).enabled) c.window.input().tick(TimerControl(t));
    return done();
}

// A widget's rectangle in its window's coordinates.
QRect inwindow(QWidget* w) { return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size()); }

}  // namespace

class MachineLookTest : public QObject {
    Q_OBJECT

private slots:
    void theFreeSpinBannerLeavesTheMetersUncovered_data() { addscales(); }
    void theFreeSpinBannerLeavesTheMetersUncovered() {
        QFETCH(double, scale);
        Cabinet c;
        setscale(c, scale);
        c.givecredit(1000);
        // Three scatters on reels 1 to 3 start the feature; every feature spin after it wins nothing.
        c.platform.scriptstops({11, 8, 13, 3, 3});
        c.platform.scripted.push_back(0.0);
        for (int spin = 0; spin < 40; ++spin) scriptlosingspin(c.platform);
        c.control(QStringLiteral("play(1)"))->click();
        QVERIFY(c.machine.freespins > 0);
        QVERIFY(tickuntil(c, [&] { return c.machine.form.spinsleft.visible; }));
        c.window.render();

        QWidget* banner = c.control<QWidget>(QStringLiteral("spinsleft"));
        QVERIFY(banner->isVisible());
        const QRect bannerrect = inwindow(banner);
        for (QWidget* w : c.control<QWidget>(QStringLiteral("zel"))->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            // The reels, their tags and the layer of line segments lie above the deck.
            if (w == banner || !w->isVisible() || w->objectName().isEmpty() || w->objectName() == QLatin1String("Lineflash")) continue;
            if (w->objectName().startsWith(QLatin1String("Picture")) || w->objectName().startsWith(QLatin1String("lin("))) continue;
            QVERIFY2(!bannerrect.intersects(inwindow(w)), qPrintable(w->objectName()));
        }
    }

    void theGamblePictureComesToRestInsideThePanelClearOfTheHistory_data() {
        QTest::addColumn<double>("scale");
        QTest::addColumn<bool>("win");
        for (const double scale : {1.0, 1.25}) {
            QTest::addRow("win at scale %g", scale) << scale << true;
            QTest::addRow("loss at scale %g", scale) << scale << false;
        }
    }
    void theGamblePictureComesToRestInsideThePanelClearOfTheHistory() {
        QFETCH(double, scale);
        QFETCH(bool, win);
        Cabinet c;
        setscale(c, scale);
        c.givecredit(1000);
        for (int card = 0; card < 5; ++card) {  // a full history row first
            c.machine.currentwin = 40;
            c.machine.form.doublebutton.enabled = true;
            c.window.render();
            c.control(QStringLiteral("doublebutton"))->click();
            c.platform.scripted.push_back(0.1);  // the ace of hearts
            c.control(QStringLiteral("betred"))->click();
            c.control(QStringLiteral("cancelbet"))->click();
        }
        c.machine.currentwin = 40;
        c.machine.form.doublebutton.enabled = true;
        c.window.render();
        c.control(QStringLiteral("doublebutton"))->click();

        // The bet: a win leaves the picture where it came to rest; a loss hides the whole panel
        // three seconds later, the picture still in its last place.
        c.platform.scripted.push_back(win ? 0.1 : 0.3);  // hearts wins on red, clubs loses
        c.control(QStringLiteral("betred"))->click();
        QWidget* panel = c.control<QWidget>(QStringLiteral("pandouble"));
        QWidget* picture = c.control<QWidget>(win ? QStringLiteral("gamblewin") : QStringLiteral("gamblelose"));
        QCOMPARE(panel->isVisible(), win);
        QVERIFY(win ? c.machine.form.gamblewin.visible : c.machine.form.gamblelose.visible);
        const QRect rest = picture->geometry();

        QVERIFY(!rest.isEmpty());
        QVERIFY2(panel->rect().contains(rest), qPrintable(QStringLiteral("picture at %1,%2 %3x%4 in a panel of %5x%6")
                                                             .arg(rest.x()).arg(rest.y()).arg(rest.width()).arg(rest.height())
                                                             .arg(panel->width()).arg(panel->height())));
        QVERIFY(!rest.intersects(c.control<QWidget>(QStringLiteral("Lblpasthistory"))->geometry()));
        for (int i = 1; i <= 5; ++i) QVERIFY(!rest.intersects(c.control<QWidget>(QStringLiteral("historypic(%1)").arg(i))->geometry()));
    }

    void aWinningLineIsPaintedBetweenTheReelWindowsAndMeetsTheirEdges_data() {
        QTest::addColumn<double>("scale");
        QTest::addColumn<int>("line");
        for (const double scale : {1.0, 1.25})
            for (const int line : {1, 4, 18, 22}) QTest::addRow("line %d at scale %g", line, scale) << scale << line;
    }
    void aWinningLineIsPaintedBetweenTheReelWindowsAndMeetsTheirEdges() {
        QFETCH(double, scale);
        QFETCH(int, line);
        Cabinet c;
        setscale(c, scale);
        const LineLook& look = linetable[line];
        for (int i = 1; i <= 6; ++i) {
            const Segment& s = look.segments[i - 1];
            c.machine.form.Lineflash[i] = LineControl{true, s.x1, s.y1, s.x2, s.y2, look.colour};
        }
        c.window.render();

        QWidget* overlay = c.control<QWidget>(QStringLiteral("Lineflash"));
        QImage painted(overlay->size(), QImage::Format_ARGB32_Premultiplied);
        painted.fill(Qt::transparent);
        overlay->render(&painted, QPoint(), QRegion(), QWidget::RenderFlags());
        const auto inked = [&](int x, int y) { return painted.rect().contains(x, y) && qAlpha(painted.pixel(x, y)) > 0; };

        QRect windows[6];
        for (int r = 1; r <= reelcount; ++r) {
            QWidget* reel = c.control<QWidget>(QStringLiteral("Picture%1").arg(r));
            windows[r] = QRect(overlay->mapFrom(reel->parentWidget(), reel->pos()), reel->size()) & painted.rect();
            for (int y = windows[r].top(); y <= windows[r].bottom(); ++y) {
                const auto* row = reinterpret_cast<const QRgb*>(painted.constScanLine(y));
                for (int x = windows[r].left(); x <= windows[r].right(); ++x)
                    if (qAlpha(row[x]) > 0) QFAIL(qPrintable(QStringLiteral("reel %1 painted at %2,%3").arg(r).arg(x).arg(y)));
            }
        }
        // Each segment touches the reel window on either side of its gap (a stub touches one).
        const double k = scale / 15.0;
        for (const Segment& s : look.segments) {
            const bool leftfirst = s.x1 <= s.x2;
            const int lefty = int((leftfirst ? s.y1 : s.y2) * k), righty = int((leftfirst ? s.y2 : s.y1) * k);
            const int leftx = int(std::min(s.x1, s.x2) * k), rightx = int(std::max(s.x1, s.x2) * k);
            for (int r = 1; r <= reelcount; ++r) {
                if (std::abs(windows[r].right() + 1 - leftx) <= 1)
                    QVERIFY2(inked(windows[r].right() + 1, lefty), qPrintable(QStringLiteral("after reel %1").arg(r)));
                if (std::abs(windows[r].left() - rightx) <= 1)
                    QVERIFY2(inked(windows[r].left() - 1, righty), qPrintable(QStringLiteral("before reel %1").arg(r)));
            }
        }
    }
};

QTEST_MAIN(MachineLookTest)
#include "tst_machinelook.moc"
