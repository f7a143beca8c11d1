// The player's sound switch: one more command on the menu bar after the game's five, the key
// Ctrl+M, remembered across runs in the store's application section "sound" (never in a player's
// section), and acting at once, in the middle of a spin too.
#include <memory>

#include <QAction>
#include <QMenuBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "core/machine/zel.h"
#include "ui/machine/zelwindow.h"
#include "ui/platform/qtplatform.h"
#include "core/players/player.h"

using namespace zel;

namespace {

// The real platform without the sound bank and with waits that take no time.
QtPlatform::Options quiet(const QString& file) { return {false, false, file}; }

// The machine's window on the real platform, started as the game starts.
struct Game {
    explicit Game(const QString& file) : platform(quiet(file)), machine(player, platform), window(machine, &platform) {
        machine.Form_Load();
        window.render();
        window.show();
    }
    QAction* soundswitch() { return window.findChild<QAction*>(QStringLiteral("mnusound")); }
    Player player;
    QtPlatform platform;
    Zel machine;
    ZelWindow window;
};

}  // namespace

class TestSoundSwitch : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    QString file() const { return dir->filePath(QStringLiteral("zelslots.conf")); }

private slots:
    void init() { dir = std::make_unique<QTemporaryDir>(); }

    void theStoredSwitchIsReadAtStart_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("on");
        QTest::newRow("never set: on") << QString() << true;
        QTest::newRow("1: on") << QStringLiteral("1") << true;
        QTest::newRow("0: off") << QStringLiteral("0") << false;
        QTest::newRow("anything else: on") << QStringLiteral("maybe") << true;
    }
    void theStoredSwitchIsReadAtStart() {
        QFETCH(QString, stored);
        QFETCH(bool, on);
        if (!stored.isNull()) QSettings(file(), QSettings::IniFormat).setValue(QStringLiteral("sound/on"), stored);
        QtPlatform platform(quiet(file()));
        QCOMPARE(platform.soundon(), on);
    }

    void theSwitchIsRememberedAcrossRunsOutsideThePlayerSections_data() {
        QTest::addColumn<bool>("on");
        QTest::newRow("off") << false;
        QTest::newRow("on again") << true;
    }
    void theSwitchIsRememberedAcrossRunsOutsideThePlayerSections() {
        QFETCH(bool, on);
        {
            Game game(file());
            game.platform.setsound(!on);
            game.platform.setsound(on);
        }
        QSettings stored(file(), QSettings::IniFormat);
        QCOMPARE(stored.value(QStringLiteral("sound/on")).toString(), on ? QStringLiteral("1") : QStringLiteral("0"));
        for (const QString& group : stored.childGroups()) {
            if (!group.startsWith(QStringLiteral("player"))) continue;
            stored.beginGroup(group);
            QVERIFY2(!stored.childKeys().contains(QStringLiteral("on")), qPrintable(group));
            stored.endGroup();
        }
        Game again(file());
        QVERIFY(again.soundswitch());
        QCOMPARE(again.platform.soundon(), on);
        QCOMPARE(again.soundswitch()->isChecked(), on);
    }

    void theSwitchComesLastAfterTheFiveCommandsAndShowsItsStateAndKey() {
        Game game(file());
        const QList<QAction*> bar = game.window.menuBar()->actions();
        QStringList captions;
        for (QAction* a : bar) captions << a->text();
        QCOMPARE(captions.mid(0, 5), (QStringList{QStringLiteral("&about"), QStringLiteral("&Paytable"), QStringLiteral("Options"),
                                                  QStringLiteral("Quick Credit"), QStringLiteral("&exit")}));
        QCOMPARE(bar.size(), 8);
        QCOMPARE(bar[5]->text(), QStringLiteral("&History"));
        QCOMPARE(bar[6]->text(), QStringLiteral("Help"));
        QCOMPARE(bar[7], game.soundswitch());
        QCOMPARE(bar[7]->text(), QStringLiteral("&Sound on (Ctrl+M)"));
        QCOMPARE(bar[7]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_M));
        bar[7]->trigger();
        QCOMPARE(bar[7]->text(), QStringLiteral("&Sound off (Ctrl+M)"));
        QVERIFY(!game.platform.soundon());
    }

    void ctrlMSwitchesTheSoundOffAndOn() {
        Game game(file());
        QVERIFY(game.soundswitch());
        QVERIFY(QTest::qWaitForWindowActive(&game.window));
        QTest::keyClick(&game.window, Qt::Key_M, Qt::ControlModifier);
        QVERIFY(!game.platform.soundon());
        QTest::keyClick(&game.window, Qt::Key_M, Qt::ControlModifier);
        QVERIFY(game.platform.soundon());
    }

    // The landing draws the window at every wait; the switch is used at the first of them.
    void theSwitchActsAtOnceInTheMiddleOfASpin() {
        Game game(file());
        game.player.bank = 1000;
        game.machine.showcredit();
        QVERIFY(game.soundswitch());
        const auto draw = game.platform.renderhook;
        int waits = 0;
        bool offmidspin = true;
        game.platform.renderhook = [&] {
            if (++waits == 1) {
                game.soundswitch()->trigger();
                offmidspin = game.platform.soundon();
            }
            draw();
        };
        game.machine.play_Click(1);
        QVERIFY2(waits > 1, "the spin did not wait");
        QCOMPARE(offmidspin, false);
        game.platform.renderhook = draw;
    }
};

QTEST_MAIN(TestSoundSwitch)
#include "tst_soundswitch.moc"
