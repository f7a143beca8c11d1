#include "stormrig.h"

#include <algorithm>

namespace zeltest {

using namespace zel;

namespace {
const QString names[] = {QString(), QStringLiteral("Ann"), QStringLiteral(" "), QStringLiteral("twelve chars"),
                         QStringLiteral("thirteen char"), QStringLiteral("<b>Bold</b>"), QStringLiteral("two\nlines"),
                         QStringLiteral("Zoë & Co"), QStringLiteral("😀😀😀😀😀😀😀😀😀😀😀😀")};
constexpr int keys[] = {' ', ' ', ' ', 'x', 9, 13, 27, 'm'};
constexpr OptionGroup groups[] = {OptionGroup::machine, OptionGroup::Amtpayout, OptionGroup::setspeed,
                                  OptionGroup::wincounter, OptionGroup::screensize};

bool offered(const Control* c) { return c && c->visible && c->enabled; }
}  // namespace

Storm::Storm(uint64_t seed, const QString& storefile) : rng(seed), file(storefile) { start(); }

Storm::~Storm() = default;

void Storm::start() {
    options.reset();
    about.reset();
    pays.reset();
    help.reset();
    history.reset();
    dispatcher.reset();
    zel.reset();
    record.reset();
    pf = std::make_unique<StormPlatform>(file);
    pf->recordwaits = false;
    // A write that fails is told at the save itself: the storm's course then follows from its seed.
    pf->waitforwrites = true;
    pf->rng = GameRandom(rng());
    record = std::make_unique<Player>();
    zel = std::make_unique<Zel>(*record, *pf);
    dispatcher = std::make_unique<Dispatcher>(*zel);
    zel->openwindow = [this](SecondaryWindow which) {
        switch (which) {
        case SecondaryWindow::options:
            options = std::make_unique<Options>(*record, *pf, *zel);
            options->Form_Load();
            break;
        case SecondaryWindow::about:
            about = std::make_unique<Aboutzel>(*zel);
            about->open(true);
            break;
        case SecondaryWindow::paytable:
            pays = std::make_unique<Zelpays>(*zel);
            pays->open(true);
            break;
        case SecondaryWindow::help:
            help = std::make_unique<Zelhelp>(*zel);
            help->open();
            break;
        case SecondaryWindow::history:
            history = std::make_unique<Historyzel>(*zel);
            history->Form_Load();
            break;
        }
    };
    pf->ondoevents = [this] { inject(); };
    pf->onwait = [this](int) { inject(); };
    pf->onmodal = [this] {
        // A message box waits for the player; only the timers get through to the machine.
        const auto timer = TimerControl(pick(0, timercount - 1));
        if (chance() < 0.5) dispatcher->tick(timer);
    };
    // The store is read and written only between the stake taken and the win booked, never inside.
    pf->onstore = [this] {
        if (zel->spinning) ++midspinstore;
    };
    spaceheld = false;
    ++runs;
    zel->Form_Load();
}

bool Storm::act() {
    try {
        randominput(false);
        dropclosedwindows();
    } catch (const GameEnded&) {
        return false;
    }
    if (runs % 50 == 0) {
        pf->clips.clear();
        pf->boxes.clear();
        pf->displaychanges.clear();
    }
    return true;
}

void Storm::inject() {
    if (pf->ended) return;
    for (int b = 0; b < buttoncount; ++b) deepest = std::max(deepest, dispatcher->depth(Button(b)));
    for (int c = 0; c < commandcount; ++c) deepest = std::max(deepest, dispatcher->depth(Command(c)));
    for (int t = 0; t < timercount; ++t) deepest = std::max(deepest, dispatcher->depth(TimerControl(t)));
    if (nesting > 3) return;  // input keeps coming, but a finite test must stop somewhere
    ++nesting;
    if (spaceheld) {
        ++injected;
        dispatcher->key(' ');
    }
    if (chance() < 0.3) {
        ++injected;
        randominput(true);
    }
    --nesting;
}

void Storm::randominput(bool nested) {
    const double r = chance() * 100;
    if (r < 38) {
        press(!nested && chance() < 0.6);
    } else if (r < 48) {
        dispatcher->key(keys[pick(0, int(std::size(keys)) - 1)]);
    } else if (r < 50) {
        spaceheld = !spaceheld;
    } else if (r < 54) {
        const double c = chance();
        dispatcher->command(c < 0.3 ? Command::quickcredit
                            : c < 0.5 ? Command::options
                            : c < 0.7 ? Command::about
                            : c < 0.85 ? Command::paytable
                            : c < 0.92 ? Command::history
                            : c < 0.95 ? Command::quickcredit
                            : c < 0.97 ? Command::help
                                       : Command::exit);
    } else if (r < 80) {
        // The window's timers fire when they are due; a disabled one fires no more.
        std::vector<TimerControl> running;
        for (int t = 0; t < timercount; ++t)
            if (Dispatcher::timerof(zel->form, TimerControl(t)).enabled) running.push_back(TimerControl(t));
        if (!running.empty()) dispatcher->tick(running[size_t(pick(0, int(running.size()) - 1))]);
        else dispatcher->tick(TimerControl(pick(0, timercount - 1)));
    } else if (r < 93) {
        if (options) optionsinput();
        else closesmallwindow();
    } else if (r < 94) {
        pf->storewritable = !pf->storewritable;  // the disk fills up, or frees again
    } else {
        press(false);
    }
}

void Storm::press(bool offeredonly) {
    // Mostly what the window offers, sometimes anything at all (a click racing the window's update).
    for (int attempt = 0; attempt < 8; ++attempt) {
        const auto button = Button(pick(0, buttoncount - 1));
        const int index = pick(0, 7);
        if (offeredonly && !offered(Dispatcher::controlof(zel->form, button, index))) continue;
        dispatcher->press(button, index);
        return;
    }
}

void Storm::optionsinput() {
    if (options->form.unloaded) return;  // closed: nothing of it is left to click
    const double r = chance();
    if (r < 0.35) {
        options->click(groups[pick(0, 4)], pick(-1, 7));
    } else if (r < 0.6) {
        options->form.player1.text = names[pick(0, int(std::size(names)) - 1)];
        int key = chance() < 0.8 ? keyenter : int('a');
        options->player1_KeyPress(key);
    } else if (r < 0.7) {
        pf->answers.push_back(chance() < 0.5 ? MsgResult::yes : MsgResult::no);
        options->Btndeletedetails_Click();
    } else if (r < 0.85) {
        options->btnokplayer_Click();
    } else {
        options->Form_QueryUnload();  // Escape, or the close box
    }
}

void Storm::closesmallwindow() {
    if (about) chance() < 0.5 ? about->cmdOK_Click() : about->Form_QueryUnload();
    else if (pays) chance() < 0.5 ? pays->btnunloadpays_Click() : pays->Form_QueryUnload();
    else if (help) chance() < 0.5 ? help->cmdclose_Click() : help->Form_QueryUnload();
    else if (history) chance() < 0.7 ? history->list_Click(pick(-1, 30)) : history->Form_QueryUnload();
}

void Storm::dropclosedwindows() {
    if (options && options->form.unloaded) options.reset();
    if (about && about->form.unloaded) about.reset();
    if (pays && pays->form.unloaded) pays.reset();
    if (help && help->form.unloaded) help.reset();
    if (history && history->form.unloaded) history.reset();
}

}  // namespace zeltest
