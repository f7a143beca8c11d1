#pragma once
// The seam between the game's rules and the machine they run on: randomness, time,
// the event pump, sound, message boxes, the per-user settings store and the display.
// The real window uses QtPlatform; tests and tools use platforms that record instead.
#include <utility>

#include <QList>
#include <QString>

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
    virtual QString getsetting(const QString& section, const QString& key) = 0;
    // Stores the values of one section together, in one write to the disk: all of them, or none
    // when the store cannot take them (false).
    using Values = QList<std::pair<QString, QString>>;
    virtual bool saverecord(const QString& section, const Values& values) = 0;
    bool savesetting(const QString& section, const QString& key, const QString& value) {
        return saverecord(section, {{key, value}});
    }
    // Where the store keeps its values, as a player would look for them (a file's path).
    virtual QString storelocation() = 0;

    // The folder for the game's own files beyond the settings (the game history); empty when
    // this platform keeps none (tools, benchmarks).
    virtual QString datafolder() = 0;
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
