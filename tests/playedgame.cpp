// The real game played by a script, for the tests that end it badly: the game's own start-up
// (the store's lock, the store, the history database, the windows, offscreen), with a player who
// presses whatever there is to press, timers and waits that take next to no time, and an end the
// test chooses: killed outright at a chosen moment, or left the way a player leaves. It says on
// standard output what it found at start, every record it committed and every game it handed to
// the history, so that the test can tell what the disk must hold after the kill.
//
// Set by the environment (the game's command line is the game's own):
//   ZELPLAY_SEED        the player's choices
//   ZELPLAY_DIEAT       SIGKILL at the Nth wait, event pump or commit of the game
//   ZELPLAY_DIEAFTERUS  SIGKILL this many microseconds after play starts (from outside the game's
//                       steps: in a write of the store's thread, say)
//   ZELPLAY_FEATURE     "1": every spin the player starts brings a feature
//   ZELPLAY_LEAVE       "menu" or "close": once a feature has booked ZELPLAY_LEAVEAFTER spins, the
//                       player leaves by the exit command or the close box; "collected": the player
//                       leaves by the exit command once a feature has been collected
//   ZELPLAY_ONLYSPIN    "1": the player only spins and collects (no gamble, coins or windows)
#include <csignal>
#include <cstdio>
#include <random>
#include <sys/time.h>
#include <unistd.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include "app/game.h"
#include "core/machine/zel.h"
#include "core/players/playerstore.h"
#include "ui/machine/zelwindow.h"
#include "ui/platform/qtplatform.h"

using namespace zel;

namespace {

void say(const QString& line) {
    const QByteArray bytes = line.toUtf8() + '\n';
    [[maybe_unused]] const ssize_t written = ::write(1, bytes.constData(), size_t(bytes.size()));
}

int64_t setting(const char* name, int64_t fallback) {
    bool ok = false;
    const qint64 value = qEnvironmentVariable(name).toLongLong(&ok);
    return ok ? value : fallback;
}

QString values(const Platform::Values& values) {
    QStringList parts;
    for (const auto& [key, value] : values)
        if (key != QLatin1String("game") && key != QLatin1String("currentplayer")) parts << key + QLatin1Char('=') + value;
    return parts.join(QLatin1Char(' '));
}

// The history as the game hands it over, told on the way.
class ToldHistory : public HistoryStore {
public:
    explicit ToldHistory(HistoryStore* inner) : inner(inner) {}
    std::vector<GameRecord> newest(int slot, int count) override { return inner->newest(slot, count); }
    void append(int slot, const GameRecord& g) override {
        say(QStringLiteral("append slot=%1 time=%2 stake=%3 win=%4").arg(slot).arg(g.timems).arg(g.stake).arg(g.win));
        inner->append(slot, g);
    }
    void amendnewest(int slot, const GameRecord& g) override {
        const int64_t net = g.gamble ? (g.gamble->collected ? g.gamble->amount : 0) - int64_t(g.gamble->stake) : 0;
        say(QStringLiteral("amend slot=%1 time=%2 gamble=%3").arg(slot).arg(g.timems).arg(net));
        inner->amendnewest(slot, g);
    }
    void clear(int slot) override { inner->clear(slot); }
    QString databasefile() const override { return inner->databasefile(); }

private:
    HistoryStore* inner;
};

// The real platform, with draws that bring features when the player asks for one, and the end
// the test chose.
class PlayedPlatform : public QtPlatform {
public:
    PlayedPlatform() : QtPlatform(Options(false, false)), told(QtPlatform::history()) {}

    std::deque<double> scripted;
    int64_t dieat = setting("ZELPLAY_DIEAT", 0);

    void step() {
        if (dieat > 0 && ++steps >= dieat) ::kill(::getpid(), SIGKILL);
    }
    double rnd() override {
        if (scripted.empty()) return QtPlatform::rnd();
        const double r = scripted.front();
        scripted.pop_front();
        return r;
    }
    void wait(int ms) override {
        step();
        QtPlatform::wait(ms);
    }
    void doevents() override {
        step();
        QtPlatform::doevents();
    }
    // The player's next press comes after the disk has caught up, as a person's always does: so
    // the one record that may be lost to a kill is the last one told.
    void commit(const QList<Section>& sections) override {
        // The window's size and state are the desktop's business, not the game's: written, not told.
        bool records = false;
        for (const Section& s : sections) records |= s.name != QLatin1String("window");
        if (!records) return QtPlatform::commit(sections);
        step();
        QtPlatform::commit(sections);
        QString line = QStringLiteral("commit");
        for (const Section& s : sections) line += QLatin1Char(' ') + s.name + QLatin1Char(':') + QLatin1Char(' ') + values(s.values);
        say(line);
        flush();
    }
    HistoryStore* history() override { return QtPlatform::history() ? &told : nullptr; }

private:
    int64_t steps = 0;
    ToldHistory told;
};

// Three mountains on reels 1, 2 and 3, and a pay-setting draw that lets the win stand.
void scriptfeature(PlayedPlatform& p) {
    for (const int stop : {11, 8, 13, 15, 15}) p.scripted.push_back((stop - 0.5) / 22.0);
    p.scripted.push_back(0.01);
}

class ScriptedPlayer {
public:
    ScriptedPlayer(Zel& zel, ZelWindow& window, PlayedPlatform& platform)
        : zel(zel), window(window), platform(platform), rng(uint64_t(setting("ZELPLAY_SEED", 1))) {}

    void act() {
        Dispatcher& input = window.input();
        if (leaving()) return;
        // A window of the machine's that is open is closed again before long.
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != &window && w->isVisible() && w->isWindow() && !w->inherits("QMenu")) {
                if (chance(0.3)) w->close();
                return;
            }
        if (zel.player.bank < 2000) input.command(Command::quickcredit);
        const double r = uniform();
        if (onlyspin || r < 0.45) {
            // A press made while the machine is busy does nothing: only then may it bring a feature.
            const bool held = zel.holdreel2 > 0 || zel.holdreel3 > 0 || zel.holdreel4 > 0;
            if (!input.busy() && zel.freespins < 1 && !held && (feature || chance(0.08))) scriptfeature(platform);
            input.press(Button::play, pick(1, 3));
            platform.scripted.clear();
            input.press(Button::takewin);
        } else if (r < 0.53) {
            input.press(Button::COINSIN);
        } else if (r < 0.63) {
            input.press(Button::doublebutton);
        } else if (r < 0.80) {
            const int bet = pick(0, 5);
            if (bet == 0) input.press(Button::betred);
            else if (bet == 1) input.press(Button::betblack);
            else input.press(Button::suitbet, bet - 1);
        } else if (r < 0.88) {
            input.press(Button::cancelbet);
        } else if (r < 0.93) {
            input.press(Button::takewin);
        } else if (r < 0.96) {
            input.press(Button::payline, pick(1, 5));
        } else if (r < 0.985) {
            input.command(Command::options);
        } else {
            input.command(Command::history);
        }
    }

private:
    bool leaving() {
        const QString how = qEnvironmentVariable("ZELPLAY_LEAVE");
        if (zel.freespins >= 1) infeature = true;
        if (how == QLatin1String("collected")) {
            if (!infeature || zel.freespins >= 1) return false;
            window.input().command(Command::exit);
            return true;
        }
        if (how.isEmpty() || zel.freespinsplayed < setting("ZELPLAY_LEAVEAFTER", 3) || zel.freespinsplayed >= zel.freespins)
            return false;
        if (how == QLatin1String("menu")) window.input().command(Command::exit);
        else if (how == QLatin1String("close")) window.close();
        return true;
    }
    bool chance(double p) { return uniform() < p; }
    double uniform() { return std::uniform_real_distribution<double>(0, 1)(rng); }
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); }

    Zel& zel;
    ZelWindow& window;
    PlayedPlatform& platform;
    std::mt19937_64 rng;
    bool infeature = false;
    const bool feature = qEnvironmentVariable("ZELPLAY_FEATURE") == QLatin1String("1");
    const bool onlyspin = qEnvironmentVariable("ZELPLAY_ONLYSPIN") == QLatin1String("1");
};

}  // namespace

int main(int argc, char** argv) {
    PlayedPlatform* played = nullptr;
    std::unique_ptr<ScriptedPlayer> player;
    QTimer ticks;
    GameHooks hooks;
    hooks.makeplatform = [&played] {
        auto platform = std::make_unique<PlayedPlatform>();
        played = platform.get();
        return std::unique_ptr<QtPlatform>(std::move(platform));
    };
    hooks.started = [&](Zel& zel, ZelWindow& window, QtPlatform&) {
        // What the start found: the record, the play taken up, the history.
        played->flush();
        const zel::Player& p = zel.player;
        const std::vector<GameRecord> games = played->history()->newest(1, 1 << 30);
        int64_t net = 0;
        for (const GameRecord& g : games)
            net += int64_t(g.win) - g.stake + (g.gamble ? (g.gamble->collected ? g.gamble->amount : 0) - int64_t(g.gamble->stake) : 0);
        say(QStringLiteral("start bank=%1 amountinvested=%2 wager=%3 total=%4 games=%5 freespins=%6 freespinsplayed=%7 "
                           "freespintotal=%8 stake=%9 history=%10 net=%11 respin=%12")
                .arg(p.bank).arg(p.amountinvested).arg(p.wager).arg(p.total).arg(p.games).arg(zel.freespins)
                .arg(zel.freespinsplayed).arg(zel.freespintotal).arg(zel.stake()).arg(games.size()).arg(net)
                .arg(zel.form.Timerrespin.enabled ? 1 : 0));
        // The game's timers, a hundred times as fast; the player acts every few milliseconds.
        for (FormTimer* t : {&zel.form.Timer1, &zel.form.Timerscatters, &zel.form.Timer4, &zel.form.timerwild})
            t->interval = 15;
        zel.form.Timerrespin.interval = 40;
        zel.form.Timerwincounter.interval = 1;
        player = std::make_unique<ScriptedPlayer>(zel, window, *played);
        QObject::connect(&ticks, &QTimer::timeout, [&player] { player->act(); });
        ticks.start(4);
        // Drawing each frame of the landing is not what these tests look at; the window is drawn
        // after every handler all the same.
        played->renderhook = nullptr;
        if (const int64_t us = setting("ZELPLAY_DIEAFTERUS", 0); us > 0) {
            std::signal(SIGALRM, [](int) { ::kill(::getpid(), SIGKILL); });
            itimerval when = {};
            when.it_value.tv_sec = time_t(us / 1000000);
            when.it_value.tv_usec = suseconds_t(us % 1000000);
            setitimer(ITIMER_REAL, &when, nullptr);
        }
    };
    return rungame(argc, argv, hooks);
}
