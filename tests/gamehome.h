#pragma once
// A home of its own for a run of the real game: its settings (XDG_CONFIG_HOME) and its game
// history (XDG_DATA_HOME) in a folder of the test's, never in the user's own.
#include <QProcessEnvironment>
#include <QString>

namespace zeltest {

// The settings store goes under `folder`, the history under `folder`/data.
inline void givehome(QProcessEnvironment& env, const QString& folder) {
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), folder);
    env.insert(QStringLiteral("XDG_DATA_HOME"), folder + QStringLiteral("/data"));
}

// Where the game keeps its settings and its history in such a home.
inline QString homesettings(const QString& folder) { return folder + QStringLiteral("/zelslots/zelslots.conf"); }
inline QString homehistory(const QString& folder) { return folder + QStringLiteral("/data/zelslots"); }

}  // namespace zeltest
