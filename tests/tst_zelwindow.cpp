// The main window on the offscreen platform: real buttons, real key events, the machine's rules.
#include <deque>
#include <memory>

#include <QAbstractButton>
#include <QAction>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "ui/machine/displaywidget.h"
#include "core/machine/zel.h"
#include "ui/machine/zelwindow.h"
#include "ui/platform/qtplatform.h"
#include "core/players/player.h"
#include "windowrig.h"

using namespace zel;

using zeltest::QuickPlatform;
using zeltest::scriptlosingspin;

class TestZelWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<Player> player;
    std::unique_ptr<QuickPlatform> platform;
    std::unique_ptr<Zel> machine;
    std::unique_ptr<ZelWindow> window;

    template <class T = QAbstractButton>
    T* control(const QString& name) {
        T* found = window->findChild<T*>(name);
        if (!found) qFatal("no control %s", qPrintable(name));
        return found;
    }
    void givecredit(int32_t coins) {
        player->bank = coins;
        machine->showcredit();
        window->render();
    }

private slots:
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        player = std::make_unique<Player>();
        platform = std::make_unique<QuickPlatform>(dir->filePath(QStringLiteral("zelslots.conf")));
        machine = std::make_unique<Zel>(*player, *platform);
        window = std::make_unique<ZelWindow>(*machine, platform.get());
        machine->Form_Load();
        window->render();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void cleanup() {
        window.reset();
        machine.reset();
        platform.reset();
        player.reset();
        dir.reset();
    }

    void aClickOnPlayLandsTheReelsAndShowsTheNewCredit() {
        givecredit(1000);
        scriptlosingspin(*platform);
        QTest::mouseClick(control(QStringLiteral("play(1)")), Qt::LeftButton);

        const int expected[6] = {0, 5, 3, 5, 3, 3};
        for (int r = 1; r <= 5; ++r) {
            QCOMPARE(machine->reelstop[r], expected[r]);
            QCOMPARE(machine->form.reel[r].top, -1500 * machine->reelstop[r]);
        }
        QCOMPARE(machine->currentwin, 0);
        QCOMPARE(player->bank, 975);
        QCOMPARE(control<DisplayWidget>(QStringLiteral("PANELBANK"))->valuetext(), QStringLiteral("975"));
        QCOMPARE(control<DisplayWidget>(QStringLiteral("PANELBANK"))->subvaluetext(), QStringLiteral("$ 9.75"));
        // The spin is over: the controls it locked take clicks again.
        QVERIFY(control(QStringLiteral("play(1)"))->isEnabled());
    }

    void aSpinWithoutCreditIsDeclinedOnScreen() {
        givecredit(10);
        QTest::mouseClick(control(QStringLiteral("play(1)")), Qt::LeftButton);
        QCOMPARE(player->bank, 10);
        QVERIFY(control<QWidget>(QStringLiteral("pannomoney"))->isVisible());
    }

    void aDisabledControlIgnoresClicks_data() {
        QTest::addColumn<bool>("drawn");
        QTest::newRow("disabled on screen") << true;
        QTest::newRow("disabled by a handler, not yet drawn") << false;
    }
    void aDisabledControlIgnoresClicks() {
        QFETCH(bool, drawn);
        givecredit(100);
        machine->form.COINSIN.enabled = false;
        if (drawn) window->render();
        auto* coin = control(QStringLiteral("COINSIN"));
        QCOMPARE(coin->isEnabled(), !drawn);
        QTest::mouseClick(coin, Qt::LeftButton);
        QCOMPARE(player->bank, 100);
        QCOMPARE(player->amountinvested, 0);
    }

    void anEnabledCoinButtonInsertsCoins() {
        givecredit(100);
        QTest::mouseClick(control(QStringLiteral("COINSIN")), Qt::LeftButton);
        QCOMPARE(player->bank, 120);
        QCOMPARE(control<DisplayWidget>(QStringLiteral("PANELBANK"))->valuetext(), QStringLiteral("120"));
    }

    void theSpaceBarSpinsOnlyWhileTheWindowPreviewsKeys_data() {
        QTest::addColumn<bool>("keypreview");
        QTest::addColumn<int32_t>("bankafter");
        QTest::newRow("key preview on: one spin at the last bet") << true << int32_t(950);
        QTest::newRow("key preview off: nothing happens") << false << int32_t(975);
    }
    void theSpaceBarSpinsOnlyWhileTheWindowPreviewsKeys() {
        QFETCH(bool, keypreview);
        QFETCH(int32_t, bankafter);
        givecredit(1000);
        scriptlosingspin(*platform);
        QTest::mouseClick(control(QStringLiteral("play(1)")), Qt::LeftButton);  // bet 1 on 25 lines
        QCOMPARE(player->bank, 975);

        machine->form.keypreview = keypreview;
        machine->form.focus = QStringLiteral("zel");
        window->render();
        scriptlosingspin(*platform);
        QTest::keyClick(control<QWidget>(QStringLiteral("zel")), Qt::Key_Space);
        QCOMPARE(player->bank, bankafter);
    }

    void theSpaceBarDoesNotAlsoPressTheFocusedButton() {
        givecredit(1000);
        scriptlosingspin(*platform);
        QTest::mouseClick(control(QStringLiteral("play(1)")), Qt::LeftButton);
        machine->form.keypreview = true;
        machine->form.focus = QStringLiteral("play(6)");
        window->render();
        QVERIFY(control(QStringLiteral("play(6)"))->hasFocus());

        scriptlosingspin(*platform);
        scriptlosingspin(*platform);
        QTest::keyClick(control<QWidget>(QStringLiteral("play(6)")), Qt::Key_Space);
        // One spin at bet 1 (25 coins), not a second one at bet 20 from the focused button.
        QCOMPARE(player->bank, 950);
        QCOMPARE(machine->betperline, int16_t(1));
    }

    void aFormTimerRunsItsQtTimerWithItsInterval() {
        auto timerwith = [this](int interval) {
            for (QTimer* t : window->findChildren<QTimer*>())
                if (t->isActive() && t->interval() == interval) return true;
            return false;
        };
        QVERIFY(!timerwith(4000));
        machine->form.Timerrespin.enabled = true;
        window->render();
        QVERIFY(timerwith(4000));
        machine->form.Timerrespin.enabled = false;
        window->render();
        QVERIFY(!timerwith(4000));
    }

    void aTimersNextTickComesAnIntervalAfterItsHandlerReturns_data() {
        QTest::addColumn<QString>("timer");
        QTest::addColumn<int>("interval");
        QTest::newRow("Timer1, the winning lines: its tick pauses 150 ms") << QStringLiteral("Timer1") << 150;
        QTest::newRow("Timerwincounter, the win meter: its tick lets events run") << QStringLiteral("Timerwincounter") << 100;
    }
    // The interval counts from the end of a tick: while the handler runs (and pauses), the next
    // tick is not on its way; it is, with the whole interval, once the handler has returned.
    void aTimersNextTickComesAnIntervalAfterItsHandlerReturns() {
        QFETCH(QString, timer);
        QFETCH(int, interval);
        player->winroll = 1;
        givecredit(1000);
        zeltest::scriptwinningspin(*platform);
        QTest::mouseClick(control(QStringLiteral("play(1)")), Qt::LeftButton);
        QTimer* qtimer = window->findChild<QTimer*>(timer);
        QVERIFY(qtimer);
        QVERIFY(qtimer->isActive());

        int pauses = 0;
        bool counting = false;
        platform->onpause = [&] {
            ++pauses;
            counting |= qtimer->isActive();
        };
        QTimerEvent tick(qtimer->timerId());
        QCoreApplication::sendEvent(qtimer, &tick);
        platform->onpause = nullptr;

        QVERIFY(pauses > 0);
        QVERIFY2(!counting, "the next tick was on its way while the handler still ran");
        QVERIFY(qtimer->isActive());
        QCOMPARE(qtimer->interval(), interval);
    }

    void theLargeDisplayShowsTheWindowAQuarterLarger() {
        auto* cabinet = control<QWidget>(QStringLiteral("zel"));
        QCOMPARE(cabinet->size(), QSize(643, 444));
        platform->changedisplay(640, 480);
        window->render();
        QCOMPARE(cabinet->size(), QSize(804, 555));
        QCOMPARE(control<QWidget>(QStringLiteral("Picture1"))->geometry(), QRect(67, 67, 125, 375));
        platform->changedisplay(0, 0);
        window->render();
        QCOMPARE(cabinet->size(), QSize(643, 444));
    }

    void aVisibleHighlightFrameDrawsOverItsCell() {
        auto* reel = control<QWidget>(QStringLiteral("Picture1"));
        const QImage plain = reel->grab().toImage();
        machine->form.flasher[2].visible = true;  // reel 1, middle row
        window->render();
        const QImage lit = reel->grab().toImage();
        QVERIFY(plain != lit);
        // The frame lies on the middle cell only.
        QCOMPARE(lit.copy(0, 0, 100, 100), plain.copy(0, 0, 100, 100));
        QVERIFY(lit.copy(0, 100, 100, 100) != plain.copy(0, 100, 100, 100));
    }

    void theGamblePanelOpensOverTheReelsAndTakesBets() {
        givecredit(1000);
        machine->currentwin = 40;
        machine->form.doublebutton.enabled = true;
        window->render();
        QTest::mouseClick(control(QStringLiteral("doublebutton")), Qt::LeftButton);
        auto* panel = control<QWidget>(QStringLiteral("pandouble"));
        QVERIFY(panel->isVisible());
        QVERIFY(panel->geometry().intersects(control<QWidget>(QStringLiteral("Picture3"))->geometry()));
        QCOMPARE(player->bank, 960);

        platform->scripted.push_back(0.1);  // the ace of hearts
        QTest::mouseClick(control(QStringLiteral("betred")), Qt::LeftButton);
        QCOMPARE(machine->atrisk, 80);
        QVERIFY(control<QWidget>(QStringLiteral("historypic(1)"))->isVisible());

        QTest::mouseClick(control(QStringLiteral("cancelbet")), Qt::LeftButton);
        QVERIFY(!panel->isVisible());
        QCOMPARE(player->bank, 1040);
    }

    void theQuickCreditMenuCommandAddsCredit() {
        givecredit(100);
        auto* quick = window->findChild<QAction*>(QStringLiteral("mnuquickcredit"));
        QVERIFY(quick);
        QCOMPARE(quick->text(), QStringLiteral("Quick Credit"));
        quick->trigger();
        QCOMPARE(player->bank, 5100);
        QCOMPARE(control<DisplayWidget>(QStringLiteral("PANELBANK"))->valuetext(), QStringLiteral("5100"));
    }

    void theCaptionNamesTheCurrentPlayer() {
        machine->form.caption = QStringLiteral("Current Player       <b>Ann</b>");
        window->render();
        QCOMPARE(window->windowTitle(), QStringLiteral("Current Player       <b>Ann</b>"));
    }

    // An exit asked for while the reels land waits for the spin to be settled, so the
    // saved record holds the win.
    void anExitDuringASpinSavesTheRecordAfterTheWin() {
        givecredit(1000);
        control(QStringLiteral("play(1)"))->click();  // sets the bet; any spin will do
        const int32_t before = player->bank;
        platform->scriptstops({5, 5, 5, 11, 6});    // J on line 1 from reel 1 to reel 5
        platform->scripted.push_back(0.0);           // the win stands
        bool endedinspin = true;
        QTimer::singleShot(0, window.get(), [this, &endedinspin] {
            window->findChild<QAction*>(QStringLiteral("mnuexit"))->trigger();
            endedinspin = platform->ended;
        });
        control(QStringLiteral("play(1)"))->click();
        QVERIFY(!endedinspin);
        QVERIFY(platform->ended);
        QVERIFY(machine->currentwin > 0);
        QCOMPARE(player->bank, before - 25 + machine->currentwin);
        QSettings stored(dir->filePath(QStringLiteral("zelslots.conf")), QSettings::IniFormat);
        QCOMPARE(stored.value(QStringLiteral("player1/bank")).toString(), QString::number(player->bank));
    }
};

QTEST_MAIN(TestZelWindow)
#include "tst_zelwindow.moc"
