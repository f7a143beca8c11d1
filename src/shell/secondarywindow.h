#pragma once
// Where the menu commands' secondary windows (options, pay table, about) are opened.
namespace zel {

class Zel;
class ZelWindow;

// Connects the machine's window hook (Zel::openwindow) to the secondary windows.
void installsecondarywindows(Zel& machine, ZelWindow& window);

}  // namespace zel
