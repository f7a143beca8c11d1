#pragma once
// The options window frmzeloptions: choosing, naming and clearing players, and the pay setting,
// reel speed, win counter and screen size. Its handlers act on the form model `form`, the shared
// player record, the platform and the machine's window (credit, caption, enabled, flashers).
#include <cstdint>

#include "core/machine/zel.h"
#include "core/platform/platform.h"
#include "core/players/optionsform.h"
#include "core/players/player.h"

namespace zel {

constexpr int keyenter = 13;
constexpr int maxnamelength = 12;
// The reel speed of setspeed(0..4), fastest first, and the pay setting of Amtpayout(0..2).
constexpr int16_t speedsetting[5] = {1, 2, 4, 8, 10};
constexpr int16_t paysetting[3] = {6, 5, 4};

class Options {
public:
    Options(Player& player, Platform& platform, Zel& zel);

    Player& player;
    Platform& platform;
    Zel& zel;
    OptionsForm form;

    // --- handlers (players/options.cpp, optionsnaming.cpp, optionssettings.cpp)
    void Form_Load();
    void machine_Click(int Index);
    void player1_KeyPress(int& KeyAscii);  // KeyAscii becomes 0 when the key is swallowed
    void Btndeletedetails_Click();
    void setspeed_Click(int Index);
    void wincounter_Click(int Index);
    void Amtpayout_Click(int Index);
    void SSOption1_Click();
    void SSOption2_Click();
    void btnokplayer_Click();
    void Form_QueryUnload();

    // Selecting an option from code: a button that is off is switched on (the others of its group
    // off) and its click handler runs, as for a player's click; one already on is left alone.
    void select(OptionGroup group, int index);
    // A player's click on an option button. Choosing the slot already chosen does nothing (it would
    // reload the record and drop the changes just made); a setting already on is applied again.
    void click(OptionGroup group, int index);

private:
    void runclick(OptionGroup group, int index);
    void refreshdeletecaption();
    void showplayeronmachine();   // the machine's credit panels and caption for the current player
    void showwincounter();        // select the win-counter option that matches winroll
    void showspeed();             // select the speed option that matches reelspeed
    void showpay();               // select the pay option in force and show its return to player
    void closeandsave();          // the main window back in play, the record saved
};

// The speed option for a reel speed, or -1 for a speed the options do not offer.
int speedoption(int reelspeed);
// The pay option for a pay setting, or -1.
int payoption(int machinepay);

}  // namespace zel
