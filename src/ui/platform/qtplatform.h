#pragma once
// The platform of the real game: one random generator, waits that block the window thread,
// the Qt event pump, the sound bank, Qt message boxes, the user's settings store and the
// screen. The main window plugs in how it draws itself and how it scales.
#include <chrono>
#include <deque>
#include <functional>
#include <memory>

#include "core/platform/gamerandom.h"
#include "core/platform/platform.h"
#include "store/gamestore.h"

class QObject;

namespace zel {

class SoundBank;

class QtPlatform : public Platform {
public:
    struct Options {
        bool sound = true;        // load the sound bank (tests and benchmarks run silent)
        bool sleeps = true;       // waits block for their time (tests switch this off)
        QString settingsfile;     // empty: the user's own store of application "zelslots"
        bool durable = true;      // each write of the store waits for the disk
        // Where the game history goes; empty: the user's data folder when the store is the user's
        // own, and no history at all beside a given settings file (tests, benchmarks).
        QString datafolder;

        Options(bool sound = true, bool sleeps = true, QString settingsfile = {}, QString datafolder = {})
            : sound(sound), sleeps(sleeps), settingsfile(std::move(settingsfile)), datafolder(std::move(datafolder)) {}
    };
    QtPlatform();
    explicit QtPlatform(const Options& options);
    ~QtPlatform() override;

    void randomize() override;
    double rnd() override;
    void wait(int ms) override;
    void doevents() override;
    void playclip(int n, bool loop = false) override;
    MsgResult msgbox(const QString& text, const QString& title, MsgIcon icon, MsgButtons buttons) override;
    QString getsetting(const QString& section, const QString& key) override;
    void commit(const QList<Section>& sections) override;
    void flush() override;
    QStringList storenews() override;
    void keeporiginal(const QString& why) override;
    QString storelocation() override;
    HistoryStore* history() override;
    qint64 nowms() override;
    int logicaldpi() override;
    void changedisplay(int width, int height) override;
    [[noreturn]] void endprogram() override;

    // The player's sound switch, remembered in the store's application section "sound", key "on"
    // ("1" on, "0" off; on when never set). Switching off silences the clip that sounds at once.
    bool soundon() const { return soundswitch; }
    void setsound(bool on);

    // Set by the main window: draw the window now (synchronously), and show it at a scale; and what
    // to do when the store has news for the player (it runs on the window thread).
    std::function<void()> renderhook;
    std::function<void(double)> scalehook;
    std::function<void()> newshook;
    // Runs as the program ends, before the store's last writes reach the disk.
    std::function<void()> endhook;

    // Where the game history goes for these options.
    static QString datafolderfor(const Options& options);

    // The window scale that shows the game as on a display of width x height pixels.
    static double scalefor(int width, int height);

#ifndef NDEBUG
    // Numbers that rnd() hands out before the generator (from ZELSLOTS_SCRIPT), so a tester
    // can force reel stops: stop s comes from (s - 0.5) / 22.
    std::deque<double> script;
    // Parses "0.02,0.5,..."; entries that are not numbers in [0, 1) are left out and reported.
    static std::deque<double> parsescript(const QString& text, QString* rejected = nullptr);
#endif

private:
    static constexpr int catchupms = 25;  // the most a late frame is made up by the next one
    Options options;
    std::chrono::steady_clock::time_point lastdue;
    GameRandom rng;
    std::unique_ptr<QObject> newsrelay;  // carries the writer's news over to the window thread
    std::unique_ptr<GameStore> store;
    std::unique_ptr<SoundBank> sounds;
    bool soundswitch = true;
};

}  // namespace zel
