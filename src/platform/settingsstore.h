#pragma once
// The per-user settings store: text values by section and key, in QSettings' native format
// (an INI file under the user's config folder on Linux), or in a given INI file.
#include <memory>

#include <QString>

class QSettings;

namespace zel {

class SettingsStore {
public:
    SettingsStore();                                   // the user's own store of application "zelslots"
    explicit SettingsStore(const QString& inifile);    // a store in a given file (tests, tools)
    ~SettingsStore();

    QString get(const QString& section, const QString& key);
    bool save(const QString& section, const QString& key, const QString& value);

private:
    std::unique_ptr<QSettings> settings;
};

}  // namespace zel
