#pragma once
// The machine's tables written out a second time, in the form the game's designer drew them up
// (strips by position, row lists by reel, line shapes as letters), plus a plain left-to-right
// reading of a line. Tests check the game's own tables and its weighted tallies against these.
#include <array>
#include <vector>

#include <QString>
#include <QStringList>

#include "core/machine/paytables.h"

namespace zeltest {

using zel::Symbol;

// One row per strip position 0..23; columns are reels 1..5.
inline const char* const striptext[24] = {
    "mountain badge K uncle badge",          "J eagle badge memorial sign",
    "K K Q president K",                     "badge Q sign K Q",
    "sign badge memorial badge memorial",    "J J J president uncle",
    "uncle Q uncle mountain J",              "badge president sign uncle money",
    "Q mountain president memorial mountain", "president uncle memorial Q uncle",
    "badge memorial eagle eagle badge",      "mountain Q badge J president",
    "J J sign badge Q",                      "president statue mountain K memorial",
    "Q K Q sign J",                          "statue badge uncle badge sign",
    "J sign money J uncle",                  "memorial statue statue money statue",
    "K Q badge statue money",                "sign J uncle badge president",
    "K money J uncle K",                     "money president K Q J",
    "mountain badge memorial sign badge",    "badge uncle badge memorial sign",
};

inline Symbol symbolnamed(const QString& name) {
    for (int i = 0; i < zel::symbolcount; ++i)
        if (name == QLatin1String(zel::symbolname[i])) return Symbol(i);
    return Symbol(-1);
}

// The symbol at strip position p (0..23) of reel r (1..5).
inline Symbol stripsymbol(int r, int p) {
    return symbolnamed(QString::fromLatin1(striptext[p]).split(QLatin1Char(' ')).at(r - 1));
}

// The symbol shown by reel r at stop s in row 0 (top), 1 (middle) or 2 (bottom).
inline Symbol shown(int r, int s, int row) { return stripsymbol(r, s - 1 + row); }

// Lines by reel 1..5 and row top/middle/bottom.
inline const char* const rowlisttext[6][3] = {
    {"", "", ""},
    {"2 4 6 12 14 18 24", "1 8 9 10 11 15 17 20 21 22 23", "3 5 7 13 16 19 25"},
    {"2 6 8 15 19 20 22 24", "1 4 5 10 11 12 13 14 16", "3 7 9 17 18 21 23 25"},
    {"2 5 8 10 14 18 21 24", "1 6 7 12 13 15 17 22 23", "3 4 9 11 16 19 20 25"},
    {"2 6 8 15 19 20 23", "1 4 5 10 11 12 13 14 16 24 25", "3 7 9 17 18 21 22"},
    {"2 4 6 12 14 18 25", "1 8 9 10 11 15 17 20 21 22 23", "3 5 7 13 16 19 24"},
};

inline std::vector<int> rowlist(int r, int row) {
    std::vector<int> lines;
    for (const QString& n : QString::fromLatin1(rowlisttext[r][row]).split(QLatin1Char(' '))) lines.push_back(n.toInt());
    return lines;
}

// Line shapes 1..25 as rows on reels 1..5.
inline const char* const shapetext[26] = {
    "",      "MMMMM", "TTTTT", "BBBBB", "TMBMT", "BMTMB", "TTMTT", "BBMBB", "MTTTM",
    "MBBBM", "MMTMM", "MMBMM", "TMMMT", "BMMMB", "TMTMT", "MTMTM", "BMBMB", "MBMBM",
    "TBTBT", "BTBTB", "MTBTM", "MBTBM", "MTMBM", "MBMTM", "TTTMB", "BBBMT",
};

inline int shaperow(int line, int r) {
    switch (shapetext[line][r - 1]) {
    case 'T': return 0;
    case 'M': return 1;
    default: return 2;
    }
}

// Window cell numbers by reel and row.
inline constexpr int cellof[6][3] = {{0, 0, 0}, {1, 2, 3}, {6, 5, 4}, {7, 8, 9}, {12, 11, 10}, {13, 14, 15}};

// Pay per coin by symbol index 0..9 and run length 0..5.
inline constexpr int paytable[10][6] = {
    {0, 0, 0, 5, 20, 100},   {0, 0, 0, 15, 50, 175},   {0, 0, 2, 10, 20, 100}, {0, 0, 0, 100, 250, 800},
    {0, 0, 0, 20, 40, 125},  {0, 0, 0, 10, 20, 100},   {0, 0, 0, 50, 75, 150}, {0, 0, 0, 300, 600, 1500},
    {0, 0, 0, 20, 50, 150},  {0, 0, 0, 100, 250, 800},
};

inline constexpr int scatterstakes[6] = {0, 0, 1, 5, 10, 20};

struct Reading {
    int win = 0;            // scatter pay plus all line pays, in coins
    int scatters = 0;
    std::array<int, 26> run{};  // paying run length by line (0 = no pay)
};

// Reads the window directly: a line pays the symbol on reel 1 for the unbroken run from the
// left, the wild standing in on reels 2..4; scatters pay by the number of reels showing one.
inline Reading readwindow(const std::array<int, 6>& stops, int lines, int bet) {
    Reading out;
    for (int r = 1; r <= 5; ++r)
        for (int row = 0; row < 3; ++row)
            if (shown(r, stops[r], row) == Symbol::mountain) ++out.scatters;
    out.win = scatterstakes[out.scatters] * bet * lines;
    for (int L = 1; L <= lines; ++L) {
        const Symbol first = shown(1, stops[1], shaperow(L, 1));
        if (first == Symbol::mountain || first == Symbol::eagle) continue;
        int n = 1;
        while (n < 5) {
            const Symbol next = shown(n + 1, stops[n + 1], shaperow(L, n + 1));
            if (next != first && next != Symbol::eagle) break;
            ++n;
        }
        const int pay = paytable[int(first)][n] * bet;
        if (pay > 0) {
            out.run[L] = n;
            out.win += pay;
        }
    }
    return out;
}

}  // namespace zeltest
