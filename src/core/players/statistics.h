#pragma once
// The player's statistics as the options window shows them: the derived figures and the
// exact captions of its seven labels at each moment they are written.
#include <cstdint>

#include <QString>

#include "core/players/optionsform.h"
#include "core/players/player.h"

namespace zel {

// The name as the windows show it: upper case.
QString displayname(const Player& player);

// Winning/Losing = bank - amountinvested; false when it leaves the 32-bit range.
bool winninglosing(const Player& player, int32_t& out);

// Returned to player = Int(total / wager * 100), rounded down; false when wager is 0
// or the figure leaves the 32-bit range.
bool returnedtoplayer(const Player& player, int32_t& out);

// When the labels are written: as the window opens, or after a slot was chosen.
enum class StatisticsMoment { opening, slotchoice };

// Writes the seven labels. With games 0 they show bare captions; otherwise each caption is followed
// by its figure, and a figure that cannot be formed leaves its label as it was.
void showstatistics(OptionsForm& form, const Player& player, StatisticsMoment moment);

// The labels after the player's details were deleted: the long captions with 0, no percentage.
void showdeleted(OptionsForm& form, const Player& player);

// The current-player label after a name entry (accepted or refused).
void shownameentry(OptionsForm& form, const Player& player);

}  // namespace zel
