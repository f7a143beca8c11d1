#pragma once
// The game from its start to its end: the command line, one game per settings store, the rules
// and the windows put together, the desktop's requests, the event loop. main() is this and no
// more; a test harness runs the very same game on a platform of its own.
#include <functional>
#include <memory>

namespace zel {

class QtPlatform;
class Zel;
class ZelWindow;

struct GameHooks {
    // Makes the platform the game runs on; the real one when not set.
    std::function<std::unique_ptr<QtPlatform>()> makeplatform;
    // Runs once the machine has started (its record loaded, a play in progress taken up), before
    // its window shows.
    std::function<void(Zel&, ZelWindow&, QtPlatform&)> started;
};

int rungame(int argc, char** argv, const GameHooks& hooks = {});

}  // namespace zel
