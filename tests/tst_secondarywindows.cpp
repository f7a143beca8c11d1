// The options, about and pay-table windows on screen (offscreen): opening from the menu
// commands, what they show, the player's clicks and keys, and closing every way.
#include <algorithm>

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "fakeplatform.h"
#include "core/machine/zel.h"
#include "ui/machine/zelwindow.h"
#include "core/players/playerstore.h"
#include "ui/shell/secondarywindow.h"

using namespace zel;

namespace {
// The machine without its window: a stand-in widget takes the machine's enabled state.
struct Desk {
    FakePlatform pf;
    Player player;
    Zel zel{player, pf};
    QWidget mainwindow;
    QPointer<QWidget> opened;

    Desk() {
        zel.openwindow = [this](SecondaryWindow w) {
            opened = opensecondarywindow(zel, &mainwindow, [this] { mainwindow.setEnabled(zel.form.enabled); }, w);
        };
        mainwindow.resize(651, 491);
        mainwindow.show();
        zel.Form_Load();
        player.bank = 1500;
        player.amountinvested = 1000;
        player.wager = 400;
        player.total = 900;
        player.games = 20;
    }

    // A window still open when the test ends goes with the machine it belongs to.
    ~Desk() { delete opened; }

    template <class T>
    T* find(const char* name) const { return opened ? opened->findChild<T*>(QLatin1String(name)) : nullptr; }
    // Lets the closed window finish deleting itself.
    void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};
}  // namespace

class SecondaryWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void theOptionsWindowOpensWithThePlayerAndTheMachineDisabled() {
        Desk d;
        d.zel.mnuplayer_Click();
        d.mainwindow.setEnabled(d.zel.form.enabled);
        QVERIFY(d.opened);
        QVERIFY(d.opened->isVisible());
        QVERIFY(d.opened->isEnabled());
        QVERIFY(!d.mainwindow.isEnabled());
        QVERIFY(d.opened->screen()->availableGeometry().contains(d.opened->frameGeometry()));
        QCOMPARE(d.opened->windowTitle(), QStringLiteral("ZEL Options"));
        QCOMPARE(d.find<QRadioButton>("machine(1)")->text(), QStringLiteral("Vacant"));
        QVERIFY(d.find<QRadioButton>("machine(1)")->isChecked());
        QCOMPARE(d.find<QLabel>("lblgames")->text(), QStringLiteral("Games Played            20"));
        QCOMPARE(d.find<QLabel>("lblreturned")->text(), QStringLiteral("Returned To Player     % 225"));
        QCOMPARE(d.find<QLabel>("fastslow")->text(), QStringLiteral("<<<Faster                              Slower>>>"));
        QVERIFY(d.find<QRadioButton>("setspeed(0)")->isChecked());
        QVERIFY(d.find<QRadioButton>("Amtpayout(0)")->isChecked());
        QVERIFY(!d.find<QRadioButton>("SSOption1")->isChecked());
        QVERIFY(!d.find<QRadioButton>("SSOption2")->isChecked());
        QCOMPARE(d.find<QPushButton>("btnokplayer")->text(), QStringLiteral("O.K. Close and save changes"));
    }

    void aNameTypedAndEnteredIsSavedAndShownAsPlainText() {
        Desk d;
        d.zel.mnuplayer_Click();
        QLineEdit* box = d.find<QLineEdit>("player1");
        QTest::keyClicks(box, QStringLiteral("<b>a&b</b>"));
        QCOMPARE(d.player.currentplayer, QString());
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(d.player.currentplayer, QStringLiteral("<b>a&b</b>"));
        QCOMPARE(d.pf.getsetting(playersection(1), QStringLiteral("currentplayer")), QStringLiteral("<b>a&b</b>"));
        QCOMPARE(box->text(), QString());
        QLabel* current = d.find<QLabel>("lblcurrentplayer");
        QCOMPARE(current->textFormat(), Qt::PlainText);
        QCOMPARE(current->text(), QStringLiteral("Current Player  <B>A&B</B>"));
        // The slot button shows the ampersand itself, not a shortcut.
        QCOMPARE(d.find<QRadioButton>("machine(1)")->text(), QStringLiteral("<B>A&&B</B>"));
        for (QLabel* label : d.opened->findChildren<QLabel*>()) QCOMPARE(label->textFormat(), Qt::PlainText);
    }

    // A hand-edited store can hold a name of any length, with line breaks: the window keeps the
    // size it has for any name a player can type, and every caption shows one line that fits.
    void aNameOfAnyLengthLeavesTheOptionsWindowItsSize() {
        QSize designed;
        {
            Desk d;
            d.player.currentplayer = QStringLiteral("WWWWWWWWWWWW");
            d.zel.mnuplayer_Click();
            QCoreApplication::processEvents();
            designed = d.opened->size();
        }
        Desk d;
        d.player.currentplayer = QString(5000, QLatin1Char('A')) + QStringLiteral("\nsecond line");
        d.pf.savesetting(playersection(2), QStringLiteral("currentplayer"), QStringLiteral("two\nlines\tand a tab"));
        d.zel.mnuplayer_Click();
        QCoreApplication::processEvents();  // the layout settles
        QCOMPARE(d.opened->size(), designed);
        QVERIFY(d.opened->screen()->availableGeometry().contains(d.opened->frameGeometry()));
        for (QLabel* label : d.opened->findChildren<QLabel*>()) {
            QVERIFY2(!label->text().contains(QLatin1Char('\n')), qPrintable(label->objectName()));
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width() || label->wordWrap(),
                     qPrintable(label->objectName()));
        }
        for (QAbstractButton* button : d.opened->findChildren<QAbstractButton*>()) {
            QVERIFY2(!button->text().contains(QLatin1Char('\n')), qPrintable(button->objectName()));
            QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) < button->width(), qPrintable(button->objectName()));
        }
        QVERIFY(d.find<QLabel>("lblcurrentplayer")->text().endsWith(QChar(0x2026)));
        QCOMPARE(d.find<QRadioButton>("machine(2)")->text(), QStringLiteral("TWO LINES AND A TAB"));
    }

    // The statistics read as a table: the words on the left, the figures in one column on the
    // right, while each label keeps the game's caption whole.
    void theStatisticsShowTheirFiguresInOneColumn() {
        Desk d;
        d.player.total = 1234567;
        d.player.wager = 98765;
        d.zel.mnuplayer_Click();
        QCoreApplication::processEvents();
        QCOMPARE(d.find<QLabel>("lbltotalwon")->text(), QStringLiteral("Total Won                   1234567"));
        QCOMPARE(d.find<QLabel>("lblgames")->text(), QStringLiteral("Games Played            20"));

        QList<int> lefts, rights;
        for (const char* name : {"lblgames", "lblwager", "lbltotalwon", "lblwinlose", "lblreturned", "lblinvested"}) {
            QLabel* label = d.find<QLabel>(name);
            const QImage drawn = label->grab().toImage();
            int left = drawn.width(), right = -1;
            for (int x = 0; x < drawn.width(); ++x)
                for (int y = 0; y < drawn.height(); ++y)
                    if (qGray(drawn.pixel(x, y)) < 110) {
                        left = std::min(left, x);
                        right = std::max(right, x);
                    }
            QVERIFY2(right >= 0, name);
            lefts << label->mapTo(d.opened, QPoint(left, 0)).x();
            rights << label->mapTo(d.opened, QPoint(right, 0)).x();
        }
        const auto spread = [](const QList<int>& xs) {
            return *std::max_element(xs.begin(), xs.end()) - *std::min_element(xs.begin(), xs.end());
        };
        QStringList ends;
        for (int x : rights) ends << QString::number(x);
        QVERIFY2(spread(lefts) <= 2, "the words start at different places");
        QVERIFY2(spread(rights) <= 2, qPrintable(QStringLiteral("the figures end at x ") + ends.join(QStringLiteral(", "))));
    }

    void aTooLongNameIsRefusedWithAMessage() {
        Desk d;
        d.zel.mnuplayer_Click();
        QLineEdit* box = d.find<QLineEdit>("player1");
        QTest::keyClicks(box, QStringLiteral("Thirteen char"));
        QTest::keyClick(box, Qt::Key_Enter);
        QCOMPARE(d.pf.boxes.size(), size_t(1));
        QCOMPARE(d.pf.boxes[0].text, QStringLiteral("Name Too Long"));
        QCOMPARE(d.player.currentplayer, QString());
        QCOMPARE(box->text(), QString());
    }

    void clickingASpeedAndASlotActsOnTheRecord() {
        Desk d;
        d.pf.savesetting(playersection(2), QStringLiteral("currentplayer"), QStringLiteral("Bo"));
        d.pf.savesetting(playersection(2), QStringLiteral("bank"), QStringLiteral("77"));
        d.zel.mnuplayer_Click();
        d.find<QRadioButton>("setspeed(4)")->click();
        QCOMPARE(d.player.reelspeed, int16_t(10));
        QCOMPARE(d.find<QLabel>("speedlab")->text(), QStringLiteral("Current Speed =   5"));
        d.find<QRadioButton>("machine(2)")->click();
        QCOMPARE(d.player.currentplayer, QStringLiteral("Bo"));
        QCOMPARE(d.player.bank, 77);
        QVERIFY(d.find<QRadioButton>("setspeed(0)")->isChecked());
        QVERIFY(!d.find<QRadioButton>("setspeed(4)")->isChecked());
        QCOMPARE(d.find<QLabel>("lblcurrentplayer")->text(), QStringLiteral("Current Player    BO"));
    }

    void okClosesTheWindowAndGivesTheMachineBack() {
        Desk d;
        d.zel.mnuplayer_Click();
        d.find<QPushButton>("btnokplayer")->click();
        d.settle();
        QVERIFY(!d.opened);
        QVERIFY(d.zel.form.enabled);
        QVERIFY(d.mainwindow.isEnabled());
        QCOMPARE(d.pf.getsetting(playersection(1), QStringLiteral("bank")), QStringLiteral("1500"));
    }

    void theCloseBoxOfTheOptionsWindowSavesAndGivesTheMachineBack() {
        Desk d;
        d.zel.mnuplayer_Click();
        d.find<QRadioButton>("wincounter(1)")->click();
        d.opened->close();
        d.settle();
        QVERIFY(!d.opened);
        QVERIFY(d.mainwindow.isEnabled());
        QCOMPARE(d.pf.getsetting(playersection(1), QStringLiteral("winroll")), QStringLiteral("1"));
    }

    void theAboutWindowOpensAtTheCornerAndClosesWithOkOrItsCloseBox_data() {
        QTest::addColumn<bool>("closebox");
        QTest::newRow("OK") << false;
        QTest::newRow("close box") << true;
    }
    void theAboutWindowOpensAtTheCornerAndClosesWithOkOrItsCloseBox() {
        QFETCH(bool, closebox);
        Desk d;
        d.zel.mnuabout_Click();
        d.mainwindow.setEnabled(d.zel.form.enabled);
        QVERIFY(d.opened);
        QCOMPARE(d.opened->windowTitle(), QStringLiteral("About slots_zel"));
        QCOMPARE(d.opened->pos(), d.opened->screen()->availableGeometry().topLeft());
        QLabel* title = d.find<QLabel>("lblTitle");
        QVERIFY(title->isVisible());
        QCOMPARE(title->text(), QStringLiteral("Slots_ZEL\nv1.0"));
        QCOMPARE(d.opened->frameGeometry().height(), 1815 / 15);
        QVERIFY(!d.find<QLabel>("picIcon")->pixmap().isNull());
        QVERIFY(!d.mainwindow.isEnabled());
        if (closebox) d.opened->close();
        else d.find<QPushButton>("cmdOK")->click();
        d.settle();
        QVERIFY(!d.opened);
        QVERIFY(d.mainwindow.isEnabled());
    }

    void escapeClosesEachWindowAndGivesTheMachineBack_data() {
        QTest::addColumn<int>("which");
        QTest::newRow("about") << int(SecondaryWindow::about);
        QTest::newRow("pay table") << int(SecondaryWindow::paytable);
        QTest::newRow("options, from the name box") << int(SecondaryWindow::options);
    }
    void escapeClosesEachWindowAndGivesTheMachineBack() {
        QFETCH(int, which);
        Desk d;
        d.player.winroll = 1;
        d.zel.form.enabled = false;
        d.zel.openwindow(SecondaryWindow(which));
        QWidget* target = d.opened;
        if (auto* box = d.find<QLineEdit>("player1")) target = box;
        QTest::keyClick(target, Qt::Key_Escape);
        d.settle();
        QVERIFY(!d.opened);
        QVERIFY(d.mainwindow.isEnabled());
        if (which == int(SecondaryWindow::options))
            QCOMPARE(d.pf.getsetting(playersection(1), QStringLiteral("winroll")), QStringLiteral("1"));
    }

    void theOptionsMenuOfTheMachinesWindowOpensTheWindowAndOkGivesTheMachineBack() {
        FakePlatform pf;
        Player player;
        Zel zel(player, pf);
        ZelWindow window(zel);
        installsecondarywindows(zel, window);
        zel.Form_Load();
        window.render();
        window.show();
        QAction* options = window.findChild<QAction*>(QStringLiteral("mnuplayer"));
        QVERIFY(options);
        options->trigger();
        QVERIFY(!window.isEnabled());
        QWidget* opened = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("frmzeloptions") && w->isVisible()) opened = w;
        QVERIFY(opened);
        QPointer<QWidget> guard(opened);
        QVERIFY(opened->isEnabled());
        opened->findChild<QPushButton*>(QStringLiteral("btnokplayer"))->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!guard);
        QVERIFY(window.isEnabled());
        QCOMPARE(pf.getsetting(playersection(1), QStringLiteral("reelspeed")), QStringLiteral("1"));
    }

    void thePayTableShowsTheScheduleAndClosesWithItsButton() {
        Desk d;
        d.zel.mnuptble_Click();
        QVERIFY(d.opened);
        QCOMPARE(d.opened->windowTitle(), QStringLiteral("ZEL  PAYTABLE"));
        QCOMPARE(d.opened->pos(), d.opened->screen()->availableGeometry().topLeft());
        const QPixmap schedule = d.find<QLabel>("picpays")->pixmap();
        QCOMPARE(schedule.size(), QSize(500, 378));
        QPushButton* close = d.find<QPushButton>("btnunloadpays");
        QCOMPARE(close->text(), QStringLiteral("Close Paytable"));
        close->click();
        d.settle();
        QVERIFY(!d.opened);
        QVERIFY(d.zel.form.enabled);
    }
};

QTEST_MAIN(SecondaryWindowsTest)
#include "tst_secondarywindows.moc"
