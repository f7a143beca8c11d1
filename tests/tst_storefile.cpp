// The settings file as the game writes it and reads it: every text reads back through QSettings as
// it was written (names of any kind), a record's keys stay in their order, what the file holds
// besides the game's keys is named, a failed write leaves the old file as it was, and the writer
// does its work in the order it was handed over, without holding up whoever hands it over.
#include <future>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "filebytes.h"

#include "core/players/playerstore.h"
#include "store/safefile.h"
#include "store/settingsfile.h"
#include "store/storethread.h"

using namespace zel;
using zeltest::bytesof;
using zeltest::writefile;

class StoreFileTest : public QObject {
    Q_OBJECT

private slots:
    void everyTextReadsBackAsItWasWritten_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("a plain name") << QStringLiteral("Ann");
        QTest::newRow("empty") << QString();
        QTest::newRow("blanks around") << QStringLiteral("  Bo  ");
        QTest::newRow("one blank") << QStringLiteral(" ");
        QTest::newRow("a comma") << QStringLiteral("Ann, the 2nd");
        QTest::newRow("a semicolon and an equals sign") << QStringLiteral("a;b=c");
        QTest::newRow("quotes and backslashes") << QStringLiteral("\"Ed\" \\o/ \\\\");
        QTest::newRow("line breaks and tabs") << QStringLiteral("one\ntwo\r\tthree");
        QTest::newRow("a control character before a hex digit") << QStringLiteral("\x01" "a1");
        QTest::newRow("an at sign first") << QStringLiteral("@Invalid()");
        QTest::newRow("letters of any script") << QStringLiteral("Zoë 張伟 Ωμέγα 🎰");
        QTest::newRow("long") << QString(5000, QLatin1Char('x'));
        QTest::newRow("a number") << QStringLiteral("-2147483648");
    }
    void everyTextReadsBackAsItWasWritten() {
        QFETCH(QString, text);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("zelslots.conf"));
        StoreImage image;
        image.apply({QStringLiteral("player1"), {{QStringLiteral("currentplayer"), text}}, false});
        QCOMPARE(replacefile(file, image.inibytes(), false), QString());
        QSettings read(file, QSettings::IniFormat);
        QCOMPARE(read.status(), QSettings::NoError);
        const QVariant value = read.value(QStringLiteral("player1/currentplayer"));
        QCOMPARE(value.typeId(), int(QMetaType::QString));
        QCOMPARE(value.toString(), text);
        // And the game reads it back the same.
        QCOMPARE(readstore(file).image.value(QStringLiteral("player1"), QStringLiteral("currentplayer")), text);
    }

    void aRecordIsWrittenWithItsKeysInTheirOrder() {
        Player p;
        p.bank = 1230;
        p.currentplayer = QStringLiteral("Ann");
        StoreImage image;
        image.apply(recordsection(p, 3));
        const QByteArray text = image.inibytes();
        qsizetype at = text.indexOf("[player3]");
        QVERIFY(at >= 0);
        for (const StoreKey& k : recordkeys) {
            const qsizetype next = text.indexOf(QByteArray("\n") + k.key + "=", at);
            QVERIFY2(next > at, k.key);
            at = next;
        }
    }

    void whatTheFileHoldsBesidesTheGamesKeysIsNamed_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("strangers");
        QTest::addColumn<int>("badvalues");
        QTest::newRow("the game's own") << QByteArray("[player1]\nbank=5\ngames=2\n\n[sound]\non=0\n") << 0 << 0;
        QTest::newRow("comments and blank lines") << QByteArray("; mine\n# also\n\n[player2]\nbank = 7\n") << 0 << 0;
        QTest::newRow("a section of another program") << QByteArray("[window]\nwidth=3\n") << 1 << 0;
        QTest::newRow("a key the game does not keep") << QByteArray("[player1]\nbank=5\nfavourite=red\n") << 1 << 0;
        QTest::newRow("a key outside any section") << QByteArray("bank=5\n") << 1 << 0;
        QTest::newRow("a line that is no setting") << QByteArray("[player1]\nhello there\n") << 1 << 0;
        QTest::newRow("a bank too big for its width") << QByteArray("[player1]\nbank=99999999999\n") << 0 << 1;
        QTest::newRow("a speed that is no number") << QByteArray("[player4]\nreelspeed=fast\n") << 0 << 1;
        QTest::newRow("an empty value is no value") << QByteArray("[player1]\nbank=\n") << 0 << 0;
        QTest::newRow("a free-spin count out of range") << QByteArray("[inplay2]\nfreespins=70000\n") << 0 << 1;
    }
    void whatTheFileHoldsBesidesTheGamesKeysIsNamed() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, strangers);
        QFETCH(int, badvalues);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("zelslots.conf"));
        QVERIFY(writefile(file, bytes));
        const StoreReading reading = readstore(file);
        QCOMPARE(int(reading.state), int(StoreReading::State::read));
        QCOMPARE(reading.strangers.size(), strangers);
        QCOMPARE(reading.badvalues.size(), badvalues);
        QVERIFY(reading.writable);
    }

    void aStoreThatIsNotThereWhereItShouldBeIsNamed() {
        QTemporaryDir dir;
        const QString infolder = dir.filePath(QStringLiteral("zelslots.conf"));
        QVERIFY(QDir().mkpath(infolder));
        StoreReading reading = readstore(infolder);
        QCOMPARE(int(reading.state), int(StoreReading::State::unreadable));
        QVERIFY(!reading.writable);

        QVERIFY(writefile(dir.filePath(QStringLiteral("config")), "a file"));
        reading = readstore(dir.filePath(QStringLiteral("config/zelslots/zelslots.conf")));
        QCOMPARE(int(reading.state), int(StoreReading::State::missing));
        QVERIFY(!reading.writable);
        QVERIFY(reading.why.contains(QStringLiteral("is a file")));
    }

    // Whatever stops a write, the file in place stays as it was.
    void aFailedWriteLeavesTheOldFileAsItWas() {
        QTemporaryDir dir;
        const QString folderinplace = dir.filePath(QStringLiteral("taken"));
        QVERIFY(QDir().mkpath(folderinplace + QStringLiteral("/inside")));
        QVERIFY(!replacefile(folderinplace, "new", true).isEmpty());
        QVERIFY(QFileInfo(folderinplace + QStringLiteral("/inside")).isDir());

        QVERIFY(writefile(dir.filePath(QStringLiteral("blocker")), "a file where a folder should be"));
        QVERIFY(!replacefile(dir.filePath(QStringLiteral("blocker/zelslots.conf")), "new", true).isEmpty());
        QCOMPARE(bytesof(dir.filePath(QStringLiteral("blocker"))), QByteArray("a file where a folder should be"));
        // Nothing half-written is left beside them.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden),
                 (QStringList{QStringLiteral("blocker"), QStringLiteral("taken")}));
    }

    void aWrittenFileKeepsThePermissionsOfTheOneItReplaces() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("zelslots.conf"));
        QVERIFY(writefile(file, "old"));
        QVERIFY(QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner));
        QCOMPARE(replacefile(file, "new", true), QString());
        QCOMPARE(bytesof(file), QByteArray("new"));
        const QFile::Permissions kept = QFile::permissions(file);
        QVERIFY(kept.testFlag(QFile::ReadOwner) && kept.testFlag(QFile::WriteOwner));
        QVERIFY(!(kept & (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther)));
    }

    void copiesLeftByAKilledWriterAreRemoved() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("zelslots.conf"));
        QVERIFY(writefile(file, "[player1]\n"));
        QVERIFY(writefile(file + QStringLiteral(".a1B2c3"), "[pla"));
        QVERIFY(writefile(file + QStringLiteral(".running"), "123\n"));
        QVERIFY(writefile(file + QStringLiteral(".original-20261209-101010"), "kept"));
        removeorphans(file);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 (QStringList{QStringLiteral("zelslots.conf"), QStringLiteral("zelslots.conf.original-20261209-101010"),
                              QStringLiteral("zelslots.conf.running")}));
    }

    // The writer runs what it is given in order, while whoever gives it goes on.
    void theWriterKeepsTheOrderAndHoldsUpNoOne() {
        StoreThread writer;
        std::promise<void> open;
        std::vector<int> done;
        writer.post([gate = open.get_future().share(), &done] {
            gate.wait();  // a disk that takes its time
            done.push_back(1);
        });
        for (int n = 2; n <= 5; ++n) writer.post([n, &done] { done.push_back(n); });
        QVERIFY(done.empty());  // every post above came back while the first write still waited
        open.set_value();
        writer.flush();
        QCOMPARE(done, (std::vector<int>{1, 2, 3, 4, 5}));
    }

    // Each write of the settings holds the whole file: of two in a row, the first may leave it to
    // the second, but never when something else comes between them.
    void aSettingsWriteFollowedAtOnceByAnotherLeavesTheWritingToIt() {
        StoreThread writer;
        std::promise<void> open;
        std::vector<std::pair<int, bool>> done;
        writer.post([gate = open.get_future().share()] { gate.wait(); });
        writer.postsettings([&done](bool last) { done.emplace_back(1, last); });
        writer.postsettings([&done](bool last) { done.emplace_back(2, last); });
        writer.post([&done] { done.emplace_back(3, true); });
        writer.postsettings([&done](bool last) { done.emplace_back(4, last); });
        open.set_value();
        writer.flush();
        QCOMPARE(done, (std::vector<std::pair<int, bool>>{{1, false}, {2, true}, {3, true}, {4, true}}));
    }
};

QTEST_GUILESS_MAIN(StoreFileTest)
#include "tst_storefile.moc"
