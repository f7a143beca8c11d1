// The machine's windows on a real desktop: an X server of the test's own with the openbox window
// manager, read from the X server itself. The options, pay-table, about and history windows are dialogs of
// the machine: above it, and still above it after a click on the (disabled) machine, with the
// keyboard; placed where the game places them with their whole frame on the screen, at both
// window scales; and every title carries the game's name after the game's own caption.
#include <algorithm>

#include <QProcess>
#include <QWindow>
#include <QtTest>

#include "desktopgame.h"
#include "windowrig.h"

using namespace zel;
using namespace zeltest;
using zel::test::Desktop;
using zel::test::XWindow;

namespace {

Desktop* desktop = nullptr;
constexpr int patience = 5000;  // ms the window manager may take to act

bool stacked(XWindow window) {
    const auto stack = desktop->stacking();
    return std::find(stack.begin(), stack.end(), window) != stack.end();
}

int stackindex(XWindow window) {
    const auto stack = desktop->stacking();
    return int(std::find(stack.begin(), stack.end(), window) - stack.begin());
}

QString rect(const QRect& r) { return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()); }

// A point of the machine's window, below its title bar, that the dialog leaves uncovered.
QPoint uncovered(const QRect& machine, const QRect& dialog) {
    for (int y = machine.bottom() - 10; y > machine.top() + 40; y -= 10)
        for (int x = machine.right() - 10; x > machine.left() + 10; x -= 10)
            if (!dialog.adjusted(-6, -6, 6, 6).contains(x, y)) return {x, y};
    return {-1, -1};
}

}  // namespace

class DesktopTest : public QObject {
    Q_OBJECT

private slots:
    void aDialogStaysAboveTheMachineAndOnTheScreen_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<bool>("topleft");
        QTest::addColumn<double>("scale");
        for (const double scale : {1.0, 1.25}) {
            QTest::addRow("about, scale %g", scale) << "mnuabout" << "aboutzel" << true << scale;
            QTest::addRow("pay table, scale %g", scale) << "mnuptble" << "zelpays" << true << scale;
            QTest::addRow("options, scale %g", scale) << "mnuplayer" << "frmzeloptions" << false << scale;
            QTest::addRow("history, scale %g", scale) << "mnuhistory" << "zelhistory" << false << scale;
            QTest::addRow("help, scale %g", scale) << "mnuhelp" << "zelhelp" << false << scale;
        }
    }
    void aDialogStaysAboveTheMachineAndOnTheScreen() {
        QFETCH(QString, command);
        QFETCH(QString, dialog);
        QFETCH(bool, topleft);
        QFETCH(double, scale);
        Cabinet c;
        const XWindow machine = c.window.winId();
        QVERIFY(QTest::qWaitFor([&] { return desktop->framed(machine) && c.window.frameGeometry() != c.window.geometry(); }, patience));
        if (scale != 1.0) {
            // As "640 X 480  Large" in the options shows it, on the desktop.
            const QSize before = c.window.frameGeometry().size();
            c.platform.changedisplay(640, 480);
            c.window.render();
            QVERIFY(QTest::qWaitFor([&] { return desktop->frame(machine).size() != before; }, patience));
        }
        QVERIFY2(desktop->screen().contains(desktop->frame(machine)), qPrintable(rect(desktop->frame(machine))));

        c.menu(qPrintable(command))->trigger();
        QWidget* opened = Cabinet::secondary(qPrintable(dialog));
        QVERIFY(opened);
        const XWindow window = opened->winId();
        QVERIFY(QTest::qWaitFor([&] { return desktop->framed(window) && stacked(window); }, patience));
        QVERIFY(!c.window.isEnabled());
        QCOMPARE(desktop->transientfor(window), machine);

        // Placed by the game, the whole frame (title bar and close box included) on the screen.
        const QRect frame = desktop->frame(window);
        qInfo("%s framed at %s, the machine at %s", qPrintable(dialog), qPrintable(rect(frame)),
              qPrintable(rect(desktop->frame(machine))));
        QVERIFY2(desktop->screen().contains(frame), qPrintable(rect(frame)));
        if (topleft) QCOMPARE(frame.topLeft(), QPoint(0, 0));

        // A click on the disabled machine, once the dialog has settled: the window manager has
        // acted on it (focus, raise) by the time the machine's window receives the press. The
        // dialog is still above the machine, and the machine hands it the keyboard.
        const QPoint at = uncovered(desktop->frame(machine), frame);
        if (at.x() < 0) {  // a dialog larger than the machine leaves nothing of it to click
            QVERIFY2(frame.contains(desktop->frame(machine).adjusted(0, 40, 0, 0)), qPrintable(rect(frame)));
            QVERIFY(stackindex(window) > stackindex(machine));
            return;
        }
        if (!QTest::qWaitFor([&] { return desktop->activewindow() == window; }, patience)) qInfo("the dialog opened without the keyboard");
        desktop->click(at);
        QVERIFY2(desktop->wmroundtrip(patience), "the window manager did not answer after the click");
        const bool keyboard = QTest::qWaitFor([&] { return desktop->activewindow() == window; }, patience);
        QVERIFY2(stackindex(window) > stackindex(machine), "the machine was raised over its dialog");
        QVERIFY2(keyboard, "the dialog did not get the keyboard back");
        QCOMPARE(desktop->frame(window), frame);

        opened->close();
        QVERIFY(QTest::qWaitFor([&] { return !stacked(window); }, patience));
        QVERIFY(c.window.isEnabled());
    }

    // The desktop shows each window's caption, as the game writes it, followed by the game's name.
    void everyTitleCarriesTheGamesName_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("dialog");
        QTest::newRow("about") << "mnuabout" << "aboutzel";
        QTest::newRow("pay table") << "mnuptble" << "zelpays";
        QTest::newRow("options") << "mnuplayer" << "frmzeloptions";
        QTest::newRow("history") << "mnuhistory" << "zelhistory";
        QTest::newRow("help") << "mnuhelp" << "zelhelp";
    }
    void everyTitleCarriesTheGamesName() {
        QFETCH(QString, command);
        QFETCH(QString, dialog);
        Cabinet c;
        c.player.currentplayer = QStringLiteral("Alice");
        c.machine.Form_Load();
        c.window.render();
        const XWindow machine = c.window.winId();
        const QString suffix = QStringLiteral(" \u2014 ") + desktopname;
        QVERIFY(QTest::qWaitFor([&] { return desktop->title(machine) == c.window.windowTitle() + suffix; }, patience));
        QVERIFY(c.window.windowTitle().startsWith(QStringLiteral("Current Player       ")));

        c.menu(qPrintable(command))->trigger();
        QWidget* opened = Cabinet::secondary(qPrintable(dialog));
        QVERIFY(opened);
        const XWindow window = opened->winId();
        QVERIFY(QTest::qWaitFor([&] { return desktop->title(window) == opened->windowTitle() + suffix; }, patience));
        opened->close();
    }

    // A second start of the game on the same player store (a double click on the menu entry) ends
    // at once and brings the first game's window back to the front, out of the taskbar too.
    void aSecondStartBringsTheRunningGameToTheFront() {
        QTemporaryDir home;
        QProcess game;
        const QProcessEnvironment env = startgame(game, home.path());
        XWindow found = 0;
        QVERIFY(QTest::qWaitFor([&] { return (found = gamewindow(*desktop)) != 0 && desktop->shown(found); }, 3 * patience));
        desktop->minimize(found);
        QVERIFY(QTest::qWaitFor([&] { return !desktop->shown(found); }, patience));

        QProcess second;
        second.setProcessEnvironment(env);
        second.start(QStringLiteral(ZEL_GAME_BINARY), {});
        const bool ended = second.waitForFinished(3 * patience);
        const QByteArray said = second.readAllStandardError();
        const bool raised = QTest::qWaitFor([&] { return desktop->shown(found) && desktop->activewindow() == found; }, patience);
        stopgame(game, patience);
        QVERIFY2(ended, "the second start did not end");
        QCOMPARE(second.exitCode(), 0);
        QVERIFY2(said.count('\n') == 1 && said.contains("already running"), said.constData());
        QVERIFY2(raised, "the first game's window did not come to the front");
    }

    // The game itself, as a player starts it, names itself beside its caption.
    void theGameNamesItselfBesideTheCaption() {
        QTemporaryDir home;
        QProcess game;
        startgame(game, home.path());
        XWindow found = 0;
        const bool appeared = QTest::qWaitFor([&] { return (found = gamewindow(*desktop)) != 0; }, 3 * patience);
        const QString title = found ? desktop->title(found) : QString();
        // Ended as a logout would end it (it saves and leaves), by its process id.
        stopgame(game, patience);
        QVERIFY2(appeared, "the game's window did not appear");
        QVERIFY2(title.startsWith(QLatin1String("Current Player")), qPrintable(title));
        QVERIFY2(title.endsWith(QStringLiteral(" \u2014 ") + desktopname), qPrintable(title));
    }
};

int main(int argc, char** argv) { return runondesktop<DesktopTest>(argc, argv, 1024, 768, desktop); }

#include "tst_desktop.moc"
