#include "core/history/historybook.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include "core/history/gamerecordjson.h"
#include "core/platform/settingsstore.h"

namespace zel {

namespace {
constexpr int slotcount = 6;
const QString title = QStringLiteral("Slots_ZEL");
}  // namespace

QString userdatafolder() {
    // The application's own data folder, named here so the tools find it whatever the program
    // that asks calls itself.
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)).filePath(QStringLiteral("zelslots"));
}

QString historyfile(const QString& folder, int slot) {
    return QDir(folder).filePath(QStringLiteral("history-player%1.json").arg(slot));
}

bool HistoryBook::enabled() {
    if (on < 0) on = platform.datafolder().isEmpty() ? 0 : 1;
    return on == 1;
}

QString HistoryBook::filepath(int slot) { return historyfile(platform.datafolder(), slot); }

const std::vector<GameRecord>& HistoryBook::games(int slot) {
    load(slot);
    return list;
}

void HistoryBook::add(int slot, const GameRecord& game) {
    load(slot);
    if (loaded != slot) return;
    list.push_back(game);
    encoded.push_back(gamebytes(game));
    if (list.size() > size_t(kept)) {
        list.erase(list.begin(), list.end() - kept);
        encoded.erase(encoded.begin(), encoded.end() - kept);
    }
    write(slot);
}

void HistoryBook::amendnewest(int slot, const GameRecord& game) {
    load(slot);
    if (loaded != slot || list.empty()) return;
    list.back() = game;
    encoded.back() = gamebytes(game);
    write(slot);
}

void HistoryBook::clear(int slot) {
    load(slot);
    if (loaded != slot || keepoff) return;
    list.clear();
    encoded.clear();
    QFile::remove(filepath(slot));
}

void HistoryBook::load(int slot) {
    if (slot < 1 || slot > slotcount || !enabled() || slot == loaded) return;
    loaded = slot;
    list.clear();
    encoded.clear();
    keepoff = false;
    // A game killed as it wrote leaves its half-written copy; one a minute old has no writer left.
    SettingsStore::removeorphans(filepath(slot), 60000);
    QFile file(filepath(slot));
    if (!file.exists()) return;
    if (file.size() > largest) return setaside(slot, QStringLiteral("far too large to be one"));
    if (!file.open(QIODevice::ReadOnly)) return setaside(slot, QStringLiteral("it cannot be opened"));
    QString why;
    std::vector<GameRecord> read;
    if (!readhistory(file.readAll(), slot, read, &why)) return setaside(slot, why);
    if (read.size() > size_t(kept)) read.erase(read.begin(), read.end() - kept);
    list = std::move(read);
    for (const GameRecord& g : list) encoded.push_back(gamebytes(g));
}

void HistoryBook::write(int slot) {
    if (keepoff) return;
    QDir().mkpath(platform.datafolder());
    QSaveFile file(filepath(slot));
    const bool written = file.open(QIODevice::WriteOnly) && file.write(historyjson(slot, encoded)) >= 0 && file.commit();
    if (written || toldunwritable) return;
    toldunwritable = true;
    tell(QStringLiteral("The game history cannot be saved in\n%1\n\n"
                        "The game plays on and keeps this run's games while it runs.")
             .arg(QDir::toNativeSeparators(platform.datafolder())));
}

void HistoryBook::setaside(int slot, const QString& why) {
    // Kept under a name of its own beside the new history: nothing a player had is thrown away.
    const QString path = filepath(slot);
    const QString stamp = QDateTime::fromMSecsSinceEpoch(platform.nowms(), Qt::UTC).toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = path + QStringLiteral(".unreadable-") + stamp;
    for (int n = 2; QFileInfo::exists(aside); ++n) aside = path + QStringLiteral(".unreadable-%1-%2").arg(stamp).arg(n);
    if (QFile::rename(path, aside)) {
        tell(QStringLiteral("The game history of player slot %1 could not be read (%2), so it was set aside as\n%3\n\n"
                            "A new history starts with the next game.")
                 .arg(slot).arg(why, QDir::toNativeSeparators(aside)));
        return;
    }
    keepoff = true;
    tell(QStringLiteral("The game history of player slot %1 could not be read (%2) and could not be set aside:\n%3\n\n"
                        "It is left as it is, and this run keeps no history for the slot.")
             .arg(slot).arg(why, QDir::toNativeSeparators(path)));
}

void HistoryBook::tell(const QString& text) {
    if (unattended) qWarning("zelslots: %s", qPrintable(QString(text).replace(QLatin1Char('\n'), QLatin1Char(' '))));
    else platform.msgbox(text, title, MsgIcon::information, MsgButtons::ok);
}

}  // namespace zel
