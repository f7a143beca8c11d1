#pragma once
// The game's name on the desktop: the application's display name, which the desktop shows after
// each window's own caption ("Current Player       ALICE — Zel Slots") in the title bar, the
// taskbar and the window switcher. The windows' captions stay the game's own.
#include <QString>

namespace zel {

inline const QString desktopname = QStringLiteral("Zel Slots");

}  // namespace zel
