#pragma once
// The machine in its real window for a benchmark, on a platform of the benchmark's choice (the
// game's own, or one that forces draws or notes its waits). Its records go to a settings file in
// a temporary folder, never to the player's own store. The machine is loaded; the window is not
// shown yet.
#include <cstdio>

#include <QScreen>
#include <QTemporaryDir>

#include "core/machine/zel.h"
#include "core/players/player.h"
#include "ui/machine/zelwindow.h"
#include "ui/platform/qtplatform.h"

template <class GamePlatform>
class BenchMachine {
public:
    explicit BenchMachine(bool sound) : platform(options(store, sound)) { machine.Form_Load(); }

    QTemporaryDir store;
    GamePlatform platform;
    zel::Player player;
    zel::Zel machine{player, platform};
    zel::ZelWindow window{machine, &platform};

private:
    static zel::QtPlatform::Options options(const QTemporaryDir& store, bool sound) {
        zel::QtPlatform::Options o;
        o.sound = sound;
        o.settingsfile = store.filePath(QStringLiteral("zelslots.conf"));
        return o;
    }
};

// Shows the window at the game's own size, or filling the screen as F11 does (also without a
// window manager, which would otherwise be the one to size it).
inline void showmachine(zel::ZelWindow& window, bool fullscreen) {
    if (!fullscreen) {
        window.show();
        return;
    }
    window.showFullScreen();
    if (const QScreen* screen = window.screen()) window.setGeometry(screen->geometry());
    std::printf("window %d x %d, the machine drawn at %.3f\n", window.width(), window.height(), window.drawscale());
}
