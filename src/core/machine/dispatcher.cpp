#include "core/machine/dispatcher.h"

#include <algorithm>

namespace zel {

FormTimer& Dispatcher::timerof(ZelForm& f, TimerControl timer) {
    switch (timer) {
    case TimerControl::Timer1: return f.Timer1;
    case TimerControl::Timerscatters: return f.Timerscatters;
    case TimerControl::Timer4: return f.Timer4;
    case TimerControl::timerwild: return f.timerwild;
    case TimerControl::Timerrespin: return f.Timerrespin;
    case TimerControl::Timerwincounter: break;
    }
    return f.Timerwincounter;
}

Control& Dispatcher::menuof(ZelForm& f, Command command) {
    switch (command) {
    case Command::about: return f.mnuabout;
    case Command::paytable: return f.mnuptble;
    case Command::options: return f.mnuplayer;
    case Command::quickcredit: return f.mnuquickcredit;
    case Command::history: return f.mnuhistory;
    case Command::help: return f.mnuhelp;
    case Command::exit: break;
    }
    return f.mnuexit;
}

Control* Dispatcher::controlof(ZelForm& f, Button button, int i) {
    switch (button) {
    case Button::play: return i >= 1 && i <= 6 ? &f.play[i] : nullptr;
    case Button::payline: return i >= 1 && i <= 5 ? &f.payline[i] : nullptr;
    case Button::COINSIN: return &f.COINSIN;
    case Button::doublebutton: return &f.doublebutton;
    case Button::takewin: return &f.takewin;
    case Button::betred: return &f.betred;
    case Button::betblack: return &f.betblack;
    case Button::suitbet: return i >= 1 && i <= 4 ? &f.suitbet[i] : nullptr;
    case Button::cancelbet: return &f.cancelbet;
    }
    return nullptr;
}

void Dispatcher::press(Button button, int index) {
    const Control* control = controlof(zel.form, button, index);
    if (!zel.form.enabled || !control || !control->visible || !control->enabled) return;
    if (depths[handlerof(button)] > 0) return;
    run(handlerof(button), [this, button, index] {
        switch (button) {
        case Button::play: zel.play_Click(index); break;
        case Button::payline: zel.payline_Click(index); break;
        case Button::COINSIN: zel.COINSIN_Click(); break;
        case Button::doublebutton: zel.doublebutton_Click(); break;
        case Button::takewin: zel.takewin_Click(); break;
        case Button::betred: zel.betred_Click(); break;
        case Button::betblack: zel.betblack_Click(); break;
        case Button::suitbet: zel.suitbet_Click(index); break;
        case Button::cancelbet: zel.cancelbet_Click(); break;
        }
    });
}

void Dispatcher::key(int character) {
    if (!zel.form.enabled || !zel.form.keypreview || character != ' ') return;
    // The space bar presses the play button of the current bet: only when that button could be
    // pressed now (not before the first bet, not while the reels spin, not under the gamble).
    const Control* play = controlof(zel.form, Button::play, playbuttonfor(zel.betperline));
    if (!play || !play->visible || !play->enabled || depths[handlerof(Button::play)] > 0) return;
    run(handlerof(Button::play), [this, character] { zel.Form_KeyPress(character); });
}

void Dispatcher::command(Command command) {
    if (running > 0 || settling) {
        // Held until the machine has settled; a command asked for twice meanwhile runs once.
        if (std::find(waiting.begin(), waiting.end(), command) == waiting.end()) waiting.push_back(command);
        return;
    }
    runcommand(command);
}

void Dispatcher::runcommand(Command command) {
    // The exit has no guard: it settles what is pending and saves, whatever the machine shows.
    const Control& menu = menuof(zel.form, command);
    if (command != Command::exit && (!zel.form.enabled || !menu.visible || !menu.enabled)) return;
    run(handlerof(command), [this, command] {
        switch (command) {
        case Command::about: zel.mnuabout_Click(); break;
        case Command::paytable: zel.mnuptble_Click(); break;
        case Command::options: zel.mnuplayer_Click(); break;
        case Command::quickcredit: zel.mnuquickcredit_Click(); break;
        case Command::exit: zel.mnuexit_Click(); break;
        case Command::history: zel.mnuhistory_Click(); break;
        case Command::help: zel.mnuhelp_Click(); break;
        }
    });
}

void Dispatcher::tick(TimerControl timer) {
    // A tick already on its way when the game stopped its timer does nothing.
    if (!timerof(zel.form, timer).enabled) return;
    if (depths[handlerof(timer)] > 0) return;
    run(handlerof(timer), [this, timer] {
        switch (timer) {
        case TimerControl::Timer1: zel.Timer1_Timer(); break;
        case TimerControl::Timerscatters: zel.Timerscatters_Timer(); break;
        case TimerControl::Timer4: zel.Timer4_Timer(); break;
        case TimerControl::timerwild: zel.timerwild_Timer(); break;
        case TimerControl::Timerrespin: zel.Timerrespin_Timer(); break;
        case TimerControl::Timerwincounter: zel.Timerwincounter_Timer(); break;
        }
    });
}

void Dispatcher::run(int handler, const std::function<void()>& body) {
    ++running;
    ++depths[handler];
    body();
    --depths[handler];
    --running;
    if (afterhandler) afterhandler();
    if (running == 0) settle();
}

void Dispatcher::settle() {
    // The commands held while the machine was busy, oldest first; each new handler they run holds
    // any command that comes meanwhile, and this loop takes it in turn.
    if (settling) return;
    settling = true;
    while (!waiting.empty() || !later.empty()) {
        if (!waiting.empty()) {
            const Command next = waiting.front();
            waiting.pop_front();
            runcommand(next);
            continue;
        }
        const std::function<void()> task = std::move(later.front());
        later.pop_front();
        // The task counts as a handler: what it lets run meanwhile waits for it.
        ++running;
        task();
        --running;
        if (afterhandler) afterhandler();
    }
    settling = false;
}

void Dispatcher::whensettled(std::function<void()> task) {
    later.push_back(std::move(task));
    if (running == 0) settle();
}

}  // namespace zel
