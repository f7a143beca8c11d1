#pragma once
// The per-user settings store: text values by section and key, in QSettings' native format
// (an INI file under the user's config folder on Linux), or in a given INI file.
#include <memory>
#include <utility>

#include <QList>
#include <QString>

class QSettings;

namespace zel {

class SettingsStore {
public:
    SettingsStore();                                   // the user's own store of application "zelslots"
    explicit SettingsStore(const QString& inifile);    // a store in a given file (tests, tools)
    ~SettingsStore();

    QString get(const QString& section, const QString& key);
    // Sets every value of the section, then writes the file once (the file is replaced as a whole,
    // so a record is on the disk whole or not at all). False when the file could not be written.
    bool save(const QString& section, const QList<std::pair<QString, QString>>& values);
    // The file the values live in.
    QString location() const;

    // A game killed while it wrote its settings can leave its lock file behind, empty, and the
    // next writer would wait half a minute before calling it stale. A lock whose writer is gone,
    // or that is still empty this long after it was made, is cleared before writing (so a save
    // waits a second at most); so is a half-written copy of the file that such a writer left.
    static constexpr int stalelockms = 500;
    // A lock that a live writer holds is left to it.
    static void clearstalelock(const QString& file);
    // Removes the half-written copies of a file (its name, a dot and six letters or digits) that a
    // killed writer left, those at least `agems` old.
    static void removeorphans(const QString& file, qint64 agems = 0);

private:
    std::unique_ptr<QSettings> settings;
};

}  // namespace zel
