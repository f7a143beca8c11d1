#pragma once
// The game's command line: --help and --version. The game takes no other options or arguments of
// its own; Qt's options for every program (-platform, -style, ...) are QApplication's.
#include <QString>
#include <QStringList>
#include <optional>

namespace zel {

// The usage: what the game is, its options, and the file the players' records live in.
QString usagetext(const QString& settingsfile);

// Reads the arguments (the program's name first), Qt's own options set aside for QApplication.
// Prints the usage or the version on standard output, or the fault and the usage on standard
// error, and returns the exit status to end with (0 or 2); nothing when the game is to be played.
// Needs no display, so call it before QApplication exists.
std::optional<int> readcommandline(const QStringList& arguments, const QString& settingsfile);

}  // namespace zel
