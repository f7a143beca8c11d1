#pragma once
// A storm of player input on the machine's rules: random clicks on every control (shown or
// not), keys with the space bar now and then held down, every menu command, and the options,
// about and pay-table windows' own input, both between handlers and at every event pump and wait
// inside them, as a player hammering the window would deliver it. An exit ends the run the way
// the real program ends (nothing after it runs), and the game starts again on the same store.
#include <memory>
#include <random>
#include <vector>

#include <QTemporaryDir>

#include "fakeplatform.h"
#include "core/machine/dispatcher.h"
#include "core/history/historyform.h"
#include "core/machine/zel.h"
#include "core/players/options.h"
#include "core/shell/secondaryforms.h"

namespace zeltest {

// Thrown where the real program ends at once.
struct GameEnded {};

// A fake platform whose end of the program leaves every handler at once, and whose message
// boxes let the timers tick while they wait for the player (they are modal: nothing else comes).
class StormPlatform : public zel::FakePlatform {
public:
    using FakePlatform::FakePlatform;
    void endprogram() override {
        ended = true;
        throw GameEnded{};
    }
    zel::MsgResult msgbox(const QString& text, const QString& title, zel::MsgIcon icon, zel::MsgButtons buttons) override {
        if (onmodal) onmodal();
        return FakePlatform::msgbox(text, title, icon, buttons);
    }
    std::function<void()> onmodal;
};

class Storm {
public:
    Storm(uint64_t seed, const QString& storefile);
    ~Storm();

    // One action of the player between handlers; returns false when it ended the game.
    bool act();
    // The game starts (again) on the store.
    void start();

    // What the checks read.
    zel::Player& player() { return *record; }
    zel::Zel& machine() { return *zel; }
    zel::Dispatcher& input() { return *dispatcher; }
    StormPlatform& platform() { return *pf; }
    bool windowopen() const { return options || about || pays || help || history; }

    // Trouble seen while input arrived inside handlers.
    int deepest = 0;          // the most times one handler ran at once
    int midspinstore = 0;     // reads or writes of the store in the middle of a spin or a gamble
    int injected = 0;         // input delivered inside handlers
    int runs = 0;             // times the game was started

private:
    void inject();
    void randominput(bool nested);
    void press(bool offeredonly);
    void optionsinput();
    void closesmallwindow();
    void dropclosedwindows();
    double chance() { return std::uniform_real_distribution<double>(0, 1)(rng); }
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); }

    std::mt19937_64 rng;
    QString file;
    std::unique_ptr<StormPlatform> pf;
    std::unique_ptr<zel::Player> record;
    std::unique_ptr<zel::Zel> zel;
    std::unique_ptr<zel::Dispatcher> dispatcher;
    std::unique_ptr<zel::Options> options;
    std::unique_ptr<zel::Aboutzel> about;
    std::unique_ptr<zel::Zelpays> pays;
    std::unique_ptr<zel::Zelhelp> help;
    std::unique_ptr<zel::Historyzel> history;
    bool spaceheld = false;
    int nesting = 0;
};

}  // namespace zeltest
