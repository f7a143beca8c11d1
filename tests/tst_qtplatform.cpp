// The real platform's own rules: the window scale for a display size, drawing at every wait and
// event pump, the settings store, the tester's forced draws and the sound bank's clip numbers.
#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "ui/platform/qtplatform.h"
#include "ui/shell/desktopname.h"
#include "ui/sound/soundbank.h"

using namespace zel;

class TestQtPlatform : public QObject {
    Q_OBJECT

    static QtPlatform::Options quiet(const QString& file = QString()) { return {false, false, file}; }

private slots:
    void aDisplaySizeShowsTheWindowAtItsScale_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<double>("scale");
        QTest::newRow("800 x 600: as designed") << 800 << 600 << 1.0;
        QTest::newRow("640 x 480: a quarter larger") << 640 << 480 << 1.25;
        QTest::newRow("restore") << 0 << 0 << 1.0;
        QTest::newRow("any other size: as designed") << 1024 << 768 << 1.0;
    }
    void aDisplaySizeShowsTheWindowAtItsScale() {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(double, scale);
        QtPlatform platform(quiet());
        double shown = 0;
        platform.scalehook = [&](double s) { shown = s; };
        platform.changedisplay(width, height);
        QCOMPARE(shown, scale);
    }

    void waitsAndEventPumpsDrawTheWindow() {
        QtPlatform platform(quiet());
        int renders = 0;
        platform.renderhook = [&] { ++renders; };
        platform.wait(15);
        platform.wait(0);
        platform.doevents();
        QCOMPARE(renders, 3);
    }

    void aMessageBoxIsWideEnoughForItsWholeTitle_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("yesno");
        QTest::newRow("Name Too Long") << QStringLiteral("Name Too Long") << QStringLiteral("Slots_ZEL") << false;
        QTest::newRow("Nothing Entered") << QStringLiteral("Nothing Entered") << QStringLiteral("Slots_ZEL") << false;
        QTest::newRow("the delete question") << QStringLiteral("Delete ?") << QStringLiteral("Slots_ZEL") << true;
        QTest::newRow("large fonts") << QStringLiteral("A Re-Boot Is Then Required")
                                     << QStringLiteral("               LARGE FONTS BEING USED !!!") << false;
    }
    // The desktop cuts a title short where the title bar, as wide as the box, has no room for it.
    // The title it shows carries the game's name, in a bold face, beside the title bar's buttons.
    void aMessageBoxIsWideEnoughForItsWholeTitle() {
        QFETCH(QString, text);
        QFETCH(QString, title);
        QFETCH(bool, yesno);
        QApplication::setApplicationDisplayName(desktopname);
        QtPlatform platform(quiet());
        int width = 0;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            width = box->width();
            box->close();
        });
        platform.msgbox(text, title, MsgIcon::information, yesno ? MsgButtons::yesNoDefaultNo : MsgButtons::ok);

        QFont bold = QApplication::font();
        bold.setBold(true);
        const int buttons = 96;
        const int needed = QFontMetrics(bold).horizontalAdvance(title + QStringLiteral(" \u2014 ") + desktopname) + buttons;
        QVERIFY2(width >= needed, qPrintable(QStringLiteral("a box %1 wide for a title that needs %2").arg(width).arg(needed)));
    }

    void drawsAreUniformInTheUnitInterval() {
        QtPlatform platform(quiet());
        for (int i = 0; i < 1000; ++i) {
            platform.randomize();
            const double r = platform.rnd();
            QVERIFY(r >= 0.0 && r < 1.0);
        }
    }

    void theSettingsStoreKeepsTextByPlayerAndKey() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("zelslots.conf"));
        {
            QtPlatform platform(quiet(file));
            QCOMPARE(platform.getsetting(QStringLiteral("player1"), QStringLiteral("bank")), QString());
            platform.savesetting(QStringLiteral("player1"), QStringLiteral("bank"), QStringLiteral("1230"));
            // What was committed reads back at once, before the disk has it.
            QCOMPARE(platform.getsetting(QStringLiteral("player1"), QStringLiteral("bank")), QStringLiteral("1230"));
        }
        QtPlatform again(quiet(file));
        QCOMPARE(again.getsetting(QStringLiteral("player1"), QStringLiteral("bank")), QStringLiteral("1230"));
    }

    // The tester's script exists in debug builds only; the slots stay declared so moc,
    // which does not see the build type, finds them in every build.
    void aTestersScriptKeepsOnlyNumbersInTheUnitInterval() {
#ifdef NDEBUG
        QSKIP("a tester's script exists in debug builds only");
#else
        QString rejected;
        const auto numbers = QtPlatform::parsescript(QStringLiteral("0.02, 0.5,1,abc,-0.1,0.999"), &rejected);
        QCOMPARE(numbers, (std::deque<double>{0.02, 0.5, 0.999}));
        QCOMPARE(rejected, QStringLiteral("1, abc, -0.1"));
#endif
    }

    void scriptedNumbersComeFirstThenTheGenerator() {
#ifdef NDEBUG
        QSKIP("a tester's script exists in debug builds only");
#else
        QtPlatform platform(quiet());
        platform.script = {0.25, 0.75};
        QCOMPARE(platform.rnd(), 0.25);
        QCOMPARE(platform.rnd(), 0.75);
        const double next = platform.rnd();
        QVERIFY(next >= 0.0 && next < 1.0);
#endif
    }

    void theSoundBankKnowsTheTwentyFourClips_data() {
        QTest::addColumn<int>("clip");
        QTest::addColumn<bool>("known");
        QTest::newRow("101, start-up") << 101 << true;
        QTest::newRow("104") << 104 << true;
        QTest::newRow("105 does not exist") << 105 << false;
        QTest::newRow("106") << 106 << true;
        QTest::newRow("125, not enough credit") << 125 << true;
        QTest::newRow("100") << 100 << false;
        QTest::newRow("126") << 126 << false;
        QTest::newRow("0") << 0 << false;
    }
    void theSoundBankKnowsTheTwentyFourClips() {
        QFETCH(int, clip);
        QFETCH(bool, known);
        QCOMPARE(SoundBank::isclip(clip), known);
    }

    void playingNeverWaitsForAClip() {
        // With or without a sound server, asking for clips returns at once, an unknown number is
        // ignored, and the bank closes cleanly (a wait would hang the test, a clip used across
        // threads would show in the sanitizer's report). What is heard is tested in
        // tst_soundoutput, on a server of its own.
        SoundBank bank;
        for (int clip = 100; clip <= 126; ++clip) bank.play(clip, clip == 117);
        bank.play(-5, false);
        QCoreApplication::processEvents();
    }
};

QTEST_MAIN(TestQtPlatform)
#include "tst_qtplatform.moc"
