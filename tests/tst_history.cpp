// The game history: the record of a scripted game field by field, the database that keeps every
// game, what a damaged, foreign or unwritable database does (set aside, the player told once, the
// game and the player record untouched), the history files of earlier versions read in once, and
// deleting a player's details.
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>

#include "core/history/gamerecordjson.h"
#include "historyrig.h"
#include "playerfixture.h"
#include "store/historydatabase.h"

using namespace zel;
using namespace zeltest;

namespace {
// Every game of a slot in the database of a data folder, as another program would read it.
std::vector<GameRecord> stored(FakePlatform& pf, int slot = 1) {
    pf.flush();
    return HistoryDatabase::read(HistoryDatabase::file(pf.datafolder()), slot, 1 << 30, nullptr).value_or(std::vector<GameRecord>{});
}

GameRecord plaingame(int n) {
    GameRecord g;
    g.timems = 1796767200000 + n;
    g.stake = 25;
    g.spin.stops = {5, 3, 5, 3, 3};
    g.credit = 1000 - n;
    return g;
}

QStringList setaside(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("history.sqlite.unreadable-*")}, QDir::Files);
}

// A database file that is another program's: a table of its own, nothing of the game's.
QByteArray foreigndatabase(const QString& scratch) {
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("foreign"));
        db.setDatabaseName(scratch);
        db.open();
        QSqlQuery(db).exec(QStringLiteral("CREATE TABLE recipes (name TEXT)"));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("foreign"));
    QFile f(scratch);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}
}  // namespace

class HistoryTest : public QObject {
    Q_OBJECT

private slots:
    void aFeatureAndAThreeCardGambleAreKeptFieldByField() {
        HistoryRig rig;
        const Seen seen = playscriptedgame(rig);
        const std::vector<GameRecord>& games = rig.zel.journal.book.games(1);
        QCOMPARE(games.size(), size_t(1));
        const GameRecord& g = games.front();

        QCOMPARE(g.timems, rig.platform.clockms);
        QCOMPARE(g.machinepay, int16_t(6));
        QCOMPARE(g.linesplayed, int16_t(25));
        QCOMPARE(g.betperline, int16_t(1));
        QCOMPARE(g.stake, 25);
        QCOMPARE(g.spin.stops, (std::array<int16_t, 5>{11, 8, 13, 15, 15}));
        QCOMPARE(g.spin.scatters, int16_t(3));
        QCOMPARE(g.spin.scatterpay, 125);
        QVERIFY(g.spin.lines.empty());
        QCOMPARE(g.spin.win, 125);
        const SymbolWindow window = windowof(g.spin.stops);
        QCOMPARE(window[0][1], Symbol::mountain);  // reel 1 at stop 11: its scatter in the middle

        // Every free spin as the machine showed it, and its pays adding up to its win.
        QCOMPARE(g.freespins.size(), seen.freespins.size());
        QVERIFY(g.freespins.size() >= 10);
        int64_t featuresum = g.spin.win;
        for (size_t i = 0; i < g.freespins.size(); ++i) {
            const SpinRecord& kept = g.freespins[i];
            QCOMPARE(kept.stops, seen.freespins[i].stops);
            QCOMPARE(kept.multiplier, seen.freespins[i].multiplier);
            QCOMPARE(kept.win, seen.freespins[i].win);
            int64_t pays = kept.scatterpay;
            for (const PaidLine& p : kept.lines) pays += p.pay;
            QCOMPARE(pays * kept.multiplier, int64_t(kept.win));
            featuresum += kept.win;
        }
        QCOMPARE(g.featuretotal, seen.featuretotal);
        QCOMPARE(int64_t(g.featuretotal), featuresum);
        QCOMPARE(g.win, seen.collected);

        QVERIFY(g.gamble);
        const GambleRecord& gamble = *g.gamble;
        QCOMPARE(gamble.stake, seen.collected);
        QCOMPARE(gamble.cards.size(), size_t(3));
        QCOMPARE(gamble.cards[0], (CardRecord{1, GambleBet::red, true, 2 * seen.collected}));
        QCOMPARE(gamble.cards[1], (CardRecord{3, GambleBet::red, true, 4 * seen.collected}));
        QCOMPARE(gamble.cards[2], (CardRecord{2, GambleBet::red, false, 0}));
        QVERIFY(!gamble.collected);
        QCOMPARE(gamble.amount, seen.collected);
        QCOMPARE(g.credit, seen.creditaftergamble);
        QCOMPARE(seen.creditaftergamble, seen.creditafterfeature - seen.collected);

        // The database holds exactly what the machine kept.
        QCOMPARE(stored(rig.platform), games);
    }

    void aWinThatIsNotGambledSettlesWithTheSpin() {
        HistoryRig rig;
        rig.zel.linesplayed = 25;
        rig.platform.scriptstops({5, 5, 5, 11, 6});  // J on line 1 from reel 1 to reel 5
        rig.platform.scriptdraw(1, 6);
        rig.zel.play_Click(1);
        const std::vector<GameRecord> games = stored(rig.platform);
        QCOMPARE(games.size(), size_t(1));
        QCOMPARE(games[0].spin.lines, (std::vector<PaidLine>{{1, Symbol::J, 5, 100}}));
        QCOMPARE(games[0].win, 100);
        QCOMPARE(games[0].credit, 1000 - 25 + 100);
        QVERIFY(!games[0].gamble);
        QVERIFY(!games[0].feature());
    }

    void everyGameIsKeptAndTheWindowListsTheNewest500() {
        HistoryRig rig;
        HistoryBook& book = rig.zel.journal.book;
        for (int n = 1; n <= 510; ++n) book.add(1, plaingame(n));
        const std::vector<GameRecord> kept = stored(rig.platform);
        QCOMPARE(kept.size(), size_t(510));
        QCOMPARE(kept.front(), plaingame(1));
        QCOMPARE(kept.back(), plaingame(510));
        QCOMPARE(book.games(1).size(), size_t(500));
        QCOMPARE(book.games(1).front(), plaingame(11));
        // A run that starts afresh reads the newest 500 back.
        HistoryBook again(rig.platform);
        QCOMPARE(again.games(1), book.games(1));
    }

    // A file in the database's place that is no history of this game is kept under another name,
    // the player is told once, and the game and the player's record go on as if there had been none.
    void aDatabaseThatIsNoHistoryIsSetAsideAndPlayGoesOn_data() {
        QTest::addColumn<QByteArray>("bytes");
        HistoryRig writer;
        for (int n = 1; n <= 200; ++n) writer.zel.journal.book.add(1, plaingame(n));
        writer.platform.flush();
        QFile whole(HistoryDatabase::file(writer.platform.datafolder()));
        QVERIFY(whole.open(QIODevice::ReadOnly));
        const QByteArray good = whole.readAll();
        QByteArray scrambled = good;
        for (qsizetype i = 4096; i < scrambled.size(); i += 97) scrambled[i] = char(scrambled[i] ^ 0x5a);
        QTest::newRow("damaged") << QByteArray("{ this is not a database");
        QTest::newRow("cut short") << good.left(good.size() / 2);
        QTest::newRow("scrambled pages") << scrambled;
        QTest::newRow("another program's") << foreigndatabase(writer.platform.datafolder() + QStringLiteral("/other.sqlite"));
    }
    void aDatabaseThatIsNoHistoryIsSetAsideAndPlayGoesOn() {
        QFETCH(QByteArray, bytes);
        Store store;
        Session s(store.file());
        s.pf.keephistory();
        s.storerecord(1, QStringLiteral("Ann"), 900, 900, 0, 0, 0);
        const QString folder = s.pf.datafolder();
        QVERIFY(QDir().mkpath(folder));
        QFile file(HistoryDatabase::file(folder));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();

        s.start();
        QCOMPARE(s.pf.boxes.size(), size_t(1));
        QVERIFY(s.pf.boxes[0].text.contains(QStringLiteral("set aside")));
        const QStringList aside = setaside(folder);
        QCOMPARE(aside.size(), 1);
        QVERIFY(s.pf.boxes[0].text.contains(aside[0]));
        QFile kept(QDir(folder).filePath(aside[0]));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), bytes);
        QCOMPARE(s.player.bank, 900);

        s.pf.scriptstops({5, 3, 5, 3, 3});
        s.pf.scriptdraw(1, 6);
        s.zel.betperline = 1;
        s.zel.play_Click(1);
        QCOMPARE(stored(s.pf).size(), size_t(1));
        QCOMPARE(s.pf.boxes.size(), size_t(1));
        QCOMPARE(s.player.bank, 875);
    }

    void aDatabaseOfANewerVersionIsLeftAsItIs() {
        Store store;
        Session s(store.file());
        s.pf.keephistory();
        s.storerecord(1, QStringLiteral("Ann"), 900, 900, 0, 0, 0);
        const QString folder = s.pf.datafolder();
        {
            HistoryDatabase writer(folder, false, [] { return qint64(0); });
            QVERIFY(writer.append(1, plaingame(1)));
        }
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("newer"));
            db.setDatabaseName(HistoryDatabase::file(folder));
            QVERIFY(db.open());
            QVERIFY(QSqlQuery(db).exec(QStringLiteral("PRAGMA user_version = 7")));
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("newer"));
        QFile before(HistoryDatabase::file(folder));
        QVERIFY(before.open(QIODevice::ReadOnly));
        const QByteArray bytes = before.readAll();

        s.start();
        QCOMPARE(s.pf.boxes.size(), size_t(1));
        QVERIFY(s.pf.boxes[0].text.contains(QStringLiteral("newer version")));
        s.pf.scriptstops({5, 3, 5, 3, 3});
        s.pf.scriptdraw(1, 6);
        s.zel.betperline = 1;
        s.zel.play_Click(1);
        QCOMPARE(s.zel.journal.book.games(1).size(), size_t(1));  // kept for the run
        s.pf.flush();
        QFile after(HistoryDatabase::file(folder));
        QVERIFY(after.open(QIODevice::ReadOnly));
        QCOMPARE(after.readAll(), bytes);
        QVERIFY(setaside(folder).isEmpty());
    }

    // The history files of earlier versions go into the database once, and stay where they are.
    void anOldHistoryFileIsReadInOnceAndLeftInPlace() {
        Store store;
        const QString folder = store.dir.filePath(QStringLiteral("data"));
        QVERIFY(QDir().mkpath(folder));
        const std::vector<GameRecord> old{plaingame(1), plaingame(2), plaingame(3)};
        const QByteArray file = historyjson(2, old);
        QFile json(historyfile(folder, 2));
        QVERIFY(json.open(QIODevice::WriteOnly));
        json.write(file);
        json.close();
        for (int run = 1; run <= 2; ++run) {
            Session s(store.file());
            s.pf.keephistory();
            QCOMPARE(s.zel.journal.book.games(2), old);
            QCOMPARE(stored(s.pf, 2), old);
            QVERIFY(s.pf.storenews().isEmpty());
        }
        QVERIFY(json.open(QIODevice::ReadOnly));
        QCOMPARE(json.readAll(), file);
    }

    void anOldHistoryFileThatCannotBeReadIsLeftAsItIsAndToldOnce() {
        Store store;
        const QString folder = store.dir.filePath(QStringLiteral("data"));
        QVERIFY(QDir().mkpath(folder));
        QFile json(historyfile(folder, 1));
        QVERIFY(json.open(QIODevice::WriteOnly));
        json.write("{ not a history");
        json.close();
        for (int run = 1; run <= 2; ++run) {
            Session s(store.file());
            s.pf.keephistory();
            s.start();
            QCOMPARE(s.pf.boxes.size(), size_t(run == 1 ? 1 : 0));
            if (run == 1) QVERIFY(s.pf.boxes[0].text.contains(QStringLiteral("left as it is")));
            QVERIFY(s.zel.journal.book.games(1).empty());
        }
        QVERIFY(json.open(QIODevice::ReadOnly));
        QCOMPARE(json.readAll(), QByteArray("{ not a history"));
    }

    // Games the database cannot take wait in memory, in order, and go in as soon as it can.
    void aFolderThatCannotBeWrittenIsToldOnceAndItsGamesGoInLater() {
        HistoryRig rig;
        QFile blocker(rig.platform.datafolder());  // a file where the folder should be
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        for (int spin = 0; spin < 3; ++spin) {
            rig.platform.scriptstops({5, 3, 5, 3, 3});
            rig.platform.scriptdraw(1, 6);
            rig.zel.play_Click(1);
        }
        rig.platform.flush();
        rig.zel.tellstorenews();
        QCOMPARE(rig.player.games, 3);
        QCOMPARE(rig.platform.boxes.size(), size_t(1));
        QVERIFY(rig.platform.boxes[0].text.contains(QStringLiteral("cannot be saved")));
        QCOMPARE(rig.zel.journal.book.games(1).size(), size_t(3));  // kept for the run

        QVERIFY(QFile::remove(rig.platform.datafolder()));
        rig.platform.scriptstops({5, 3, 5, 3, 3});
        rig.platform.scriptdraw(1, 6);
        rig.zel.play_Click(1);
        const std::vector<GameRecord> games = stored(rig.platform);
        QCOMPARE(games, rig.zel.journal.book.games(1));
        QCOMPARE(games.size(), size_t(4));
        QCOMPARE(rig.platform.boxes.size(), size_t(1));
    }

    void deletingThePlayersDetailsClearsTheSlotsHistoryAndNoOther() {
        Store store;
        Session s(store.file());
        s.pf.keephistory();
        s.storerecord(1, QStringLiteral("Ann"), 900, 900, 0, 0, 0);
        s.zel.journal.book.add(2, plaingame(7));
        s.start();
        s.pf.scriptstops({5, 3, 5, 3, 3});
        s.pf.scriptdraw(1, 6);
        s.zel.play_Click(1);
        QCOMPARE(stored(s.pf).size(), size_t(1));
        auto options = s.openoptions();
        s.pf.answers.push_back(MsgResult::yes);
        options->Btndeletedetails_Click();
        QVERIFY(stored(s.pf).empty());
        QVERIFY(s.zel.journal.book.games(1).empty());
        QCOMPARE(stored(s.pf, 2), std::vector<GameRecord>{plaingame(7)});
    }
};

QTEST_GUILESS_MAIN(HistoryTest)
#include "tst_history.moc"
