#pragma once
// The game's rules as they run between windows: a machine, the shared player record and the
// options window, on a fake platform whose settings file can outlive them (a restart).
#include <memory>

#include <QTemporaryDir>

#include "fakeplatform.h"
#include "core/machine/zel.h"
#include "core/players/options.h"
#include "core/players/player.h"
#include "core/players/playerstore.h"

namespace zeltest {

// One run of the game on a given settings file.
struct Session {
    zel::FakePlatform pf;
    zel::Player player;
    zel::Zel zel{player, pf};

    explicit Session(const QString& inifile) : pf(inifile) { pf.waitforwrites = true; }

    // Start-up as the machine's window does it.
    void start() { zel.Form_Load(); }

    // The options command: the window opens and runs its opening sequence.
    std::unique_ptr<zel::Options> openoptions() {
        auto options = std::make_unique<zel::Options>(player, pf, zel);
        options->Form_Load();
        return options;
    }

    // One spin at 1 coin a line, its stops scripted and the pay setting letting any win stand.
    void spin(std::initializer_list<int> stops) {
        pf.scriptstops(stops);
        pf.scriptdraw(1, 6);
        zel.play_Click(1);
    }

    // Writes a stored value directly, as a previous run (or a hand edit) left it.
    void store(int slot, const char* key, const QString& value) {
        pf.savesetting(zel::playersection(slot), QLatin1String(key), value);
    }
    // What the file on the disk holds for a key of a slot's record.
    QString stored(int slot, const char* key) { return pf.ondisk(zel::playersection(slot), QLatin1String(key)); }

    // A whole record in a slot.
    void storerecord(int slot, const QString& name, int bank, int invested, int wager, int total, int games,
                     int pay = 6, int speed = 1, int roll = 1) {
        store(slot, "machinepay", QString::number(pay));
        store(slot, "winroll", QString::number(roll));
        store(slot, "reelspeed", QString::number(speed));
        store(slot, "amountinvested", QString::number(invested));
        store(slot, "wager", QString::number(wager));
        store(slot, "total", QString::number(total));
        store(slot, "bank", QString::number(bank));
        store(slot, "games", QString::number(games));
        store(slot, "currentplayer", name);
    }
};

// A settings folder that lasts across several sessions.
struct Store {
    QTemporaryDir dir;
    QString file() const { return dir.filePath(QStringLiteral("zelslots.conf")); }
};

}  // namespace zeltest
