#include "store/gamestore.h"

#include <QDateTime>
#include <QDir>

#include "store/historydatabase.h"
#include "store/safefile.h"

namespace zel {

namespace {
QString native(const QString& path) { return QDir::toNativeSeparators(path); }

QString unsaved(const QString& file, const QString& why) {
    return QStringLiteral("Your player records cannot be saved to\n%1\n(%2)\n\n"
                          "The game plays on and keeps them while it runs; they are saved as soon as the file can "
                          "be written again.")
        .arg(native(file), why);
}
}  // namespace

GameStore::GameStore(Options o) : options(std::move(o)) {
    if (!options.clock) options.clock = [] { return QDateTime::currentMSecsSinceEpoch(); };
    const StoreReading reading = readstore(options.settingsfile);
    image = reading.image;
    disk = reading.image;
    const QString file = native(options.settingsfile);
    if (reading.state == StoreReading::State::unreadable) {
        // What cannot be read is never written over: this run's records live in memory only.
        readonly = toldsettings = true;
        tell(QStringLiteral("Your player records cannot be read from\n%1\n(%2)\n\n"
                            "The game plays on with fresh records and leaves that file as it is: what you play now is "
                            "not kept when you leave.")
                 .arg(file, reading.why));
    } else if (!reading.writable) {
        toldsettings = true;
        tell(unsaved(options.settingsfile, reading.why));
    }
    if (reading.state == StoreReading::State::read && (!reading.strangers.isEmpty() || !reading.badvalues.isEmpty())) {
        QStringList what = reading.badvalues;
        what += reading.strangers;
        const QString kind = reading.badvalues.isEmpty() ? QStringLiteral("lines") : QStringLiteral("values");
        thread.post([this, kind, what] { copyoriginal(QStringLiteral("%1 the game cannot read:\n%2").arg(kind, what.join(QLatin1Char('\n')))); });
    }
    // Copies half-written by a game killed before its rename have no writer left (one game a store).
    thread.post([this] { removeorphans(options.settingsfile); });
}

GameStore::~GameStore() {
    // The database belongs to the writer thread and goes there, after every write.
    thread.post([this] { db.reset(); });
    thread.flush();
}

QStringList GameStore::news() {
    std::lock_guard lock(newslock);
    QStringList taken;
    taken.swap(pendingnews);
    return taken;
}

void GameStore::tell(const QString& text) {
    {
        std::lock_guard lock(newslock);
        pendingnews << text;
    }
    if (onnews) onnews();
}

void GameStore::commit(const QList<Platform::Section>& sections) {
    for (const Platform::Section& s : sections) image.apply(s);
    std::lock_guard lock(batchlock);
    batch += sections;
    if (batchopen) return;
    batchopen = true;
    thread.postsettings([this](bool last) {
        QList<Platform::Section> taken;
        {
            std::lock_guard lock(batchlock);
            taken.swap(batch);
            batchopen = false;
        }
        for (const Platform::Section& s : taken) disk.apply(s);
        // Each write holds the whole file: a write that follows at once does this one's too.
        if (last) writesettings();
    });
}

void GameStore::post(std::function<void()> task) {
    std::lock_guard lock(batchlock);
    batchopen = false;
    thread.post(std::move(task));
}

void GameStore::writesettings() {
    if (readonly) return;
    const QString fault = replacefile(options.settingsfile, disk.inibytes(), options.durable);
    if (fault.isEmpty() || toldsettings) return;
    toldsettings = true;
    tell(unsaved(options.settingsfile, fault));
}

void GameStore::keeporiginal(const QString& why) {
    post([this, why] { copyoriginal(why); });
}

void GameStore::copyoriginal(const QString& what) {
    const QString file = native(options.settingsfile);
    // One copy a run, told once: it holds the file as it was before the game wrote anything.
    if (copied) return;
    QString why;
    const QString copy = setaside(options.settingsfile, QStringLiteral("original"), options.clock(), false, &why);
    if (copy.isEmpty()) {
        readonly = toldsettings = true;
        tell(QStringLiteral("Your settings file\n%1\nholds %2\n\nA copy of it cannot be made (%3), so the game leaves "
                            "it as it is and keeps its records only while it runs.")
                 .arg(file, what, why));
        return;
    }
    copied = true;
    tell(QStringLiteral("Your settings file\n%1\nholds %2\n\nIt is kept as it was in\n%3\nand the game goes on "
                        "without what it cannot read.")
             .arg(file, what, native(copy)));
}

HistoryDatabase& GameStore::database() {
    if (!db) db = std::make_unique<HistoryDatabase>(options.datafolder, options.durable, options.clock);
    return *db;
}

void GameStore::writehistory(HistoryWrite write) {
    // A write the database could not take waits for the next, so nothing is lost and the order stays.
    if (write.kind == HistoryWrite::Kind::amend) {
        for (auto w = waiting.rbegin(); w != waiting.rend(); ++w)
            if (w->slot == write.slot && w->kind == HistoryWrite::Kind::append && w->game.timems == write.game.timems) {
                w->game = write.game;
                return;
            }
    }
    if (write.kind == HistoryWrite::Kind::clear)
        std::erase_if(waiting, [slot = write.slot](const HistoryWrite& w) { return w.slot == slot; });
    waiting.push_back(std::move(write));
    HistoryDatabase& history = database();
    while (!waiting.empty()) {
        const HistoryWrite& next = waiting.front();
        const bool done = next.kind == HistoryWrite::Kind::append  ? history.append(next.slot, next.game)
                          : next.kind == HistoryWrite::Kind::amend ? history.amendnewest(next.slot, next.game)
                                                                   : history.clear(next.slot);
        for (const QString& text : history.takenews()) tell(text);
        if (!done) {
            if (!toldhistory)
                tell(QStringLiteral("The game history cannot be saved in\n%1\n(%2)\n\n"
                                    "The game plays on and keeps this run's games; they are saved as soon as the file "
                                    "can be written again.")
                         .arg(native(HistoryDatabase::file(options.datafolder)), history.fault()));
            toldhistory = true;
            return;
        }
        waiting.pop_front();
    }
}

void GameStore::append(int slot, const GameRecord& game) {
    post([this, slot, game] { writehistory({HistoryWrite::Kind::append, slot, game}); });
}

void GameStore::amendnewest(int slot, const GameRecord& game) {
    post([this, slot, game] { writehistory({HistoryWrite::Kind::amend, slot, game}); });
}

void GameStore::clear(int slot) {
    post([this, slot] { writehistory({HistoryWrite::Kind::clear, slot, {}}); });
}

std::vector<GameRecord> GameStore::newest(int slot, int count) {
    std::vector<GameRecord> games;
    post([this, slot, count, &games] {
        games = database().newest(slot, count);
        for (const QString& text : database().takenews()) tell(text);
        // Games still waiting for the database are the player's all the same.
        for (const HistoryWrite& w : waiting) {
            if (w.slot != slot) continue;
            if (w.kind == HistoryWrite::Kind::clear) games.clear();
            else if (w.kind == HistoryWrite::Kind::append) games.push_back(w.game);
            else if (!games.empty() && games.back().timems == w.game.timems) games.back() = w.game;
            else games.push_back(w.game);
        }
        if (games.size() > size_t(count)) games.erase(games.begin(), games.end() - count);
    });
    thread.flush();
    return games;
}

QString GameStore::databasefile() const {
    return options.datafolder.isEmpty() ? QString() : HistoryDatabase::file(options.datafolder);
}

}  // namespace zel
