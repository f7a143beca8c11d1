#include "store/historydatabase.h"

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include "core/history/gamerecordjson.h"
#include "core/history/historybook.h"
#include "core/players/storekeys.h"
#include "store/safefile.h"

namespace zel {

namespace {
const QString schema[] = {
    QStringLiteral("CREATE TABLE games ("
                   " id INTEGER PRIMARY KEY,"
                   " slot INTEGER NOT NULL,"
                   " timems INTEGER NOT NULL,"          // when the game settled, ms since 1970 (UTC)
                   " machinepay INTEGER NOT NULL, linesplayed INTEGER NOT NULL, betperline INTEGER NOT NULL,"
                   " stake INTEGER NOT NULL, win INTEGER NOT NULL, featuretotal INTEGER NOT NULL,"
                   " freespins INTEGER NOT NULL,"       // the feature's spins after the one that started it
                   " gamblestake INTEGER, gambleamount INTEGER, gamblecollected INTEGER,"  // none without a gamble
                   " credit INTEGER NOT NULL,"
                   " game TEXT NOT NULL)"),              // the whole game in the history's JSON form
    QStringLiteral("CREATE INDEX games_by_slot ON games (slot, id)"),
    QStringLiteral("CREATE TABLE imported (file TEXT PRIMARY KEY, games INTEGER NOT NULL)"),
};

QString sqlerror(const QSqlError& error) {
    const QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    return text.isEmpty() ? QStringLiteral("the database does not answer") : text;
}

void bindgame(QSqlQuery& q, const GameRecord& g) {
    q.bindValue(QStringLiteral(":timems"), qint64(g.timems));
    q.bindValue(QStringLiteral(":machinepay"), g.machinepay);
    q.bindValue(QStringLiteral(":linesplayed"), g.linesplayed);
    q.bindValue(QStringLiteral(":betperline"), g.betperline);
    q.bindValue(QStringLiteral(":stake"), g.stake);
    q.bindValue(QStringLiteral(":win"), g.win);
    q.bindValue(QStringLiteral(":featuretotal"), g.featuretotal);
    q.bindValue(QStringLiteral(":freespins"), qint64(g.freespins.size()));
    const QVariant none(QMetaType(QMetaType::LongLong));
    q.bindValue(QStringLiteral(":gamblestake"), g.gamble ? QVariant(g.gamble->stake) : none);
    q.bindValue(QStringLiteral(":gambleamount"), g.gamble ? QVariant(g.gamble->amount) : none);
    q.bindValue(QStringLiteral(":gamblecollected"), g.gamble ? QVariant(int(g.gamble->collected)) : none);
    q.bindValue(QStringLiteral(":credit"), g.credit);
    q.bindValue(QStringLiteral(":game"), QString::fromUtf8(gamebytes(g)));
}

const QString insertgame = QStringLiteral(
    "INSERT INTO games (slot, timems, machinepay, linesplayed, betperline, stake, win, featuretotal, freespins,"
    " gamblestake, gambleamount, gamblecollected, credit, game) VALUES (:slot, :timems, :machinepay, :linesplayed,"
    " :betperline, :stake, :win, :featuretotal, :freespins, :gamblestake, :gambleamount, :gamblecollected, :credit, :game)");

std::vector<GameRecord> newestin(const QSqlDatabase& db, int slot, int count) {
    QSqlQuery q(db);
    q.prepare(QStringLiteral("SELECT game FROM games WHERE slot = ? ORDER BY id DESC LIMIT ?"));
    q.addBindValue(slot);
    q.addBindValue(count);
    std::vector<GameRecord> games;
    if (!q.exec()) return games;
    while (q.next()) {
        GameRecord g;
        // A row that does not read as a game is left out; the others are the player's all the same.
        if (readgame(q.value(0).toString().toUtf8(), g, nullptr)) games.push_back(std::move(g));
    }
    std::reverse(games.begin(), games.end());
    return games;
}
}  // namespace

HistoryDatabase::HistoryDatabase(const QString& f, bool d, std::function<qint64()> c)
    : folder(f), connection(QStringLiteral("zelslots-history-%1").arg(quintptr(this))), durable(d), clock(std::move(c)) {}

HistoryDatabase::~HistoryDatabase() { close(); }

QString HistoryDatabase::file(const QString& folder) { return QDir(folder).filePath(QStringLiteral("history.sqlite")); }

void HistoryDatabase::close() {
    if (QSqlDatabase::contains(connection)) {
        QSqlDatabase::database(connection, false).close();
        QSqlDatabase::removeDatabase(connection);
    }
    isopen = false;
}

bool HistoryDatabase::run(const QString& sql) {
    QSqlQuery q(QSqlDatabase::database(connection, false));
    if (q.exec(sql)) return true;
    lastfault = sqlerror(q.lastError());
    return false;
}

bool HistoryDatabase::open() {
    if (isopen) return true;
    if (refused) return false;
    if (!QDir().mkpath(folder)) {
        lastfault = QStringLiteral("the folder %1 cannot be made").arg(QDir::toNativeSeparators(folder));
        return false;
    }
    // A file that is no history of this game is set aside once, and a new history made in its place.
    for (int attempt = 0; attempt < 2 && !isopen && !refused; ++attempt) {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
            db.setDatabaseName(file(folder));
            if (!db.open()) lastfault = sqlerror(db.lastError());
        }
        QString damage;
        isopen = QSqlDatabase::database(connection, false).isOpen() && prepare(damage);
        if (isopen) break;
        close();
        if (damage.isEmpty()) return false;
        setasidedamaged(damage);
    }
    if (isopen) importfiles();
    return isopen;
}

// The database is this game's history of this version, or is made one. What else may be in its
// place (damaged, cut short, another program's) is named in `damage`.
bool HistoryDatabase::prepare(QString& damage) {
    const QSqlDatabase db = QSqlDatabase::database(connection, false);
    int version = -1, tables = -1;
    QString check;
    {
        QSqlQuery q(db);
        if (q.exec(QStringLiteral("PRAGMA user_version")) && q.next()) version = q.value(0).toInt();
        else damage = sqlerror(q.lastError());
    }
    if (version > schemaversion) {
        refused = true;
        lastfault = QStringLiteral("it is the history of a newer version of the game");
        news << QStringLiteral("The game history\n%1\nbelongs to a newer version of the game. It is left as it is, and "
                               "this run keeps its games only while it runs.")
                    .arg(QDir::toNativeSeparators(file(folder)));
        return false;
    }
    if (version == 0) {
        {
            QSqlQuery q(db);
            if (q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) && q.next()) tables = q.value(0).toInt();
        }
        if (tables != 0) {
            damage = QStringLiteral("it is no game history of this game");
            return false;
        }
        if (!run(QStringLiteral("BEGIN IMMEDIATE"))) return false;
        for (const QString& statement : schema)
            if (!run(statement)) {
                run(QStringLiteral("ROLLBACK"));
                return false;
            }
        if (!run(QStringLiteral("PRAGMA user_version = %1").arg(schemaversion)) || !run(QStringLiteral("COMMIT"))) return false;
    } else if (version == schemaversion) {
        QSqlQuery q(db);
        if (q.exec(QStringLiteral("PRAGMA quick_check")) && q.next()) check = q.value(0).toString();
        else check = sqlerror(q.lastError());
        if (check != QLatin1String("ok")) damage = check;
    }
    if (!damage.isEmpty()) return false;
    // WAL: a game is one append to the log, whatever the size of the history.
    return run(QStringLiteral("PRAGMA journal_mode = WAL")) &&
           run(durable ? QStringLiteral("PRAGMA synchronous = FULL") : QStringLiteral("PRAGMA synchronous = OFF")) &&
           run(QStringLiteral("PRAGMA busy_timeout = 5000"));
}

void HistoryDatabase::setasidedamaged(const QString& why) {
    const QString path = file(folder);
    QString fault;
    const QString aside = setaside(path, QStringLiteral("unreadable"), clock(), true, &fault);
    if (aside.isEmpty()) {
        refused = true;
        lastfault = QStringLiteral("it cannot be read (%1) and cannot be set aside (%2)").arg(why, fault);
        news << QStringLiteral("The game history\n%1\ncould not be read (%2) and could not be set aside (%3).\n\n"
                               "It is left as it is, and this run keeps its games only while it runs.")
                    .arg(QDir::toNativeSeparators(path), why, fault);
        return;
    }
    // The log and the index beside it belong to the file set aside.
    for (const char* part : {"-wal", "-shm"})
        if (QFileInfo::exists(path + QLatin1String(part))) QFile::rename(path + QLatin1String(part), aside + QLatin1String(part));
    news << QStringLiteral("The game history\n%1\ncould not be read (%2), so it was set aside as\n%3\n\n"
                           "A new history starts with the next game.")
                .arg(QDir::toNativeSeparators(path), why, QDir::toNativeSeparators(aside));
}

void HistoryDatabase::importfiles() {
    QSqlDatabase db = QSqlDatabase::database(connection, false);
    for (int slot = 1; slot <= slotcount; ++slot) {
        const QString json = historyfile(folder, slot);
        const QString name = QFileInfo(json).fileName();
        QSqlQuery seen(db);
        seen.prepare(QStringLiteral("SELECT 1 FROM imported WHERE file = ?"));
        seen.addBindValue(name);
        if (!QFileInfo::exists(json) || !seen.exec() || seen.next()) continue;

        QFile in(json);
        std::vector<GameRecord> games;
        QString why;
        if (in.size() > HistoryBook::largest) why = QStringLiteral("far too large to be one");
        else if (!in.open(QIODevice::ReadOnly)) why = in.errorString();
        else readhistory(in.readAll(), slot, games, &why);
        if (!run(QStringLiteral("BEGIN IMMEDIATE"))) return;
        QSqlQuery add(db);
        add.prepare(insertgame);
        bool done = true;
        for (const GameRecord& g : games) {
            add.bindValue(QStringLiteral(":slot"), slot);
            bindgame(add, g);
            done = done && add.exec();
        }
        QSqlQuery mark(db);
        mark.prepare(QStringLiteral("INSERT INTO imported (file, games) VALUES (?, ?)"));
        mark.addBindValue(name);
        mark.addBindValue(qint64(games.size()));
        if (!done || !mark.exec() || !run(QStringLiteral("COMMIT"))) {
            lastfault = sqlerror(done ? mark.lastError() : add.lastError());
            run(QStringLiteral("ROLLBACK"));
            return;
        }
        // A file that could not be read stays where it is, as it is; the player hears of it once.
        if (!why.isEmpty())
            news << QStringLiteral("The game history of player slot %1 in\n%2\ncould not be read (%3). It is left as it "
                                   "is; the slot's history starts afresh.")
                        .arg(slot)
                        .arg(QDir::toNativeSeparators(json), why);
    }
}

bool HistoryDatabase::append(int slot, const GameRecord& game) {
    if (!open()) return false;
    QSqlQuery q(QSqlDatabase::database(connection, false));
    q.prepare(insertgame);
    q.bindValue(QStringLiteral(":slot"), slot);
    bindgame(q, game);
    // A statement on its own is a transaction of its own: the game is in whole or not at all.
    if (q.exec()) return true;
    lastfault = sqlerror(q.lastError());
    return false;
}

bool HistoryDatabase::amendnewest(int slot, const GameRecord& game) {
    if (!open()) return false;
    QSqlDatabase db = QSqlDatabase::database(connection, false);
    QSqlQuery newest(db);
    newest.prepare(QStringLiteral("SELECT id, timems FROM games WHERE slot = ? ORDER BY id DESC LIMIT 1"));
    newest.addBindValue(slot);
    if (!newest.exec()) {
        lastfault = sqlerror(newest.lastError());
        return false;
    }
    // Only the game itself is amended; one whose settling never reached the database goes in now.
    if (!newest.next() || newest.value(1).toLongLong() != game.timems) return append(slot, game);
    QSqlQuery q(db);
    q.prepare(QStringLiteral("UPDATE games SET timems = :timems, machinepay = :machinepay, linesplayed = :linesplayed,"
                             " betperline = :betperline, stake = :stake, win = :win, featuretotal = :featuretotal,"
                             " freespins = :freespins, gamblestake = :gamblestake, gambleamount = :gambleamount,"
                             " gamblecollected = :gamblecollected, credit = :credit, game = :game WHERE id = :id"));
    bindgame(q, game);
    q.bindValue(QStringLiteral(":id"), newest.value(0));
    if (q.exec()) return true;
    lastfault = sqlerror(q.lastError());
    return false;
}

bool HistoryDatabase::clear(int slot) {
    if (!open()) return false;
    QSqlQuery q(QSqlDatabase::database(connection, false));
    q.prepare(QStringLiteral("DELETE FROM games WHERE slot = ?"));
    q.addBindValue(slot);
    if (q.exec()) return true;
    lastfault = sqlerror(q.lastError());
    return false;
}

std::vector<GameRecord> HistoryDatabase::newest(int slot, int count) {
    if (!open()) return {};
    return newestin(QSqlDatabase::database(connection, false), slot, count);
}

QStringList HistoryDatabase::takenews() {
    QStringList taken;
    taken.swap(news);
    return taken;
}

std::optional<std::vector<GameRecord>> HistoryDatabase::read(const QString& path, int slot, int count, QString* why) {
    const QString name = QStringLiteral("zelslots-history-read-%1").arg(quintptr(&path));
    std::optional<std::vector<GameRecord>> games;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=5000"));
        if (!db.open()) {
            if (why) *why = sqlerror(db.lastError());
        } else {
            QSqlQuery q(db);
            if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next()) {
                if (why) *why = sqlerror(q.lastError());
            } else if (q.value(0).toInt() != schemaversion) {
                if (why) *why = QStringLiteral("it is no history database of this version of the game");
            } else {
                games = newestin(db, slot, count);
            }
        }
    }
    QSqlDatabase::removeDatabase(name);
    return games;
}

}  // namespace zel
