#include "core/history/historybook.h"

#include <QDir>
#include <QStandardPaths>

#include "core/players/storekeys.h"

namespace zel {

QString userdatafolder() {
    // The application's own data folder, named here so the tools find it whatever the program
    // that asks calls itself.
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)).filePath(QStringLiteral("zelslots"));
}

QString historyfile(const QString& folder, int slot) {
    return QDir(folder).filePath(QStringLiteral("history-player%1.json").arg(slot));
}

const std::vector<GameRecord>& HistoryBook::games(int slot) {
    load(slot);
    return list;
}

void HistoryBook::add(int slot, const GameRecord& game) {
    load(slot);
    if (loaded != slot) return;
    list.push_back(game);
    if (list.size() > size_t(shown)) list.erase(list.begin(), list.end() - shown);
    platform.history()->append(slot, game);
}

void HistoryBook::amendnewest(int slot, const GameRecord& game) {
    load(slot);
    if (loaded != slot || list.empty()) return;
    list.back() = game;
    platform.history()->amendnewest(slot, game);
}

void HistoryBook::clear(int slot) {
    load(slot);
    if (loaded != slot) return;
    list.clear();
    platform.history()->clear(slot);
}

void HistoryBook::load(int slot) {
    if (slot < 1 || slot > slotcount || !enabled() || slot == loaded) return;
    loaded = slot;
    list = platform.history()->newest(slot, shown);
}

}  // namespace zel
