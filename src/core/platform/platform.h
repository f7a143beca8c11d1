#pragma once
// The seam between the game's rules and the machine they run on: randomness, time,
// the event pump, sound, message boxes, the per-user settings store, the game history and the
// display.
// The real window uses QtPlatform; tests and tools use platforms that record instead.
#include <utility>

#include <QList>
#include <QString>
#include <QStringList>

#include "core/platform/historystore.h"

namespace zel {

enum class MsgIcon { information, stop };
enum class MsgButtons { ok, yesNoDefaultNo };
enum class MsgResult { ok, yes, no };

class Platform {
public:
    virtual ~Platform() = default;

    // Stir the clock into the random generator (never replaces its state).
    virtual void randomize() = 0;
    // Uniform in [0, 1).
    virtual double rnd() = 0;

    // Block the window thread for ms milliseconds (the window is drawn first).
    virtual void wait(int ms) = 0;
    // Let pending window events run; handlers may be re-entered from here.
    virtual void doevents() = 0;

    // Play sound clip n (101..125); a new clip replaces the one that sounds.
    virtual void playclip(int n, bool loop = false) = 0;

    // A modal message box; returns the button pressed.
    virtual MsgResult msgbox(const QString& text, const QString& title, MsgIcon icon, MsgButtons buttons) = 0;

    // The per-user settings store of application "zelslots": a missing key reads as empty text.
    // What the game committed reads back at once, whether or not it has reached the disk yet.
    virtual QString getsetting(const QString& section, const QString& key) = 0;
    // The values of one section, set together; `whole` makes them all the section holds (a whole
    // section without values leaves the store).
    using Values = QList<std::pair<QString, QString>>;
    struct Section {
        QString name;
        Values values;
        bool whole = false;
    };
    // Stores the sections together in one write to the disk, after everything committed before;
    // returns at once, without waiting for the disk. A write that fails replaces nothing: the
    // values stay for the next write, and the player hears of it through storenews().
    virtual void commit(const QList<Section>& sections) = 0;
    void savesetting(const QString& section, const QString& key, const QString& value) {
        commit({{section, {{key, value}}}});
    }
    // Waits until everything committed so far, and the game history's writes, is on the disk (or
    // has failed).
    virtual void flush() = 0;
    // What the player must hear of the store and the history: a file that cannot be read or
    // written, a file set aside or copied. Each trouble is told once; empty when all is well.
    virtual QStringList storenews() = 0;
    // Some of the store's values cannot be kept as they are (`why`): the file is copied aside as it
    // is before anything is written over them, and the player told.
    virtual void keeporiginal(const QString& why) = 0;
    // Where the store keeps its values, as a player would look for them (a file's path).
    virtual QString storelocation() = 0;

    // The game history, or nullptr when this platform keeps none (tools, benchmarks).
    virtual HistoryStore* history() = 0;
    // The time now, in milliseconds since 1970 (UTC), to date a game.
    virtual qint64 nowms() = 0;

    // The screen's logical pixels per inch, horizontally.
    virtual int logicaldpi() = 0;
    // Show the game as on a display of width x height pixels; 0 x 0 restores the user's normal view.
    virtual void changedisplay(int width, int height) = 0;
    // End the program at once: no window's close handler runs, nothing more is saved.
    virtual void endprogram() = 0;
};

}  // namespace zel
