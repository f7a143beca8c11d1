#pragma once
// The game's identity on the desktop: the desktop entry it belongs to and its icon.

namespace zel {

// Names the desktop entry (so the desktop groups the window with its menu entry) and gives every
// window the entry's icon: the installed theme's, or the same pictures embedded in the program
// when the game runs from its build folder. Call once QApplication exists.
void takedesktopidentity();

}  // namespace zel
