#pragma once
// The machine: the main window's state and every handler and procedure that acts on it.
// Handlers change only the form model `form`, the shared player record and the platform.
#include <cstdint>
#include <functional>
#include <optional>

#include "core/history/journal.h"
#include "core/machine/formmodel.h"
#include "core/machine/numeric.h"
#include "core/machine/paytables.h"
#include "core/platform/platform.h"
#include "core/players/inplay.h"
#include "core/players/player.h"

namespace zel {

// The secondary windows that the menu commands open.
enum class SecondaryWindow { about, paytable, options, history, help };

class Zel {
public:
    Zel(Player& player, Platform& platform);

    Player& player;
    Platform& platform;
    Journal journal{platform, player};  // the player's settled games, for the history
    ZelForm form;
    // Set by the window: opens a secondary window (the rules never create widgets).
    std::function<void(SecondaryWindow)> openwindow;

    // --- start-up, spin and reel stops (machine/startup.cpp, spin.cpp, reelstops.cpp, landing.cpp)
    void Form_Load();
    void play_Click(int Index);
    void stopreel1();
    void stopreel2();
    void stopreel3();
    void stopreel4();
    void stopreel5();
    void landreels();
    void playclip(int n, bool loop = false) { platform.playclip(n, loop); }

    // --- evaluation (machine/evaluate.cpp)
    void evaluatespin();
    // The pure parts of a spin, shared with the math tool: clear the window's tallies,
    // add one reel's stop to them, and pay the scatters and the played lines into currentwin.
    void clearspin();
    void applystop(int reel);
    void paylines();

    // --- the current slot's record and its play in progress in the store (players/slotplay.cpp)
    // The record and the play in progress go to the store together, in one write; the handlers
    // call it whenever money settles, never in the middle of a spin.
    void commit();
    // Loads slot n's record as loadplayer does; its play in progress waits in `waitingplay`.
    bool loadslot(int n, const std::function<void()>& onfailure = {});
    // A play in progress found with the slot goes on: a feature plays on, a gamble is collected.
    void resumeplay();
    // The player's details were deleted: the record is stored as it now is, and the slot's play in
    // progress and its history go with the details.
    void clearslotplay();
    // Tells the player what the store and the history have to say (in the log when nobody is there).
    void tellstorenews();
    std::optional<InPlay> waitingplay;
    // From the stake taken to the win booked: nothing is stored then (a kill loses the spin whole).
    bool spinning = false;
    // Set when the desktop ends the game (a logout, a kill): nothing may wait for the player.
    bool unattended = false;

    // --- free spins and wild features (machine/freespins.cpp)
    void freespinaward();        // the award of free spins inside evaluatespin
    void freespinbooking();      // the bookkeeping after each feature spin
    void showfeature();          // the machine as it looks while a feature runs
    void showfeaturecompleted(); // the feature's end: its total waits for COLLECT
    void freespinbusiness();
    void Timerrespin_Timer();
    void timerwild_Timer();

    // --- credit, coins, lines and keyboard (machine/credit.cpp)
    void COINSIN_Click();
    void mnuquickcredit_Click();
    void payline_Click(int Index);
    void Form_KeyPress(int key);

    // --- presentation (machine/presentation.cpp, scatters.cpp)
    void Timer1_Timer();
    void Timerscatters_Timer();
    void Timer4_Timer();

    // --- gamble, win meter and collect (gamble/)
    void doublebutton_Click();
    void betred_Click();
    void betblack_Click();
    void suitbet_Click(int Index);
    void cancelbet_Click();
    int drawcard();
    void Timerwincounter_Timer();
    void takewin_Click();

    // --- menus and exit (shell/)
    void mnuabout_Click();
    void mnuptble_Click();
    void mnuplayer_Click();
    void mnuexit_Click();
    void mnuhistory_Click();
    void mnuhelp_Click();
    void Form_QueryUnload();

    // --- helpers shared by the handlers
    void showcredit();                  // PANELBANK and Lblcredit from bank
    void setplaycontrols(bool enabled); // play(1..6), payline(1..5) and COINSIN
    void restoreplaycontrols();         // the same, as far as the state allows (not under the gamble)
    void hideflashers();
    void showlines();                   // the line tags of the lines played lit, the others dark
    void clearwinningline();            // the six line segments dark and every line tag shown
    void stoppresentation();            // Timer1, Timerscatters, Timer4
    int16_t stake() const;              // betperline x linesplayed (0 when it would not fit)
    void pressplay(int Index);          // a press of play(Index) from code

    // --- machine state (names as the machine knows them)
    int16_t linesplayed = 25;
    int16_t betperline = 0;
    int16_t spacecount = 0;
    int16_t reelstop[6] = {};
    int32_t reeltop[6] = {};
    int16_t linetally[linesymbolcount][numlines + 1] = {};
    int16_t wildtag[numlines + 1] = {};
    int16_t scattercount = 0;
    int16_t scattercell[6] = {};
    int16_t wildcell[6] = {};
    int16_t holdreel2 = 0, holdreel3 = 0, holdreel4 = 0;
    int16_t heldreel2 = 0, heldreel3 = 0, heldreel4 = 0;
    int32_t currentwin = 0;
    int16_t winlines[numlines + 1] = {};
    int16_t linecount[numlines + 1] = {};
    int16_t machinepaydraw = 0;

    int16_t freespins = 0;
    int16_t freespinsplayed = 0;
    int16_t freespinmultiplier = 1;
    int32_t freespintotal = 0;
    int16_t multiplierframe = 0;
    int16_t multiplierlimit = 0;
    int16_t freewildframe = 0;
    int16_t scatterframe = 0;
    int16_t wildframe = 0;
    int16_t scattertick = 0;

    int16_t loopindex = 0;
    int16_t lineticks = 0;
    int16_t flashphase = 0;

    int32_t atrisk = 0;
    int16_t historycount = 0;
    int32_t takenwin = 0;
    int32_t gamblestake = 0;   // what the running gamble took from the credit
    int32_t rollcount = 0;
    int16_t rollstep = 0;

private:
    void drawreel(int reel);
};

}  // namespace zel
