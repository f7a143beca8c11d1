#pragma once
// The settings store's file: the INI file of QSettings (on Linux ~/.config/zelslots/zelslots.conf),
// read once as the game starts and written by the game itself, whole, in QSettings' own form, so
// that each write can be checked before it replaces the file (safefile.h). The file holds the keys
// of core/players/storekeys.h and nothing else.
#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

#include "core/platform/platform.h"

namespace zel {

// The store's values, section by section, each section's keys in the order they were first set.
class StoreImage {
public:
    QString value(const QString& section, const QString& key) const;
    void apply(const Platform::Section& section);
    bool empty() const { return sections.isEmpty(); }
    // The file's form, sections in the order of their names: the texts QSettings reads back.
    QByteArray inibytes() const;

private:
    QMap<QString, Platform::Values> sections;
};

// What reading the file found.
struct StoreReading {
    enum class State { missing, read, unreadable };
    State state = State::missing;
    StoreImage image;       // the game's own keys, as the file has them
    QStringList strangers;  // what else the file holds: lines that are not settings, keys the game does not keep
    QStringList badvalues;  // the game's keys whose values do not convert ([player1] bank = "99999999999")
    QString why;            // why the file cannot be read, or why no file can be written where it belongs
    bool writable = true;   // whether the file's folder can take the file
};

StoreReading readstore(const QString& path);

// The user's own store of application "zelslots", where QSettings keeps it on this system.
QString userstorefile();

// A value in QSettings' INI form (quoted where QSettings would quote it, escapes as it writes them).
QByteArray inivalue(const QString& value);

}  // namespace zel
