// The player records in a real settings file: start-up, saving, reading back after a restart,
// values that do not convert, and a store that cannot be written.
#include <QFile>
#include <QtTest>
#include <unistd.h>

#include "playerfixture.h"

using namespace zel;
using zeltest::Session;
using zeltest::Store;

class PlayerStoreTest : public QObject {
    Q_OBJECT

private slots:
    void anEmptyStoreStartsSlotOneWithDefaultsAndWritesNothing() {
        Store store;
        Session s(store.file());
        s.start();
        QCOMPARE(s.player.playerslot, QStringLiteral("1"));
        QCOMPARE(s.player.currentplayer, QString());
        QCOMPARE(s.player.bank, 0);
        QCOMPARE(s.player.games, 0);
        QCOMPARE(s.player.wager, 0);
        QCOMPARE(s.player.total, 0);
        QCOMPARE(s.player.amountinvested, 0);
        QCOMPARE(s.player.machinepay, int16_t(6));
        QCOMPARE(s.player.reelspeed, int16_t(1));
        QCOMPARE(s.player.winroll, int16_t(0));
        QCOMPARE(s.pf.storewrites, 0);
        QVERIFY(!QFile::exists(store.file()));
    }

    void aSavedRecordReadsBackTheSameAfterARestart() {
        Store store;
        {
            Session s(store.file());
            s.start();
            s.player.bank = 1234;
            s.player.amountinvested = 2000;
            s.player.wager = 900;
            s.player.total = 134;
            s.player.games = 36;
            s.player.machinepay = 4;
            s.player.winroll = 1;
            s.player.reelspeed = 8;
            s.player.currentplayer = QStringLiteral("Ann, the 2nd");
            s.zel.mnuexit_Click();
            QVERIFY(s.pf.ended);
        }
        Session again(store.file());
        QCOMPARE(again.stored(1, "bank"), QStringLiteral("1234"));
        QCOMPARE(again.stored(1, "machinepay"), QStringLiteral("4"));
        QCOMPARE(again.stored(1, "currentplayer"), QStringLiteral("Ann, the 2nd"));
        again.start();
        QCOMPARE(again.player.bank, 1234);
        QCOMPARE(again.player.amountinvested, 2000);
        QCOMPARE(again.player.wager, 900);
        QCOMPARE(again.player.total, 134);
        QCOMPARE(again.player.games, 36);
        QCOMPARE(again.player.machinepay, int16_t(4));
        QCOMPARE(again.player.winroll, int16_t(1));
        QCOMPARE(again.player.reelspeed, int16_t(8));
        QCOMPARE(again.player.currentplayer, QStringLiteral("Ann, the 2nd"));
        // The machine's caption shows the name as stored at start-up.
        QCOMPARE(again.zel.form.caption, QStringLiteral("Current Player       Ann, the 2nd"));
        QCOMPARE(again.zel.form.PANELBANK.caption, QStringLiteral("1234"));
        QCOMPARE(again.zel.form.Lblcredit.caption, QStringLiteral("$ 12.34"));
    }

    void negativeAmountsAreWrittenAsPlainDecimals() {
        Store store;
        Session s(store.file());
        s.player.playerslot = QStringLiteral("6");
        s.player.bank = -25;
        s.player.total = -2147483647 - 1;
        s.zel.commit();
        QCOMPARE(s.stored(6, "bank"), QStringLiteral("-25"));
        QCOMPARE(s.stored(6, "total"), QStringLiteral("-2147483648"));
        QCOMPARE(s.stored(6, "games"), QStringLiteral("0"));
        QCOMPARE(s.stored(1, "bank"), QString());
    }

    void storedTextBecomesANumberOrLeavesTheValue_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("bank");        // 32-bit key, starting from 77
        QTest::addColumn<int>("winroll");     // 16-bit key, starting from 0
        QTest::newRow("not a number") << "abc" << 77 << 0;
        QTest::newRow("empty") << "" << 77 << 0;
        QTest::newRow("zero") << "0" << 0 << 0;
        QTest::newRow("five") << "5" << 5 << 5;
        QTest::newRow("negative") << "-40" << -40 << -40;
        QTest::newRow("blanks around") << " 5 " << 5 << 5;
        QTest::newRow("half rounds to even, down") << "2.5" << 2 << 2;
        QTest::newRow("half rounds to even, up") << "3.5" << 4 << 4;
        QTest::newRow("fraction") << "4.7" << 5 << 5;
        QTest::newRow("too big for 16 bits") << "40000" << 40000 << 0;
        QTest::newRow("largest 16-bit") << "32767" << 32767 << 32767;
        QTest::newRow("too big for 32 bits") << "2147483648" << 77 << 0;
        QTest::newRow("smallest 32-bit") << "-2147483648" << (-2147483647 - 1) << 0;
        QTest::newRow("not finite") << "inf" << 77 << 0;
        QTest::newRow("a number then text") << "12abc" << 77 << 0;
        QTest::newRow("past the 64-bit range") << "9.25e18" << 77 << 0;
        QTest::newRow("below the 64-bit range") << "-9.25e18" << 77 << 0;
        QTest::newRow("2^63 exactly") << "9223372036854775808" << 77 << 0;
    }
    void storedTextBecomesANumberOrLeavesTheValue() {
        QFETCH(QString, text);
        QFETCH(int, bank);
        QFETCH(int, winroll);
        Store store;
        Session s(store.file());
        s.store(2, "bank", text);
        s.store(2, "winroll", text);
        s.player.bank = 77;
        loadplayer(s.player, s.pf, 2);
        QCOMPARE(s.player.bank, bank);
        QCOMPARE(int(s.player.winroll), winroll);
    }

    void aBankOfAbcAtStartUpStaysZeroAndPlayGoesOn() {
        Store store;
        Session s(store.file());
        s.storerecord(1, QStringLiteral("Bob"), 500, 500, 0, 0, 0);
        s.store(1, "bank", QStringLiteral("abc"));
        s.start();
        QCOMPARE(s.player.bank, 0);
        QCOMPARE(s.player.amountinvested, 500);
        QCOMPARE(s.player.currentplayer, QStringLiteral("Bob"));
        QVERIFY(!s.pf.ended);
        s.zel.COINSIN_Click();
        QCOMPARE(s.player.bank, 20);
    }

    void aStoredPaySettingOfZeroBecomesSixAtStartUpAndIsWrittenBackWhenOptionsOpen() {
        Store store;
        Session s(store.file());
        s.storerecord(1, QStringLiteral("Cy"), 100, 100, 0, 0, 0, 0);
        s.start();
        QCOMPARE(s.player.machinepay, int16_t(6));
        QCOMPARE(s.stored(1, "machinepay"), QStringLiteral("0"));
        auto options = s.openoptions();
        QCOMPARE(s.stored(1, "machinepay"), QStringLiteral("6"));
    }

    void aFailedValueIsReportedWhereItFallsInTheRecord() {
        // The options window's fall-back to the fastest speed happens at the failing value, so a
        // reel speed read after it wins, and one read before it is replaced.
        Store store;
        Session s(store.file());
        s.storerecord(3, QStringLiteral("Di"), 100, 100, 10, 5, 2, 6, 4);
        s.store(3, "machinepay", QStringLiteral("x"));
        int failures = 0;
        s.player.reelspeed = 0;
        QVERIFY(!loadplayer(s.player, s.pf, 3, [&] { ++failures; s.player.reelspeed = 1; }));
        QCOMPARE(failures, 1);
        QCOMPARE(s.player.reelspeed, int16_t(4));

        s.storerecord(3, QStringLiteral("Di"), 100, 100, 10, 5, 2, 6, 4);
        s.store(3, "games", QStringLiteral("x"));
        QVERIFY(!loadplayer(s.player, s.pf, 3, [&] { s.player.reelspeed = 1; }));
        QCOMPARE(s.player.reelspeed, int16_t(1));

        s.store(3, "games", QStringLiteral("2"));
        QVERIFY(loadplayer(s.player, s.pf, 3, [&] { s.player.reelspeed = 1; }));
        QCOMPARE(s.player.reelspeed, int16_t(4));
    }

    void slotNamesAndSlotsOutsideOneToSix() {
        Store store;
        Session s(store.file());
        s.store(4, "currentplayer", QStringLiteral("eve"));
        QCOMPARE(slotname(s.pf, 4), QStringLiteral("eve"));
        QCOMPARE(slotname(s.pf, 5), QString());
        QCOMPARE(slotname(s.pf, 7), QString());
        s.player.playerslot = QStringLiteral("7");
        s.zel.commit();
        QCOMPARE(s.pf.storewrites, 1);  // only the set-up write above
        QVERIFY(!loadplayer(s.player, s.pf, 0));
    }

    void aStoreThatCannotBeWrittenLeavesTheGameRunning() {
        Store store;
        Session s(store.file());
        s.storerecord(1, QStringLiteral("Fay"), 300, 300, 0, 0, 0);
        s.start();
        s.pf.storewritable = false;
        auto options = s.openoptions();
        options->form.player1.text = QStringLiteral("Gus");
        int key = keyenter;
        options->player1_KeyPress(key);
        QCOMPARE(s.player.currentplayer, QStringLiteral("Gus"));
        options->btnokplayer_Click();
        QVERIFY(s.zel.form.enabled);
        s.zel.COINSIN_Click();
        QCOMPARE(s.player.bank, 320);
        s.zel.mnuexit_Click();
        QVERIFY(s.pf.ended);
        QCOMPARE(s.player.bank, 320);
        QCOMPARE(s.stored(1, "currentplayer"), QStringLiteral("Fay"));
        QCOMPARE(s.stored(1, "bank"), QStringLiteral("300"));
    }

    void aReadOnlySettingsFolderLeavesTheGameRunning() {
        if (geteuid() == 0) QSKIP("running as root: a read-only folder does not stop root's writes");
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("zelslots.conf"));
        {
            Session before(file);
            before.storerecord(1, QStringLiteral("Hal"), 400, 400, 0, 0, 0);
        }
        QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
        QVERIFY(QFile::setPermissions(file, QFile::ReadOwner));
        Session s(file);
        s.start();
        QCOMPARE(s.player.bank, 400);
        auto options = s.openoptions();
        options->form.player1.text = QStringLiteral("Ivy");
        int key = keyenter;
        options->player1_KeyPress(key);
        options->btnokplayer_Click();
        QCOMPARE(s.player.currentplayer, QStringLiteral("Ivy"));
        s.zel.mnuexit_Click();
        QVERIFY(s.pf.ended);
        QCOMPARE(s.stored(1, "currentplayer"), QStringLiteral("Hal"));
        QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QVERIFY(QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner));
    }
};

QTEST_GUILESS_MAIN(PlayerStoreTest)
#include "tst_playerstore.moc"
