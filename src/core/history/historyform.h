#pragma once
// The History window as the rules see it: the player's kept games, newest first, the one chosen,
// and what the window says of it (its spin, its feature, its gamble). The window draws the chosen
// game's reels and the chart of the credit from the game records themselves.
#include <vector>

#include <QString>

#include "core/history/gamerecord.h"

namespace zel {

class Zel;

// A game in the list.
struct HistoryRow {
    QString when;     // local date and time the game settled
    QString bet;      // "25 x 1"
    QString win;      // coins the game paid
    QString credit;   // the credit after it
    bool feature = false;
    bool gamble = false;
};

struct HistoryForm {
    QString caption = QStringLiteral("Game History");
    bool visible = false;
    bool unloaded = false;

    std::vector<HistoryRow> rows;     // newest first
    int selected = -1;                // the chosen row, -1 with no games
    QString empty = QStringLiteral("No games yet: the games you play are kept here.");

    // The chosen game in words.
    QString summary;
    std::vector<QString> spinlines;   // what the paid spin paid, line by line
    std::vector<QString> featurerows; // each free spin, then the feature's total
    std::vector<QString> gamblerows;  // each card, then the end of the gamble
};

class Historyzel {
public:
    explicit Historyzel(Zel& zel) : zel(zel) {}
    Zel& zel;
    HistoryForm form;

    void Form_Load();                // fills the list and chooses the newest game
    void list_Click(int row);        // chooses a game
    void Form_QueryUnload();         // the machine is the player's again

    // The kept games, oldest first, and the one chosen (nullptr with none).
    const std::vector<GameRecord>& games() const;
    const GameRecord* chosen() const;
    // The index in games() of a row, and the row of an index.
    int gameofrow(int row) const;
    int rowofgame(int game) const;

private:
    void describe(const GameRecord& g);
};

// The words for parts of a game (shared with the tool that reads the history).
QString spindescription(const SpinRecord& spin);
QString carddescription(const CardRecord& card);

}  // namespace zel
