#pragma once
// What the game keeps on the disk: the settings store's file and the game history's database,
// both written by one writer thread in the order the game made its writes, so that a record
// always reaches the disk before the game it settled goes into the history. The game reads its
// values back from memory at once; the disk catches up behind it, and a write that fails keeps
// everything for the next one. What goes wrong is news for the player, each trouble once.
#include <deque>
#include <functional>
#include <memory>
#include <mutex>

#include <QString>
#include <QStringList>

#include "core/platform/historystore.h"
#include "core/platform/platform.h"
#include "store/settingsfile.h"
#include "store/storethread.h"

namespace zel {

class HistoryDatabase;

class GameStore : public HistoryStore {
public:
    struct Options {
        QString settingsfile;
        QString datafolder;              // where the history goes; empty: no history
        bool durable = true;             // each write waits for the disk (tests may do without)
        std::function<qint64()> clock;   // dates the names of files set aside
    };
    explicit GameStore(Options options);
    ~GameStore() override;  // everything handed over reaches the disk first
    GameStore(const GameStore&) = delete;
    GameStore& operator=(const GameStore&) = delete;

    // The settings, as Platform has them (core/platform/platform.h).
    QString value(const QString& section, const QString& key) const { return image.value(section, key); }
    void commit(const QList<Platform::Section>& sections);
    void flush() { thread.flush(); }
    QStringList news();
    void keeporiginal(const QString& why);
    QString location() const { return options.settingsfile; }
    HistoryStore* history() { return options.datafolder.isEmpty() ? nullptr : this; }

    // The history (core/platform/historystore.h).
    std::vector<GameRecord> newest(int slot, int count) override;
    void append(int slot, const GameRecord& game) override;
    void amendnewest(int slot, const GameRecord& game) override;
    void clear(int slot) override;
    QString databasefile() const override;

    // Runs on the writer thread when there is news for the player; the window then asks for it.
    std::function<void()> onnews;

private:
    // A write of the history that has not reached the database yet: it goes in before the next.
    struct HistoryWrite {
        enum class Kind { append, amend, clear };
        Kind kind;
        int slot;
        GameRecord game;
    };

    void tell(const QString& text);
    void post(std::function<void()> task);
    void writesettings();
    void copyoriginal(const QString& what);
    void writehistory(HistoryWrite write);
    HistoryDatabase& database();

    Options options;
    StoreImage image;  // the window thread's: what the game committed

    // The writer thread's own.
    StoreImage disk;                   // what the settings file is to hold
    bool readonly = false;             // the file could not be read: it is never written over
    bool copied = false;               // the file as it was is kept aside already
    bool toldsettings = false, toldhistory = false;
    std::deque<HistoryWrite> waiting;  // history writes the database could not take yet
    std::unique_ptr<HistoryDatabase> db;

    std::mutex newslock;
    QStringList pendingnews;

    // Settings handed over while the writer is still at an earlier task go into one write, as long
    // as nothing else was handed over after them (the order of the disk's writes stays the game's).
    std::mutex batchlock;
    QList<Platform::Section> batch;
    bool batchopen = false;

    StoreThread thread;  // last: it stops before everything it uses goes
};

}  // namespace zel
