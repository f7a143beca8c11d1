// The machine's window on a real desktop (an X server of the test's own with openbox): it can be
// maximised and made fullscreen, by the window manager's command and by F11, with the whole machine
// scaled into it, keeping its proportions and drawn from the sharp pictures; the options' screen
// sizes set it back; the real game remembers its size and state from one run to the next (ended by
// Ctrl+Q), and starts at any logical DPI.
#include <cmath>

#include <QProcess>
#include <QSettings>
#include <QtTest>

#include "desktopgame.h"
#include "ui/machine/picturewidget.h"
#include "windowrig.h"

using namespace zel;
using namespace zeltest;
using zel::test::Desktop;
using zel::test::XWindow;

namespace {

Desktop* desktop = nullptr;
constexpr int patience = 5000;  // ms the window manager may take to act
constexpr double cabinetaspect = 643.0 / 444.0;

const char* const vert = "_NET_WM_STATE_MAXIMIZED_VERT";
const char* const horz = "_NET_WM_STATE_MAXIMIZED_HORZ";
const char* const full = "_NET_WM_STATE_FULLSCREEN";

// The cabinet fills the room under the menu bar one way, is centred the other, and keeps its shape.
QString fitted(QWidget* cabinet) {
    const QWidget* stage = cabinet->parentWidget();
    const QRect c = cabinet->geometry();
    const QSize room = stage->size();
    if (!QRect(QPoint(0, 0), room).contains(c)) return QStringLiteral("the cabinet runs out of the window");
    const int sparex = room.width() - c.width(), sparey = room.height() - c.height();
    if (sparex > 1 && sparey > 1) return QStringLiteral("the cabinet fills neither way: %1 x %2 spare").arg(sparex).arg(sparey);
    if (std::abs(c.left() - (room.width() - c.right() - 1)) > 1 || std::abs(c.top() - (room.height() - c.bottom() - 1)) > 1)
        return QStringLiteral("the cabinet is not centred");
    if (std::abs(double(c.width()) / c.height() - cabinetaspect) > 0.01) return QStringLiteral("the cabinet lost its shape");
    return {};
}

}  // namespace

class WindowSizeTest : public QObject {
    Q_OBJECT

private slots:
    void theWindowManagersCommandsFillTheScreenWithTheWholeMachine_data() {
        QTest::addColumn<bool>("byf11");
        QTest::addColumn<bool>("fullscreen");
        QTest::newRow("maximise") << false << false;
        QTest::newRow("fullscreen") << false << true;
        QTest::newRow("F11") << true << true;
    }
    void theWindowManagersCommandsFillTheScreenWithTheWholeMachine() {
        QFETCH(bool, byf11);
        QFETCH(bool, fullscreen);
        Cabinet c;
        auto* cabinet = c.control<QWidget>(QStringLiteral("zel"));
        const XWindow machine = c.window.winId();
        QVERIFY(QTest::qWaitFor([&] { return desktop->framed(machine) && desktop->activewindow() == machine; }, patience));
        QCOMPARE(cabinet->size(), QSize(643, 444));

        qreal sharpest = 0;
        watchpicturedensity([&](const QString&, qreal, qreal chosen) { sharpest = std::max(sharpest, chosen); });
        if (byf11) desktop->type("F11");
        else if (fullscreen) desktop->askstate(machine, true, full);
        else desktop->askstate(machine, true, vert, horz);
        const QRect screen = desktop->screen();
        QVERIFY2(QTest::qWaitFor([&] { return cabinet->height() > 600 && (fullscreen ? c.window.isFullScreen() : c.window.isMaximized()); }, patience),
                 qPrintable(QStringLiteral("cabinet %1 x %2").arg(cabinet->width()).arg(cabinet->height())));
        QTRY_VERIFY_WITH_TIMEOUT(!fullscreen || desktop->frame(machine) == screen, patience);
        QCOMPARE(fitted(cabinet), QString());
        c.window.render(true);
        QTRY_COMPARE_WITH_TIMEOUT(sharpest, 2.0, patience);  // the reels and buttons drawn from their 2x pictures
        watchpicturedensity(nullptr);

        // Back as it was, at the game's own scale.
        if (byf11) desktop->type("F11");
        else if (fullscreen) desktop->askstate(machine, false, full);
        else desktop->askstate(machine, false, vert, horz);
        QTRY_COMPARE_WITH_TIMEOUT(cabinet->size(), QSize(643, 444), patience);
        QVERIFY(!c.window.isFullScreen() && !c.window.isMaximized());
    }

    // The options' "640 X 480  Large" and "800 X 600  Normal" give the window the game's own size
    // again, out of a maximised window too.
    void aScreenSizeFromTheOptionsSetsTheWindowBackToItsScale() {
        Cabinet c;
        auto* cabinet = c.control<QWidget>(QStringLiteral("zel"));
        const XWindow machine = c.window.winId();
        QVERIFY(QTest::qWaitFor([&] { return desktop->framed(machine); }, patience));
        desktop->askstate(machine, true, vert, horz);
        QVERIFY(QTest::qWaitFor([&] { return c.window.isMaximized() && cabinet->height() > 600; }, patience));
        c.platform.changedisplay(640, 480);
        c.window.render();
        QTRY_VERIFY_WITH_TIMEOUT(!c.window.isMaximized() && !desktop->hasstate(machine, vert), patience);
        QTRY_COMPARE_WITH_TIMEOUT(cabinet->size(), QSize(804, 555), patience);
        c.platform.changedisplay(800, 600);
        c.window.render();
        QTRY_COMPARE_WITH_TIMEOUT(cabinet->size(), QSize(643, 444), patience);
        QCOMPARE(fitted(cabinet), QString());
    }

    // A size the player dragged, then a maximised window, come back at the next start; Ctrl+Q ends
    // the game with everything saved.
    void theGameRemembersItsSizeAndStateFromRunToRun() {
        QTemporaryDir home;
        QProcess game;
        startgame(game, home.path());
        XWindow w = 0;
        QVERIFY(QTest::qWaitFor([&] { return (w = gamewindow(*desktop)) != 0 && desktop->shown(w); }, 3 * patience));
        const QSize dragged(900, 700);
        desktop->askresize(w, dragged);
        QVERIFY(QTest::qWaitFor([&] { return desktop->clientrect(w).size() == dragged; }, patience));
        desktop->click(desktop->clientrect(w).center());  // the keyboard to the game
        QVERIFY(QTest::qWaitFor([&] { return desktop->activewindow() == w; }, patience));
        desktop->type("q", true);
        const bool ended = game.waitForFinished(3 * patience);
        stopgame(game, patience);
        QVERIFY2(ended, "Ctrl+Q did not end the game");
        QCOMPARE(game.exitCode(), 0);
        QSettings saved(homesettings(home.path()), QSettings::IniFormat);
        QCOMPARE(saved.value(QStringLiteral("window/size")).toString(), QStringLiteral("900x700"));
        QVERIFY2(!saved.value(QStringLiteral("player1/bank")).toString().isEmpty(), "the record was not saved");

        startgame(game, home.path());
        QVERIFY(QTest::qWaitFor([&] { return (w = gamewindow(*desktop)) != 0 && desktop->shown(w); }, 3 * patience));
        QTRY_COMPARE_WITH_TIMEOUT(desktop->clientrect(w).size(), dragged, patience);
        desktop->askstate(w, true, vert, horz);
        QVERIFY(QTest::qWaitFor([&] { return desktop->hasstate(w, vert); }, patience));
        QTRY_COMPARE_WITH_TIMEOUT(QSettings(homesettings(home.path()), QSettings::IniFormat).value(QStringLiteral("window/state")).toString(),
                                  QStringLiteral("maximized"), patience);
        stopgame(game, patience);

        startgame(game, home.path());
        QVERIFY(QTest::qWaitFor([&] { return (w = gamewindow(*desktop)) != 0 && desktop->shown(w); }, 3 * patience));
        const bool maximised = QTest::qWaitFor([&] { return desktop->hasstate(w, vert) && desktop->hasstate(w, horz); }, patience);
        // Out of the maximised window, the dragged size again.
        desktop->askstate(w, false, vert, horz);
        const bool normal = QTest::qWaitFor([&] { return desktop->clientrect(w).size() == dragged; }, patience);
        stopgame(game, patience);
        QVERIFY2(maximised, "the window did not start maximised");
        QVERIFY2(normal, "the window's own size was lost");
    }

    // The game starts at any logical DPI: a desktop font size whose scale Qt rounds down to 1 leaves
    // the text at that DPI, and the windows lay it out as it comes.
    void theGameStartsAtAnyLogicalDpi_data() {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<QString>("rounding");
        QTest::newRow("120") << 120 << "Round";
        QTest::newRow("144") << 144 << "RoundPreferFloor";
    }
    void theGameStartsAtAnyLogicalDpi() {
        QFETCH(int, dpi);
        QFETCH(QString, rounding);
        QTemporaryDir home;
        QProcess game;
        startgame(game, home.path(), {QStringLiteral("QT_FONT_DPI=%1").arg(dpi), QStringLiteral("QT_SCALE_FACTOR_ROUNDING_POLICY=") + rounding});
        XWindow w = 0;
        const bool appeared = QTest::qWaitFor([&] { return (w = gamewindow(*desktop)) != 0 && desktop->shown(w); }, 3 * patience);
        const bool running = game.state() == QProcess::Running;
        stopgame(game, patience);
        QVERIFY2(appeared, "the machine's window did not appear");
        QVERIFY(running);
    }
};

int main(int argc, char** argv) { return runondesktop<WindowSizeTest>(argc, argv, 1280, 800, desktop); }

#include "tst_windowsize.moc"
