// What a game that ends badly, or a store that is not as it should be, must not cost the player:
// the games settled before a kill are in the record at the next start; a feature left by the exit
// plays on; a store that cannot be read or written is told when the game starts, not after a
// session that cannot be kept; a file with lines the game does not know is not reported unsavable
// and its junk is not kept; a value that does not convert is not written over unseen.
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QtTest>

#include <unistd.h>

#include "filebytes.h"

#include "playerfixture.h"

using namespace zel;
using namespace zeltest;

namespace {
// Copies of the settings file kept aside beside it.
QStringList copiesbeside(const QString& file) {
    return QDir(QFileInfo(file).absolutePath()).entryList({QFileInfo(file).fileName() + QStringLiteral(".original-*")}, QDir::Files);
}

}  // namespace

class NothingLostTest : public QObject {
    Q_OBJECT

private slots:
    // The game is killed after five spins: nothing runs at its end, and the next start finds them.
    void fiveSpinsThenAKillLeaveARecordWithThoseFiveGames() {
        Store store;
        {
            Session s(store.file());
            s.storerecord(1, QStringLiteral("Ann"), 1000, 1000, 0, 0, 0);
            s.start();
            for (int n = 0; n < 5; ++n) s.spin({5, 3, 5, 3, 3});  // no win: 25 coins each
            QCOMPARE(s.player.games, 5);
            QCOMPARE(s.player.bank, 875);
        }
        Session again(store.file());
        again.start();
        QCOMPARE(again.player.games, 5);
        QCOMPARE(again.player.bank, 875);
        QCOMPARE(again.player.wager, 125);
    }

    void aFeatureLeftByTheExitCommandPlaysOnAtTheNextStart() {
        Store store;
        int32_t bank = 0, total = 0;
        {
            Session s(store.file());
            s.storerecord(1, QStringLiteral("Ann"), 1000, 1000, 0, 0, 0);
            s.start();
            s.spin({11, 8, 13, 15, 15});  // three mountains: ten free spins
            QCOMPARE(s.zel.freespins, int16_t(11));
            bank = s.player.bank;
            total = s.zel.freespintotal;
            s.zel.mnuexit_Click();
            QVERIFY(s.pf.ended);
            QCOMPARE(s.player.bank, bank);  // nothing paid yet: the feature is still to play
        }
        Session again(store.file());
        again.start();
        QCOMPARE(again.zel.freespins, int16_t(11));
        QCOMPARE(again.zel.freespinsplayed, int16_t(1));
        QCOMPARE(again.zel.freespintotal, total);
        QCOMPARE(again.player.bank, bank);
        QVERIFY(again.zel.form.spinsleft.visible);
        QCOMPARE(again.zel.form.spinsleft.caption, QStringLiteral("     Freespins Remaining  10"));
        QVERIFY(again.zel.form.Timerrespin.enabled);  // and the next free spin follows by itself
        QVERIFY(!again.zel.form.play[1].visible);
    }

    // Told before play, so the player knows at once that this session will not be kept.
    void aStoreThatCannotBeUsedIsToldWhenTheGameStarts_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("a folder in place of the file") << "folder";
        QTest::newRow("the settings folder is a file") << "file";
        QTest::newRow("a file that cannot be read") << "unreadable";
    }
    void aStoreThatCannotBeUsedIsToldWhenTheGameStarts() {
        QFETCH(QString, how);
        Store store;
        QString file = store.file();
        if (how == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(file));
        } else if (how == QLatin1String("unreadable")) {
            if (::geteuid() == 0) QSKIP("running as root: a file without read permission is read all the same");
            QVERIFY(writefile(file, "[player1]\nbank=300\n"));
            QVERIFY(QFile::setPermissions(file, QFile::Permissions()));
        } else {
            QVERIFY(writefile(store.dir.filePath(QStringLiteral("zelslots")), "not a folder"));
            file = store.dir.filePath(QStringLiteral("zelslots/zelslots.conf"));
        }
        Session s(file);
        s.start();
        QCOMPARE(s.pf.boxes.size(), size_t(1));
        QVERIFY(s.pf.boxes[0].text.contains(file));
        // Play goes on, and the player is not told again.
        s.zel.COINSIN_Click();
        s.zel.mnuexit_Click();
        QVERIFY(s.pf.ended);
        QCOMPARE(s.player.bank, 20);
        QCOMPARE(s.pf.boxes.size(), size_t(1));
    }

    // A file that loads and saves is never reported unsavable, and what the game cannot read in
    // it is not carried along into every save.
    void aFileWithJunkInItIsSavedWithoutTheJunk() {
        Store store;
        QByteArray junk;
        for (int line = 0; line < 2000; ++line) {
            junk += "\x01\x02 not a setting at all, line " + QByteArray::number(line) + "\n";
            junk += "\xff\xfe=junk " + QByteArray::number(line) + "=\n";
        }
        const QByteArray original = "[player1]\nbank=300\namountinvested=300\ncurrentplayer=Ann\n" + junk;
        QVERIFY(writefile(store.file(), original));
        {
            Session s(store.file());
            s.start();
            QCOMPARE(s.player.bank, 300);
            s.zel.COINSIN_Click();
            s.zel.mnuexit_Click();
            for (const RecordedBox& box : s.pf.boxes) QVERIFY2(!box.text.contains(QStringLiteral("cannot be saved")), qPrintable(box.text));
        }
        const QByteArray saved = bytesof(store.file());
        QVERIFY(saved.size() < 1000);
        QVERIFY(!saved.contains("General"));
        QVERIFY(!saved.contains("not a setting"));
        QCOMPARE(QSettings(store.file(), QSettings::IniFormat).value(QStringLiteral("player1/bank")).toString(), QStringLiteral("320"));
        // What the file held is kept as it was, beside it.
        const QStringList copies = copiesbeside(store.file());
        QCOMPARE(copies.size(), 1);
        QCOMPARE(bytesof(QFileInfo(store.file()).absolutePath() + QLatin1Char('/') + copies[0]), original);
    }

    // A stored value that does not convert loads as 0 as it always has, but the file is copied
    // aside as it was before anything is written over it, and the player hears of it once.
    void aValueThatDoesNotConvertIsKeptAsideBeforeItIsWrittenOver() {
        Store store;
        const QByteArray original = "[player1]\nbank=99999999999\namountinvested=300\ncurrentplayer=Ann\n";
        QVERIFY(writefile(store.file(), original));
        Session s(store.file());
        s.start();
        QCOMPARE(s.player.bank, 0);
        QCOMPARE(s.pf.boxes.size(), size_t(1));
        QVERIFY(s.pf.boxes[0].text.contains(QStringLiteral("99999999999")));
        const QStringList copies = copiesbeside(store.file());
        QCOMPARE(copies.size(), 1);
        QVERIFY(s.pf.boxes[0].text.contains(copies[0]));
        s.zel.COINSIN_Click();
        s.zel.mnuexit_Click();
        QCOMPARE(s.pf.boxes.size(), size_t(1));
        QCOMPARE(bytesof(QFileInfo(store.file()).absolutePath() + QLatin1Char('/') + copies[0]), original);
    }
};

QTEST_GUILESS_MAIN(NothingLostTest)
#include "tst_nothinglost.moc"
