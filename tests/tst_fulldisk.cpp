// A full disk under the game: a small file system of the test's own (tmpfs, mounted where the test
// runs as root) holds the player's settings and history. When it fills up the game plays on, the
// player is told once for each file, nothing written before is replaced or cut (the settings file
// stays as it was, byte for byte; the history keeps every game); when space comes back the next
// save succeeds without a restart, the games played meanwhile included.
#include <memory>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QtTest>

#include "historyrig.h"
#include "filebytes.h"
#include "playerfixture.h"

using namespace zel;
using namespace zeltest;

namespace {
// A file system of `kilobytes` mounted on a folder of the test's, unmounted by its path at the end.
struct SmallDisk {
    QTemporaryDir mountpoint;
    QString why;
    bool mounted = false;

    explicit SmallDisk(int kilobytes) {
        QProcess mount;
        mount.start(QStringLiteral("mount"), {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                             QStringLiteral("size=%1k,mode=0700").arg(kilobytes),
                                             QStringLiteral("zelslots-test"), mountpoint.path()});
        mounted = mount.waitForFinished(20000) && mount.exitStatus() == QProcess::NormalExit && mount.exitCode() == 0;
        why = QString::fromLocal8Bit(mount.readAllStandardError()).trimmed();
    }
    ~SmallDisk() {
        if (!mounted) return;
        QProcess umount;
        umount.start(QStringLiteral("umount"), {mountpoint.path()});
        umount.waitForFinished(20000);
    }
    QString path(const QString& name) const { return mountpoint.filePath(name); }

    // Fills what is left with one file; false when nothing could be written at all.
    bool fill() {
        QFile filler(path(QStringLiteral("filler")));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size()) {}
        return filler.size() > 0;
    }
    void free() { QFile::remove(path(QStringLiteral("filler"))); }
};

void spins(Session& s, int count) {
    for (int spin = 0; spin < count; ++spin) {
        s.spin({5, 3, 5, 3, 3});  // no win: each spin costs its stake
        s.pf.clockms += 1000;
    }
}

// A player with 5000 coins starts on the small disk and plays twenty spins.
void startandplay(Session& s) {
    s.pf.keephistory();
    s.storerecord(1, QStringLiteral("Ann"), 5000, 5000, 0, 0, 0);
    s.start();
    s.zel.betperline = 1;
    spins(s, 20);
}
}  // namespace

class FullDiskTest : public QObject {
    Q_OBJECT

    std::unique_ptr<SmallDisk> small;

private slots:
    void init() {
        if (::geteuid() != 0) QSKIP("mounting a small file system for the test takes root");
        small = std::make_unique<SmallDisk>(768);
        if (!small->mounted) QSKIP(qPrintable(QStringLiteral("no file system could be mounted here: ") + small->why));
    }
    void cleanup() { small.reset(); }

    void aFullDiskNeverReplacesAGoodFileAndTheGamesGoInWhenSpaceComesBack() {
        SmallDisk& disk = *small;
        const QString file = disk.path(QStringLiteral("zelslots.conf"));

        Session s(file);
        startandplay(s);
        QCOMPARE(s.pf.boxes.size(), size_t(0));
        const QByteArray settings = bytesof(file);
        QVERIFY(settings.contains("bank=4500"));

        // The disk fills up: play goes on, and the player hears of each file once.
        QVERIFY(disk.fill());
        spins(s, 10);
        QCOMPARE(s.player.bank, 4250);
        QCOMPARE(s.player.games, 30);
        QCOMPARE(s.zel.journal.book.games(1).size(), size_t(30));
        QCOMPARE(bytesof(file), settings);
        QStringList told;
        for (const RecordedBox& box : s.pf.boxes) told << box.text;
        QVERIFY2(told.size() == 2 && told.filter(QStringLiteral("player records cannot be saved")).size() == 1 &&
                     told.filter(QStringLiteral("history cannot be saved")).size() == 1,
                 qPrintable(told.join(QStringLiteral(" | "))));
        // Nothing but the files themselves and the filler lies on the disk: no copy left half-written.
        QCOMPARE(QDir(disk.path(QString())).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral("zelslots.conf.")),
                 QStringList{});

        // Space comes back: the next spin stores everything, the games of the full disk included.
        disk.free();
        spins(s, 1);
        s.zel.mnuexit_Click();
        QVERIFY(s.pf.ended);
        QVERIFY(bytesof(file).contains("bank=4225"));
        QCOMPARE(s.pf.boxes.size(), size_t(2));
        Session again(file);
        again.pf.keephistory();
        again.start();
        QCOMPARE(again.player.bank, 4225);
        QCOMPARE(again.zel.journal.book.games(1).size(), size_t(31));
        QCOMPARE(again.zel.journal.book.games(1).back().credit, 4225);
    }

    // The game ends while the disk is full (a kill, a power cut): the history and the record on the
    // disk are still whole, with every game they held before the disk filled.
    void aGameEndedOnAFullDiskLeavesItsFilesReadable() {
        SmallDisk& disk = *small;
        const QString file = disk.path(QStringLiteral("zelslots.conf"));
        {
            Session s(file);
            startandplay(s);
            // The record on the disk is what it should be before the disk fills (read as another
            // program reads it, once the game's writes are done).
            QCOMPARE(s.stored(1, "bank"), QStringLiteral("4500"));
            QVERIFY(disk.fill());
            spins(s, 3);
        }
        disk.free();
        Session again(file);
        again.pf.keephistory();
        again.start();
        QCOMPARE(again.zel.journal.book.games(1).size(), size_t(20));
        QCOMPARE(again.player.games, 20);
        QCOMPARE(again.player.bank, 4500);
    }
};

QTEST_GUILESS_MAIN(FullDiskTest)
#include "tst_fulldisk.moc"
