#pragma once
// The display at start-up and exit: the screen's font size noted, and the display size.
#include <QString>

#include "core/platform/platform.h"
#include "core/players/player.h"

namespace zel {

// The game is drawn for this many logical pixels per inch.
constexpr int designdpi = 96;

// Reads the screen's logical pixels per inch into screendpi; true exactly at 96.
bool IsScreenFontSmall(Player& player, Platform& platform);

// Shows the game as on a display of width x height pixels (rounded half to even; a size that does
// not fit a 32-bit integer is not asked for). The platform's answer is not examined.
void changeres(Platform& platform, double width, double height);
// Returns to the user's normal view (a request for 0 x 0).
void restoreres(Platform& platform);

}  // namespace zel
