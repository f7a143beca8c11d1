#pragma once
// The game history in one SQLite database (through Qt SQL) in the game's data folder: a row per
// settled game of every player slot, with its free spins and cards in the history's JSON form,
// each game written in a transaction of its own (in WAL mode, so that the cost of a game does not
// grow with the games kept). The database is made the first time it is needed, and the history
// files of earlier versions are read into it once and left where they are. A file in its place
// that is not a history database of this game is set aside under another name, never written
// over. Used from one thread only: the store's writer.
#include <functional>
#include <optional>
#include <vector>

#include <QString>
#include <QStringList>

#include "core/history/gamerecord.h"

namespace zel {

class HistoryDatabase {
public:
    // `durable`: each game is on the disk when its write returns (tests may do without).
    HistoryDatabase(const QString& folder, bool durable, std::function<qint64()> clock);
    ~HistoryDatabase();
    HistoryDatabase(const HistoryDatabase&) = delete;
    HistoryDatabase& operator=(const HistoryDatabase&) = delete;

    static constexpr int schemaversion = 1;
    // The database file in a data folder.
    static QString file(const QString& folder);

    // Each is false when the database cannot do it now; `fault()` says why.
    bool append(int slot, const GameRecord& game);
    // The slot's newest game changed after it settled; a game that never made it in goes in now.
    bool amendnewest(int slot, const GameRecord& game);
    bool clear(int slot);
    // The newest `count` games of the slot, oldest first.
    std::vector<GameRecord> newest(int slot, int count);
    QString fault() const { return lastfault; }

    // What the player must hear: a database set aside, an old history file that could not be read.
    QStringList takenews();

    // The newest games of a slot from a database file, opened to read only (the tools); nullopt
    // when the file is no history database of this game (`why` says why).
    static std::optional<std::vector<GameRecord>> read(const QString& file, int slot, int count, QString* why);

private:
    bool open();
    bool prepare(QString& damage);
    void importfiles();
    void setasidedamaged(const QString& why);
    bool run(const QString& sql);
    void close();

    QString folder;
    QString connection;
    bool durable;
    std::function<qint64()> clock;
    bool isopen = false;
    bool refused = false;   // a database of a newer version: left alone for this run
    QString lastfault;
    QStringList news;
};

}  // namespace zel
