// The player records when the store misbehaves or the record is odd: a store that refuses writes
// loses nothing played and says so once; a record is one write; the pay setting in force is always
// one the options offer, and the options show it.
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QtTest>

#include "playerfixture.h"
#include "core/players/returntable.h"

using namespace zel;
using zeltest::Session;
using zeltest::Store;

namespace {
int selectedpay(const OptionsForm& f) {
    for (int i = 0; i <= 2; ++i)
        if (f.Amtpayout[i].value) return i;
    return -1;
}

// How the store comes to refuse the record.
enum class Refusal { refusingstore, folderinplace };

void refuse(Session& s, Refusal how) {
    if (how == Refusal::refusingstore) {
        s.pf.storewritable = false;
        return;
    }
    // A folder where the file should be: no one can write it, root included.
    QVERIFY(QFile::remove(s.pf.inifile()));
    QVERIFY(QDir().mkdir(s.pf.inifile()));
}
}  // namespace

class RecordBookTest : public QObject {
    Q_OBJECT

private slots:
    void aStoreThatRefusesTheRecordKeepsWhatWasPlayed_data() {
        QTest::addColumn<int>("how");
        QTest::newRow("the store refuses writes") << int(Refusal::refusingstore);
        QTest::newRow("a folder in place of the file") << int(Refusal::folderinplace);
    }
    void aStoreThatRefusesTheRecordKeepsWhatWasPlayed() {
        QFETCH(int, how);
        Store store;
        Session s(store.file());
        s.storerecord(1, QStringLiteral("Ann"), 900, 900, 0, 0, 0);
        s.storerecord(2, QStringLiteral("Bo"), 50, 50, 0, 0, 0);
        s.start();
        s.zel.COINSIN_Click();
        s.zel.COINSIN_Click();
        QCOMPARE(s.player.bank, 940);
        refuse(s, Refusal(how));

        auto options = s.openoptions();
        QCOMPARE(s.player.bank, 940);  // opening reloads the record just kept, not the stale stored one
        options->click(OptionGroup::machine, 2);
        QCOMPARE(s.player.bank, 50);
        options->click(OptionGroup::machine, 1);
        QCOMPARE(s.player.bank, 940);
        QCOMPARE(s.player.amountinvested, 940);
        options->btnokplayer_Click();

        // One message, in plain words, naming where the records could not go.
        QCOMPARE(s.pf.boxes.size(), size_t(1));
        QVERIFY(s.pf.boxes.front().text.contains(s.pf.storelocation()));
        QCOMPARE(s.pf.boxes.front().title, QStringLiteral("Slots_ZEL"));
        s.zel.mnuexit_Click();
        QVERIFY(s.pf.ended);
        QCOMPARE(s.pf.boxes.size(), size_t(1));
    }

    void recordsKeptWhileTheStoreRefusedThemAreWrittenWhenItTakesThemAgain() {
        Store store;
        {
            Session s(store.file());
            s.storerecord(1, QStringLiteral("Ann"), 900, 900, 0, 0, 0);
            s.start();
            s.pf.storewritable = false;
            s.zel.COINSIN_Click();
            auto options = s.openoptions();
            options->click(OptionGroup::machine, 3);
            s.zel.COINSIN_Click();
            s.pf.storewritable = true;
            options->btnokplayer_Click();
        }
        QSettings stored(store.file(), QSettings::IniFormat);
        QCOMPARE(stored.value(QStringLiteral("player1/bank")).toString(), QStringLiteral("920"));
        QCOMPARE(stored.value(QStringLiteral("player3/bank")).toString(), QStringLiteral("20"));
    }

    void aGameEndedFromOutsideLogsTheRefusalInsteadOfAsking() {
        Store store;
        Session s(store.file());
        s.start();
        s.pf.storewritable = false;
        s.zel.unattended = true;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("cannot be saved")));
        s.zel.mnuexit_Click();
        QVERIFY(s.pf.ended);
        QVERIFY(s.pf.boxes.empty());
    }

    void aRecordIsStoredInOneWrite() {
        Store store;
        Session s(store.file());
        s.start();
        s.zel.COINSIN_Click();
        const int before = s.pf.storewrites;
        s.zel.mnuexit_Click();
        QCOMPARE(s.pf.storewrites - before, 1);
        QCOMPARE(s.stored(1, "bank"), QStringLiteral("20"));
        QCOMPARE(s.stored(1, "amountinvested"), QStringLiteral("20"));
        // Nothing but the file itself is left in the folder.
        QCOMPARE(QDir(store.dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("zelslots.conf")});
    }

    void thePaySettingInForceIsAlwaysOneTheOptionsOffer_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("machinepay");
        QTest::newRow("Realistic") << "6" << 6;
        QTest::newRow("Loose") << "5" << 5;
        QTest::newRow("Dream Machine") << "4" << 4;
        QTest::newRow("a vacant slot's 0") << "0" << 6;
        QTest::newRow("one") << "1" << 6;
        QTest::newRow("seven") << "7" << 6;
        QTest::newRow("negative") << "-3" << 6;
        QTest::newRow("not a number") << "abc" << 6;
        QTest::newRow("missing") << "" << 6;
    }
    void thePaySettingInForceIsAlwaysOneTheOptionsOffer() {
        QFETCH(QString, stored);
        QFETCH(int, machinepay);
        Store store;
        Session s(store.file());
        s.storerecord(1, QStringLiteral("Ann"), 100, 100, 0, 0, 0);
        s.storerecord(2, QStringLiteral("Bo"), 100, 100, 0, 0, 0);
        s.store(1, "machinepay", stored);
        s.store(2, "machinepay", stored);
        s.start();
        QCOMPARE(s.player.machinepay, int16_t(machinepay));

        auto options = s.openoptions();
        options->click(OptionGroup::Amtpayout, 2);  // another setting, so the next load must show its own
        options->click(OptionGroup::machine, 2);
        QCOMPARE(s.player.machinepay, int16_t(machinepay));
        QCOMPARE(selectedpay(options->form), payoption(machinepay));
        QCOMPARE(options->form.lblpayreturn.caption, returntoplayercaption(machinepay, s.zel.linesplayed));
    }

    void aVacantSlotPlaysRealistic() {
        Store store;
        Session s(store.file());
        s.storerecord(1, QStringLiteral("Ann"), 100, 100, 0, 0, 0, 4);
        s.start();
        auto options = s.openoptions();
        QCOMPARE(selectedpay(options->form), 2);
        options->click(OptionGroup::machine, 6);
        QCOMPARE(s.player.machinepay, int16_t(6));
        QCOMPARE(selectedpay(options->form), 0);
        QCOMPARE(options->form.lblpayreturn.caption, returntoplayercaption(6, s.zel.linesplayed));
        options->btnokplayer_Click();
        QCOMPARE(s.stored(6, "machinepay"), QStringLiteral("6"));
    }
};

QTEST_GUILESS_MAIN(RecordBookTest)
#include "tst_recordbook.moc"
