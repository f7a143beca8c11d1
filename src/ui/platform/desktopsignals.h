#pragma once
// What the desktop asks of the running game by a signal: to end, by SIGTERM (a shutdown, `kill`),
// SIGHUP (a logout, a closed terminal) and SIGINT (Ctrl+C in a terminal), or to show itself, by
// SIGUSR1 (a second start on the same store, store/instancelock.h). A signal only marks the
// request; it reaches the window thread as an ordinary event, so the game leaves as its exit
// command does: what is pending is settled and the record saved before the program ends.
#include <functional>
#include <memory>

class QSocketNotifier;

namespace zel {

class DesktopSignals {
public:
    // onrequest runs on the thread that made this object, once per signal, with its number.
    explicit DesktopSignals(std::function<void(int)> onrequest);
    ~DesktopSignals();
    DesktopSignals(const DesktopSignals&) = delete;
    DesktopSignals& operator=(const DesktopSignals&) = delete;

private:
    std::function<void(int)> onrequest;
    std::unique_ptr<QSocketNotifier> notifier;
};

}  // namespace zel
