#pragma once
// Where the menu commands' secondary windows (about, pay table, options, history, help) are opened.
#include <functional>

class QWidget;

namespace zel {

class Zel;
class ZelWindow;
enum class SecondaryWindow;

// Connects the machine's window hook (Zel::openwindow) to the secondary windows.
void installsecondarywindows(Zel& machine, ZelWindow& window);

// Creates and shows one secondary window over mainwindow; rendermain draws the machine's window
// after the secondary window changed it. The window deletes itself when it closes.
QWidget* opensecondarywindow(Zel& machine, QWidget* mainwindow, const std::function<void()>& rendermain,
                             SecondaryWindow which);

}  // namespace zel
