#pragma once
// The desktop's requests to end the game: SIGTERM (a shutdown, `kill`), SIGHUP (a logout, a
// closed terminal) and SIGINT (Ctrl+C in a terminal). A signal only marks the request; it reaches
// the window thread as an ordinary event, so the game leaves as its exit command does: what is
// pending is settled and the record saved before the program ends.
#include <functional>
#include <memory>

class QSocketNotifier;

namespace zel {

class ExitSignals {
public:
    // onrequest runs on the thread that made this object, once per signal, with its number.
    explicit ExitSignals(std::function<void(int)> onrequest);
    ~ExitSignals();
    ExitSignals(const ExitSignals&) = delete;
    ExitSignals& operator=(const ExitSignals&) = delete;

private:
    std::function<void(int)> onrequest;
    std::unique_ptr<QSocketNotifier> notifier;
};

}  // namespace zel
