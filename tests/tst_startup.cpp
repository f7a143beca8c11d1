// Start-up of the machine with the record of slot 1 read from a real settings file.
#include <QSettings>
#include <QtTest>

#include "fakeplatform.h"
#include "core/machine/zel.h"
#include "core/players/player.h"

using namespace zel;

class Startup : public QObject {
    Q_OBJECT
private slots:
    void anEmptyStoreStartsANewPlayer();
    void theStoredRecordOfSlotOneIsLoaded();
    void storedValuesAreReadAsNumbers_data();
    void storedValuesAreReadAsNumbers();
    void storedSettingsOutOfTheirRangeStartAsDefaults_data();
    void storedSettingsOutOfTheirRangeStartAsDefaults();
};

void Startup::anEmptyStoreStartsANewPlayer() {
    FakePlatform pf;
    Player player;
    Zel z(player, pf);
    z.Form_Load();
    QVERIFY(!pf.ended);
    QCOMPARE(player.bank, 0);
    QCOMPARE(player.games, 0);
    QCOMPARE(player.playerslot, QStringLiteral("1"));
    QCOMPARE(z.form.PANELBANK.caption, QStringLiteral("0"));
    QCOMPARE(z.form.Lblcredit.caption, QStringLiteral("$ 0"));
    QCOMPARE(int(player.machinepay), 6);
    QCOMPARE(int(player.reelspeed), 1);
    QCOMPARE(int(player.winroll), 0);
    QCOMPARE(z.form.caption, QStringLiteral("Current Player       "));
    QCOMPARE(int(z.linesplayed), 25);
    QCOMPARE(int(z.betperline), 0);
    for (int L = 1; L <= 26; ++L) {
        QVERIFY(z.form.lin[L].picture.list == PicList::linepics);
        QCOMPARE(int(z.form.lin[L].picture.index), L == 26 ? 1 : L);
    }
    QCOMPARE(pf.clipnumbers(), std::vector<int>{101});
    QCOMPARE(z.form.focus, QStringLiteral("play(1)"));
    QCOMPARE(z.form.left, 0);
    QCOMPARE(z.form.top, 0);
    QCOMPARE(pf.storewrites, 0);  // nothing is written until the options window or the exit
    QVERIFY(!QFile::exists(pf.inifile()));
}

void Startup::theStoredRecordOfSlotOneIsLoaded() {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("zelslots.conf"));
    {
        QSettings s(file, QSettings::IniFormat);
        s.setValue(QStringLiteral("player1/machinepay"), QStringLiteral("4"));
        s.setValue(QStringLiteral("player1/winroll"), QStringLiteral("1"));
        s.setValue(QStringLiteral("player1/reelspeed"), QStringLiteral("8"));
        s.setValue(QStringLiteral("player1/amountinvested"), QStringLiteral("5000"));
        s.setValue(QStringLiteral("player1/wager"), QStringLiteral("1200"));
        s.setValue(QStringLiteral("player1/total"), QStringLiteral("900"));
        s.setValue(QStringLiteral("player1/bank"), QStringLiteral("4700"));
        s.setValue(QStringLiteral("player1/games"), QStringLiteral("48"));
        s.setValue(QStringLiteral("player1/currentplayer"), QStringLiteral("ann lee"));
        s.setValue(QStringLiteral("player2/bank"), QStringLiteral("99"));
    }
    FakePlatform pf(file);
    Player player;
    Zel z(player, pf);
    z.Form_Load();
    QCOMPARE(int(player.machinepay), 4);
    QCOMPARE(int(player.winroll), 1);
    QCOMPARE(int(player.reelspeed), 8);
    QCOMPARE(player.amountinvested, 5000);
    QCOMPARE(player.wager, 1200);
    QCOMPARE(player.total, 900);
    QCOMPARE(player.bank, 4700);
    QCOMPARE(player.games, 48);
    QCOMPARE(player.currentplayer, QStringLiteral("ann lee"));
    QCOMPARE(z.form.caption, QStringLiteral("Current Player       ann lee"));  // as stored, not upper-cased
    QCOMPARE(z.form.PANELBANK.caption, QStringLiteral("4700"));
    QCOMPARE(z.form.Lblcredit.caption, QStringLiteral("$ 47"));
    QCOMPARE(pf.storewrites, 0);
}

void Startup::storedValuesAreReadAsNumbers_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("bank not a number") << "bank" << "abc" << 0;
    QTest::newRow("bank empty") << "bank" << "" << 0;
    QTest::newRow("bank 0") << "bank" << "0" << 0;
    QTest::newRow("bank beyond 32 bits") << "bank" << "99999999999" << 0;
    QTest::newRow("bank negative") << "bank" << "-5" << -5;
    QTest::newRow("bank 2.5 rounds half to even") << "bank" << "2.5" << 2;
    QTest::newRow("bank 3.5 rounds half to even") << "bank" << "3.5" << 4;
    QTest::newRow("bank 2.6 rounds") << "bank" << "2.6" << 3;
    QTest::newRow("bank with blanks") << "bank" << " 7 " << 7;
    QTest::newRow("bank at the 32-bit top") << "bank" << "2147483647" << 2147483647;
    QTest::newRow("bank one past the top") << "bank" << "2147483648" << 0;
    QTest::newRow("games 2.5") << "games" << "2.5" << 2;
    QTest::newRow("games not a number") << "games" << "many" << 0;
    QTest::newRow("wager with blanks") << "wager" << " 7 " << 7;
    QTest::newRow("total negative") << "total" << "-5" << -5;
    QTest::newRow("amountinvested beyond 32 bits") << "amountinvested" << "99999999999" << 0;
    QTest::newRow("winroll with blanks") << "winroll" << " 1 " << 1;
    QTest::newRow("winroll beyond 16 bits") << "winroll" << "40000" << 0;
}

void Startup::storedValuesAreReadAsNumbers() {
    QFETCH(QString, key);
    QFETCH(QString, text);
    QFETCH(int, value);
    FakePlatform pf;
    pf.savesetting(QStringLiteral("player1"), key, text);
    pf.storewrites = 0;
    Player player;
    Zel z(player, pf);
    z.Form_Load();
    const int32_t got = key == QLatin1String("bank")    ? player.bank
                        : key == QLatin1String("games") ? player.games
                        : key == QLatin1String("wager") ? player.wager
                        : key == QLatin1String("total") ? player.total
                        : key == QLatin1String("winroll") ? player.winroll
                                                          : player.amountinvested;
    QCOMPARE(got, value);
    if (key == QLatin1String("bank")) {
        QCOMPARE(z.form.PANELBANK.caption, QString::number(value));
        QCOMPARE(z.form.Lblcredit.caption, moneyform(value));
    }
    // the start-up goes on whatever the value was
    QCOMPARE(pf.clipnumbers(), std::vector<int>{101});
    QCOMPARE(z.form.focus, QStringLiteral("play(1)"));
    QCOMPARE(pf.storewrites, 0);
}

void Startup::storedSettingsOutOfTheirRangeStartAsDefaults_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("machinepay 0") << "machinepay" << "0" << 6;
    QTest::newRow("machinepay 5") << "machinepay" << "5" << 5;
    QTest::newRow("machinepay not a number") << "machinepay" << "abc" << 6;
    QTest::newRow("machinepay beyond 16 bits") << "machinepay" << "99999999999" << 6;
    QTest::newRow("machinepay 4.5 rounds to 4") << "machinepay" << "4.5" << 4;
    QTest::newRow("machinepay with blanks") << "machinepay" << " 4 " << 4;
    // only the three pay settings the options offer are played; anything else plays as the default
    QTest::newRow("machinepay -5") << "machinepay" << "-5" << 6;
    QTest::newRow("machinepay 1") << "machinepay" << "1" << 6;
    QTest::newRow("machinepay 9") << "machinepay" << "9" << 6;
    QTest::newRow("reelspeed 0") << "reelspeed" << "0" << 1;
    QTest::newRow("reelspeed -5") << "reelspeed" << "-5" << 1;
    QTest::newRow("reelspeed not a number") << "reelspeed" << "abc" << 1;
    QTest::newRow("reelspeed 2.5 rounds to 2") << "reelspeed" << "2.5" << 2;
    QTest::newRow("reelspeed with blanks") << "reelspeed" << " 10 " << 10;
}

void Startup::storedSettingsOutOfTheirRangeStartAsDefaults() {
    QFETCH(QString, key);
    QFETCH(QString, text);
    QFETCH(int, value);
    FakePlatform pf;
    pf.savesetting(QStringLiteral("player1"), key, text);
    Player player;
    Zel z(player, pf);
    z.Form_Load();
    QCOMPARE(int(key == QLatin1String("machinepay") ? player.machinepay : player.reelspeed), value);
}

QTEST_GUILESS_MAIN(Startup)
#include "tst_startup.moc"
