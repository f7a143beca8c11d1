#pragma once
// The main window as plain records of its controls: what each one shows.
// The rules write these; the window draws them. Control arrays are indexed from 1.
#include <cstdint>

#include <QString>

namespace zel {

// Where a picture comes from: an image list (1-based index) or nothing.
enum class PicList : int8_t { none, ImageList1, ImageList2, imagelistcards, linepics };

struct Pic {
    PicList list = PicList::none;
    int16_t index = 0;
    int16_t overlay = 0;  // a second picture of the same list drawn over the first (0 = none)
    friend bool operator==(const Pic&, const Pic&) = default;
};

struct Control {
    QString caption;
    bool visible = true;
    bool enabled = true;
    Pic picture;
    // Position and size in twips (15 twips = 1 pixel) within the window or panel that holds it.
    int32_t left = 0, top = 0, width = 0, height = 0;
};

// A line shape: end points in main-window twips and a border colour (0xRRGGBB).
struct LineControl {
    bool visible = false;
    int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    uint32_t bordercolor = 0;
};

struct FormTimer {
    bool enabled = false;
    int interval = 0;  // milliseconds
};

// Where the game places the five reel windows and the two columns of line tags (main-window twips).
namespace windowplaces {
constexpr int32_t reelleft[6] = {0, 800, 2430, 4090, 5750, 7390};  // reels 1..5
constexpr int32_t reeltop = 800, reelwidth = 1500, reelheight = 4500;
constexpr int32_t lefttagleft = 120, righttagleft = 9070, tagwidth = 450;
}  // namespace windowplaces

// Left edges (twips, within the gamble panel) of the five slots of the card history row.
constexpr int32_t historyslotleft[6] = {0, 360, 960, 1560, 2160, 2760};

struct ZelForm {
    // The window itself.
    QString caption;
    bool enabled = true;
    bool visible = true;
    bool keypreview = true;
    int32_t left = 0, top = 0;
    double scale = 1.0;   // 1 as on an 800 x 600 display, 1.25 as on 640 x 480
    QString focus;        // the control that has the keyboard focus, e.g. "play(1)", "zel"

    // Reels: the windows Picture1..5 and the strips reel1..5 moving behind them (top in twips).
    Control Picture[6];
    Control reel[6];
    Control flasher[16];     // highlight frames over the 15 window cells
    Control lin[27];         // line-number tags
    LineControl Lineflash[7];

    // Player controls and displays.
    Control play[7];
    Control payline[6];
    Control COINSIN, doublebutton, takewin;
    Control PANELBANK, Lblcredit, LABWIN, lblwin, lbllast, LABLASTBET, LABTHISWIN, Lblcurrentwin, spinsleft;
    Control pannomoney;

    // The gamble panel and everything on it.
    Control pandouble, piccardholder, betred, betblack, cancelbet, risklab, lblblackred, lblsuit;
    Control suitbet[5];
    Control historypic[6];
    Control gamblewin, gamblelose, Lblpasthistory;

    // Menu commands.
    Control mnuabout, mnuptble, mnuplayer, mnuquickcredit, mnuexit;
    Control mnuhistory;  // the game history, after the game's own five commands
    Control mnuhelp;     // how to play, the keys, where the records live

    // Timers, all disabled when the window is created.
    FormTimer Timer1{false, 150};
    FormTimer Timerscatters{false, 150};
    FormTimer Timer4{false, 100};
    FormTimer timerwild{false, 100};
    FormTimer Timerrespin{false, 4000};
    FormTimer Timerwincounter{false, 100};

    ZelForm();
};

}  // namespace zel
