#pragma once
// The catalogue of every picture and clip the game embeds: names, sizes, counts and clip formats.
// The generator writes exactly these files; the windows and the sound bank address them by these
// names under the resource root ":/" (for example ":/ImageList2/9.png", ":/clips/101.wav").
#include <cstdint>
#include <string>

#include "core/machine/linetable.h"

namespace zel::assets {

// A numbered picture set: <folder>/<prefix><n>.png for n = 1..count, all of one size.
struct NumberedSet {
    const char* folder;
    const char* prefix;
    int count;
    int width;
    int height;
};

constexpr NumberedSet reels{"reels", "reel", 5, 100, 2900};
constexpr NumberedSet imagelist1{"ImageList1", "", 28, 100, 100};
constexpr NumberedSet imagelist2{"ImageList2", "", 24, 100, 100};
constexpr NumberedSet imagelistcards{"imagelistcards", "", 13, 100, 153};
constexpr NumberedSet linepics{"linepics", "", 50, 30, 20};
constexpr NumberedSet playfaces{"faces", "play", 6, 60, 36};
constexpr NumberedSet paylinefaces{"faces", "payline", 5, 52, 36};

constexpr NumberedSet numberedsets[] = {reels, imagelist1, imagelist2, imagelistcards,
                                        linepics, playfaces, paylinefaces};

inline std::string picturepath(const NumberedSet& set, int n) {
    return std::string(set.folder) + "/" + set.prefix + std::to_string(n) + ".png";
}

// Every picture but the program's icons is also drawn at twice its size for high-density screens,
// beside it as <name>@2x.png, in Qt's naming.
constexpr int highdensity = 2;
inline std::string densitypath(const std::string& path, int density) {
    if (density == 1) return path;
    const auto dot = path.rfind('.');
    return path.substr(0, dot) + "@" + std::to_string(density) + "x" + path.substr(dot);
}

// Reel strips: 29 cells of 100 x 100 stacked from the top; cell c = 1..24 shows strip position c - 1.
constexpr int reelcells = 29;
constexpr int cellsize = 100;

// Symbol pictures: symbols/<name>.png, one per name of zel::symbolname, 100 x 100.
constexpr const char* symbolfolder = "symbols";
constexpr int symbolsize = 100;
inline std::string symbolpath(const char* name) { return std::string(symbolfolder) + "/" + name + ".png"; }

// Pictures addressed by name.
struct NamedPicture {
    const char* path;
    int width;
    int height;
};

constexpr NamedPicture coinsinface{"faces/COINSIN.png", 70, 36};
constexpr NamedPicture doubleface{"faces/doublebutton.png", 70, 36};
constexpr NamedPicture takewinface{"faces/takewin.png", 70, 36};
constexpr NamedPicture betredface{"faces/betred.png", 70, 32};
constexpr NamedPicture betblackface{"faces/betblack.png", 70, 32};
constexpr NamedPicture cancelbetface{"faces/cancelbet.png", 70, 32};
constexpr NamedPicture nomoneypanel{"panels/pannomoney.png", 87, 40};
constexpr NamedPicture pasthistorypanel{"panels/Lblpasthistory.png", 87, 40};
constexpr NamedPicture gamblepanel{"panels/pandouble.png", 254, 350};
constexpr NamedPicture gamblewinpanel{"panels/gamblewin.png", 120, 50};
constexpr NamedPicture gamblelosepanel{"panels/gamblelose.png", 120, 50};
constexpr NamedPicture paytablepanel{"panels/zelpays.png", 500, 378};
constexpr NamedPicture programicon{"panels/icon.png", 64, 64};  // the about window's picture

constexpr NamedPicture namedpictures[] = {
    coinsinface, doubleface, takewinface, betredface, betblackface, cancelbetface,
    nomoneypanel, pasthistorypanel, gamblepanel, gamblewinpanel, gamblelosepanel,
    paytablepanel, programicon};

// The program's icon for the desktop (the icon theme's sizes): appicon/<size>.png, square, each
// drawn at its own size with the detail that size can carry.
constexpr int programiconsizes[] = {16, 24, 32, 48, 64, 128, 256, 512};
inline std::string programiconpath(int size) { return "appicon/" + std::to_string(size) + ".png"; }

// Image list pictures with a fixed meaning.
constexpr int emptycellpicture = 26;       // ImageList1: what every highlight frame is reset to
constexpr int scatterframes = 20;          // ImageList1 1..20
constexpr int wildframes = 8;              // ImageList2 1..8
constexpr int firstbadgepicture = 9;       // ImageList2 9..24: x2, x3, x5, x10, four frames each
constexpr int badgeframes = 4;
constexpr int badgemultiplier[4] = {2, 3, 5, 10};
constexpr int jokercard = 5;               // imagelistcards: 1..4 aces, 5 joker, 6..9 suit signs
constexpr int firstsuitsign = 6;
constexpr int firstcardbutton = 10;        // imagelistcards 10..13
constexpr const char* cardbuttontext[4] = {"Bet 3", "Bet 5", "Bet 2", "Play 5"};

// The suit signs are drawn inside this centred square of their 100 x 153 tile, so a window may
// crop it and scale it to a small square button without distortion.
struct Square {
    int x;
    int y;
    int size;
};
constexpr Square suitsignsquare{0, 26, 100};

// Line tag colours (red, green, blue) for lines 1..25: the colour each line is drawn in, from the
// machine's line table (lines 21..25 have bright colours of their own there).
struct Rgb {
    uint8_t r;
    uint8_t g;
    uint8_t b;
};
constexpr Rgb linecolour(int line) {
    const uint32_t c = (line >= 1 && line <= numlines) ? linedata::colour[line] : 0;
    return {uint8_t(c >> 16), uint8_t(c >> 8), uint8_t(c)};
}

// Sound clips: clips/<number>.wav, plain PCM, one channel. 8-bit samples are unsigned,
// 16-bit samples signed little endian.
struct Clip {
    int16_t number;
    int32_t rate;
    int16_t bits;
    double seconds;
};

constexpr Clip clips[] = {
    {101, 11025, 8, 0.24},  {102, 11025, 8, 0.55},  {103, 11025, 8, 0.71},  {104, 11025, 8, 0.71},
    {106, 11025, 8, 1.76},  {107, 11025, 8, 1.95},  {108, 11025, 8, 1.95},  {109, 11025, 8, 2.36},
    {110, 11025, 8, 2.41},  {111, 11025, 8, 2.93},  {112, 11025, 16, 1.62}, {113, 11025, 8, 4.92},
    {114, 11025, 8, 13.95}, {115, 44100, 8, 14.50}, {116, 44100, 8, 0.28},  {117, 11025, 8, 18.47},
    {118, 22050, 8, 3.34},  {119, 44100, 8, 0.52},  {120, 44100, 8, 0.47},  {121, 44100, 8, 0.44},
    {122, 44100, 8, 0.41},  {123, 44100, 8, 0.37},  {124, 22050, 16, 0.06}, {125, 11025, 8, 0.51}};

constexpr int clipcount = sizeof(clips) / sizeof(clips[0]);

inline std::string clippath(int number) { return "clips/" + std::to_string(number) + ".wav"; }

// Sample frames of a clip: the duration at its rate, rounded to an even number of frames so an
// 8-bit data chunk never needs a pad byte.
constexpr int32_t clipframes(const Clip& c) {
    const auto frames = static_cast<int32_t>(c.rate * c.seconds + 0.5);
    return frames + (frames % 2);
}

}  // namespace zel::assets
