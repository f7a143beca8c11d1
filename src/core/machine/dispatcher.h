#pragma once
// Every press, key, menu command and timer tick reaches the machine through here, and one rule
// decides what runs. The machine's long effects (the reel landing, the award pause, the gamble)
// let window events run at fixed points, so input can arrive while a handler is still running:
// - a button press (a click, or Enter on the focused button) runs only if that button is shown
//   and enabled at that moment;
// - the space bar is a press of the play button of the current bet, under the same rule; any
//   other key does nothing (and plays nothing);
// - a menu command that arrives while a handler runs is held, and runs once, in the order the
//   commands came, when the machine has settled, under its own guards at that time;
// - a timer ticks at the event pumps as always, but never while its own handler runs;
// - no handler runs inside itself.
#include <deque>
#include <functional>

#include "core/machine/zel.h"

namespace zel {

// The machine's buttons, as the window names them; an index picks one of an array (1-based).
enum class Button { play, payline, COINSIN, doublebutton, takewin, betred, betblack, suitbet, cancelbet };
// The menu commands, in the menu bar's order: the game's five, then the history and the help.
enum class Command { about, paytable, options, quickcredit, exit, history, help };
// The form's timers.
enum class TimerControl { Timer1, Timerscatters, Timer4, timerwild, Timerrespin, Timerwincounter };

constexpr int buttoncount = 9;
constexpr int commandcount = 7;
constexpr int timercount = 6;

class Dispatcher {
public:
    explicit Dispatcher(Zel& zel) : zel(zel) {}

    void press(Button button, int index = 0);
    void key(int character);
    void command(Command command);
    void tick(TimerControl timer);

    // A handler is running (the machine has not settled).
    bool busy() const { return running > 0; }
    // How many times the handler of a button, command or timer is running right now.
    int depth(Button button) const { return depths[handlerof(button)]; }
    int depth(Command command) const { return depths[handlerof(command)]; }
    int depth(TimerControl timer) const { return depths[handlerof(timer)]; }
    // Commands waiting for the machine to settle.
    const std::deque<Command>& held() const { return waiting; }
    // Runs `task` once the machine has settled, after the commands held (at once when it has):
    // news for the player waits for the spin to end.
    void whensettled(std::function<void()> task);

    // The window draws itself after each handler.
    std::function<void()> afterhandler;

    // The record of each timer and each menu command in the form.
    static FormTimer& timerof(ZelForm& form, TimerControl timer);
    static Control& menuof(ZelForm& form, Command command);
    // The control of a button, or nullptr for an index its array does not have.
    static Control* controlof(ZelForm& form, Button button, int index);

private:
    // One number per handler. The space bar and the free-spin timer press play, so they share
    // play_Click's number: a spin never starts inside a spin.
    static constexpr int handlercount = buttoncount + commandcount + timercount;
    static constexpr int handlerof(Button b) { return int(b); }
    static constexpr int handlerof(Command c) { return buttoncount + int(c); }
    static constexpr int handlerof(TimerControl t) {
        return t == TimerControl::Timerrespin ? handlerof(Button::play) : buttoncount + commandcount + int(t);
    }

    void run(int handler, const std::function<void()>& body);
    void runcommand(Command command);
    void settle();

    Zel& zel;
    int running = 0;
    int depths[handlercount] = {};
    std::deque<Command> waiting;
    std::deque<std::function<void()>> later;
    bool settling = false;
};

}  // namespace zel
