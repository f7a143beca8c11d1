#pragma once
// "Is this machine behaving?": the games a player's history kept, set against the exact figures of
// the pay settings and lines they were played with. Each game is a paid spin with its feature;
// the return counts what the game paid before any gamble, as the exact figures do.
#include <QByteArray>
#include <QString>
#include <vector>

#include "core/history/gamerecord.h"

namespace zel::math {

struct HistoryFigures {
    int64_t games = 0;
    int64_t staked = 0, paid = 0;      // coins
    int64_t hits = 0, features = 0;
    double rtp = 0;                    // paid / staked
    double hitfrequency = 0;           // games that paid anything
    double exactrtp = 0;               // the exact return for these games' settings and lines, stake-weighted
    double exacthitfrequency = 0;
    double rtpz = 0, hitz = 0;         // how many standard deviations from the exact figure
    bool enough = false;               // at least two games, and the returns vary
    int machinepay = 0;                // the pay setting of every game, 0 when they differ
    int lines = 0;                     // likewise the lines
    int64_t gambles = 0, gamblescollected = 0;
    int64_t gamblenet = 0;             // what the gambles added to the credit (negative: took)
};

// Works the exact figures out for the settings and lines the games used.
HistoryFigures checkhistory(const std::vector<GameRecord>& games);

QByteArray historyfiguresjson(const HistoryFigures& f, int slot, const QString& file);
QString historyfigurestext(const HistoryFigures& f, int slot, const QString& file);

}  // namespace zel::math
