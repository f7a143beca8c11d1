// The desktop's own keys and the help, offscreen: Ctrl+Q is the exit command, F1 the help window
// (how to play, every key, where the records and the history live), F11 fullscreen; the about
// window's licence and web address; the window's remembered size and state read safely from the
// store, whatever it holds.
#include <QLabel>
#include <QMenuBar>
#include <QTextBrowser>
#include <QtTest>

#include "core/players/storekeys.h"
#include "core/shell/programinfo.h"
#include "ui/machine/windowmemory.h"
#include "ui/shell/helpwindow.h"
#include "windowrig.h"

using namespace zel;
using namespace zeltest;

class DesktopKeysTest : public QObject {
    Q_OBJECT

    static void active(Cabinet& c) {
        c.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&c.window));
    }

private slots:
    void f1OpensTheHelpAndEscapeClosesIt() {
        Cabinet c;
        active(c);
        QTest::keyClick(&c.window, Qt::Key_F1);
        QWidget* help = Cabinet::secondary("zelhelp");
        QVERIFY(help);
        QVERIFY(!c.window.isEnabled());
        QCOMPARE(help->windowModality(), Qt::WindowModal);
        QCOMPARE(help->windowTitle(), QStringLiteral("ZEL  HELP"));
        const QString text = help->findChild<QTextBrowser*>(QStringLiteral("helptext"))->toPlainText();
        for (const char* key : {"Space", "Enter", "Escape", "Ctrl+M", "F1", "F11", "Ctrl+Q"})
            QVERIFY2(text.contains(QLatin1String(key)), key);
        QVERIFY2(text.contains(c.file()), "the help does not say where the records are");
        QTest::keyClick(help, Qt::Key_Escape);
        QTRY_VERIFY(!Cabinet::secondary("zelhelp"));
        QVERIFY(c.window.isEnabled());
    }

    void theHelpSaysWhereTheHistoryLives_data() {
        QTest::addColumn<QString>("history");
        QTest::addColumn<QString>("shown");
        QTest::newRow("kept") << "/home/ann/.local/share/zelslots/history.sqlite" << "/home/ann/.local/share/zelslots/history.sqlite";
        QTest::newRow("a name with markup") << "/tmp/<b>&x/history.sqlite" << "/tmp/<b>&x/history.sqlite";
        QTest::newRow("none") << "" << "not kept in this run";
    }
    void theHelpSaysWhereTheHistoryLives() {
        QFETCH(QString, history);
        QFETCH(QString, shown);
        QTextDocument page;
        page.setHtml(HelpWindow::contents(QStringLiteral("/home/ann/.config/zelslots/zelslots.conf"), history));
        QVERIFY(page.toPlainText().contains(shown));
        QVERIFY(page.toPlainText().contains(QStringLiteral("/home/ann/.config/zelslots/zelslots.conf")));
    }

    // The menu bar holds every command at the game's own sizes: none is pushed into an overflow.
    void theMenuBarShowsEveryCommandAtBothSizes_data() {
        QTest::addColumn<double>("scale");
        QTest::newRow("800 x 600") << 1.0;
        QTest::newRow("640 x 480") << 1.25;
    }
    void theMenuBarShowsEveryCommandAtBothSizes() {
        QFETCH(double, scale);
        Cabinet c;
        if (scale != 1.0) c.platform.changedisplay(640, 480);
        c.window.render();
        QMenuBar* bar = c.window.menuBar();
        QTRY_COMPARE(bar->width(), c.control<QWidget>(QStringLiteral("zel"))->width());
        QAction* last = bar->actions().last();
        QVERIFY2(bar->actionGeometry(last).right() < bar->width(), "the last command does not fit");
        auto* overflow = bar->findChild<QWidget*>(QStringLiteral("qt_menubar_ext_button"));
        QVERIFY(!overflow || !overflow->isVisible());
    }

    void ctrlQEndsTheGameThroughItsExit() {
        Cabinet c;
        active(c);
        c.givecredit(500);
        QTest::keyClick(&c.window, Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(c.platform.ended);
        c.platform.flush();
        QCOMPARE(c.platform.getsetting(playersection(1), QStringLiteral("bank")), QStringLiteral("500"));
    }

    void f11TogglesFullscreen() {
        Cabinet c;
        active(c);
        QTest::keyClick(&c.window, Qt::Key_F11);
        QTRY_VERIFY(c.window.isFullScreen());
        QTest::keyClick(&c.window, Qt::Key_F11);
        QTRY_VERIFY(!c.window.isFullScreen());
    }

    void theAboutWindowNamesTheLicenceAndTheWebAddress() {
        Cabinet c;
        c.menu("mnuabout")->trigger();
        QWidget* about = Cabinet::secondary("aboutzel");
        QVERIFY(about);
        auto* licence = about->findChild<QLabel*>(QStringLiteral("lbllicence"));
        auto* web = about->findChild<QLabel*>(QStringLiteral("lblweb"));
        QVERIFY(licence && web);
        QCOMPARE(licence->text(), QString::fromUtf8(programinfo::licence));
        QVERIFY(web->text().contains(QLatin1String(programinfo::homepage)));
        // Both lie inside the window, clear of the OK button, and their text is not cut.
        const QRect ok = about->findChild<QWidget*>(QStringLiteral("cmdOK"))->geometry();
        for (const QLabel* l : {licence, web}) {
            QVERIFY(about->rect().contains(l->geometry()));
            QVERIFY(!l->geometry().intersects(ok));
        }
        QVERIFY2(QFontMetrics(licence->font()).horizontalAdvance(licence->text()) <= licence->width(), "the licence is cut");
        QVERIFY2(QFontMetrics(web->font()).horizontalAdvance(QLatin1String(programinfo::homepage)) <= web->width(), "the address is cut");
    }

    void aStoredSizeIsReadOnlyWhenItIsOne_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QSize>("size");
        QTest::newRow("a size") << "1280x860" << QSize(1280, 860);
        QTest::newRow("empty") << "" << QSize();
        QTest::newRow("junk") << "abc" << QSize();
        QTest::newRow("negative") << "-5x300" << QSize();
        QTest::newRow("too many digits") << "1234567x2" << QSize();
        QTest::newRow("blanks") << " 900x700" << QSize();
        QTest::newRow("three parts") << "900x700x2" << QSize();
    }
    void aStoredSizeIsReadOnlyWhenItIsOne() {
        QFETCH(QString, text);
        QFETCH(QSize, size);
        QCOMPARE(WindowMemory::readsize(text), size);
    }

    // What the store holds for the window is used only when the screen can show it; the machine
    // starts at the game's own size otherwise, and the record is left alone.
    void theRememberedPlaceIsUsedOnlyWhenItFits_data() {
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QSize>("expected");
        QTest::addColumn<bool>("maximised");
        QTest::newRow("a size that fits") << "700x500" << "normal" << QSize(700, 500) << false;
        QTest::newRow("maximised") << "700x500" << "maximized" << QSize(700, 500) << true;
        QTest::newRow("larger than the screen") << "9000x7000" << "normal" << QSize(643, 466) << false;
        QTest::newRow("smaller than the machine may be") << "20x20" << "normal" << QSize(643, 466) << false;
        QTest::newRow("junk") << "wide" << "sideways" << QSize(643, 466) << false;
    }
    void theRememberedPlaceIsUsedOnlyWhenItFits() {
        QFETCH(QString, size);
        QFETCH(QString, state);
        QFETCH(QSize, expected);
        QFETCH(bool, maximised);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("zelslots.conf"));
        {
            QuickPlatform writer(file);
            writer.commit({{QStringLiteral("window"), {{QStringLiteral("size"), size}, {QStringLiteral("state"), state}}}});
            writer.commit({{playersection(1), {{QStringLiteral("bank"), QStringLiteral("77")}}}});
            writer.flush();
        }
        Player player;
        QuickPlatform platform(file);
        Zel machine(player, platform);
        ZelWindow window(machine, &platform);
        machine.Form_Load();
        window.render();
        const QSize designed = window.size();
        window.restoreplace();
        QCOMPARE(bool(window.windowState() & Qt::WindowMaximized), maximised);
        QCOMPARE(window.size(), expected == QSize(643, 466) ? designed : expected);
        QCOMPARE(player.bank, 77);
    }
};

QTEST_MAIN(DesktopKeysTest)
#include "tst_desktopkeys.moc"
