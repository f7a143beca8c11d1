// The game history: the record of a scripted game field by field, the file that keeps the last
// 500 games, what a damaged, foreign or unwritable file does (set aside, the player told once, the
// game and the player record untouched), and deleting a player's details.
#include <QDir>
#include <QFile>
#include <QtTest>

#include "core/history/gamerecordjson.h"
#include "historyrig.h"
#include "playerfixture.h"

using namespace zel;
using namespace zeltest;

namespace {
std::vector<GameRecord> readfile(const QString& path, int slot = 1) {
    QFile f(path);
    std::vector<GameRecord> games;
    if (f.open(QIODevice::ReadOnly)) readhistory(f.readAll(), slot, games, nullptr);
    return games;
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
    return QDir(folder).entryList({QStringLiteral("history-player1.json.unreadable-*")}, QDir::Files);
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

        // The file holds exactly what the machine kept.
        QCOMPARE(readfile(rig.zel.journal.book.filepath(1)), games);
    }

    void aWinThatIsNotGambledSettlesWithTheSpin() {
        HistoryRig rig;
        rig.zel.linesplayed = 25;
        rig.platform.scriptstops({5, 5, 5, 11, 6});  // J on line 1 from reel 1 to reel 5
        rig.platform.scriptdraw(1, 6);
        rig.zel.play_Click(1);
        const std::vector<GameRecord> games = readfile(rig.zel.journal.book.filepath(1));
        QCOMPARE(games.size(), size_t(1));
        QCOMPARE(games[0].spin.lines, (std::vector<PaidLine>{{1, Symbol::J, 5, 100}}));
        QCOMPARE(games[0].win, 100);
        QCOMPARE(games[0].credit, 1000 - 25 + 100);
        QVERIFY(!games[0].gamble);
        QVERIFY(!games[0].feature());
    }

    void theLast500GamesAreKeptTheOldestDropped() {
        HistoryRig rig;
        HistoryBook& book = rig.zel.journal.book;
        for (int n = 1; n <= 510; ++n) book.add(1, plaingame(n));
        const std::vector<GameRecord> kept = readfile(book.filepath(1));
        QCOMPARE(kept.size(), size_t(500));
        QCOMPARE(kept.front(), plaingame(11));
        QCOMPARE(kept.back(), plaingame(510));
    }

    // A file that is no history of this slot is kept under another name, the player is told once,
    // and the game and the player's record go on as if there had been none.
    void aFileThatIsNoHistoryIsSetAsideAndPlayGoesOn_data() {
        QTest::addColumn<QByteArray>("bytes");
        HistoryRig writer;
        writer.zel.journal.book.add(1, plaingame(1));
        QFile whole(writer.zel.journal.book.filepath(1));
        QVERIFY(whole.open(QIODevice::ReadOnly));
        const QByteArray good = whole.readAll();
        QByteArray otherslot = good;
        otherslot.replace("\"slot\":1", "\"slot\":2");
        QByteArray otherversion = good;
        otherversion.replace("\"version\":1", "\"version\":7");
        QByteArray wrongwindow = good;
        wrongwindow.replace("\"sign\"", "\"money\"");
        QTest::newRow("damaged") << QByteArray("{ this is not a history");
        QTest::newRow("cut short") << good.left(good.size() / 2);
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("huge") << QByteArray(9 << 20, ' ');
        QTest::newRow("another program's") << QByteArray(R"({"format":"spreadsheet","version":1,"slot":1,"games":[]})");
        QTest::newRow("another version") << otherversion;
        QTest::newRow("another slot's") << otherslot;
        QTest::newRow("a window its stops do not show") << wrongwindow;
    }
    void aFileThatIsNoHistoryIsSetAsideAndPlayGoesOn() {
        QFETCH(QByteArray, bytes);
        Store store;
        Session s(store.file());
        s.pf.keephistory();
        s.storerecord(1, QStringLiteral("Ann"), 900, 900, 0, 0, 0);
        const QString folder = s.pf.datafolder();
        QVERIFY(QDir().mkpath(folder));
        QFile file(s.zel.journal.book.filepath(1));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();

        s.start();
        QCOMPARE(s.pf.boxes.size(), size_t(1));
        QVERIFY(s.pf.boxes[0].text.contains(QStringLiteral("player slot 1")));
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
        QCOMPARE(readfile(s.zel.journal.book.filepath(1)).size(), size_t(1));
        QCOMPARE(s.pf.boxes.size(), size_t(1));
        QCOMPARE(s.player.bank, 875);
    }

    void aFolderThatCannotBeWrittenIsToldOnceAndPlayGoesOn() {
        HistoryRig rig;
        QFile blocker(rig.platform.datafolder());  // a file where the folder should be
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        for (int spin = 0; spin < 3; ++spin) {
            rig.platform.scriptstops({5, 3, 5, 3, 3});
            rig.platform.scriptdraw(1, 6);
            rig.zel.play_Click(1);
        }
        QCOMPARE(rig.player.games, 3);
        QCOMPARE(rig.platform.boxes.size(), size_t(1));
        QVERIFY(rig.platform.boxes[0].text.contains(QStringLiteral("cannot be saved")));
        QCOMPARE(rig.zel.journal.book.games(1).size(), size_t(3));  // kept for the run
    }

    void deletingThePlayersDetailsClearsTheSlotsHistory() {
        Store store;
        Session s(store.file());
        s.pf.keephistory();
        s.storerecord(1, QStringLiteral("Ann"), 900, 900, 0, 0, 0);
        s.start();
        s.pf.scriptstops({5, 3, 5, 3, 3});
        s.pf.scriptdraw(1, 6);
        s.zel.play_Click(1);
        const QString file = s.zel.journal.book.filepath(1);
        QVERIFY(QFile::exists(file));
        auto options = s.openoptions();
        s.pf.answers.push_back(MsgResult::yes);
        options->Btndeletedetails_Click();
        QVERIFY(!QFile::exists(file));
        QVERIFY(s.zel.journal.book.games(1).empty());
    }
};

QTEST_GUILESS_MAIN(HistoryTest)
#include "tst_history.moc"
