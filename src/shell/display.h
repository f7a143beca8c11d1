#pragma once
// The display checks of start-up and exit: the font check and the display size.
#include <QString>

#include "platform/platform.h"
#include "players/player.h"

namespace zel {

// Reads the screen's logical pixels per inch into screendpi; true exactly at 96.
bool IsScreenFontSmall(Player& player, Platform& platform);

// The eleven-line message shown when the screen uses large fonts, and its title.
QString largefontsmessage();
QString largefontstitle();

void changeres(Platform& platform, int width, int height);
void restoreres(Platform& platform);

}  // namespace zel
