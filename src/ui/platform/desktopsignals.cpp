#include "ui/platform/desktopsignals.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>

namespace zel {

namespace {
constexpr int handled[] = {SIGTERM, SIGHUP, SIGINT, SIGUSR1};

// The write end is all a signal handler touches: write() is safe there.
int pipefd[2] = {-1, -1};

void onsignal(int number) {
    const int saved = errno;
    const unsigned char byte = static_cast<unsigned char>(number);
    [[maybe_unused]] const ssize_t written = ::write(pipefd[1], &byte, 1);
    errno = saved;
}
}  // namespace

DesktopSignals::DesktopSignals(std::function<void(int)> callback) : onrequest(std::move(callback)) {
    if (::pipe2(pipefd, O_CLOEXEC | O_NONBLOCK) != 0) return;  // no pipe: the signals keep their default
    notifier = std::make_unique<QSocketNotifier>(pipefd[0], QSocketNotifier::Read);
    QObject::connect(notifier.get(), &QSocketNotifier::activated, notifier.get(), [this] {
        unsigned char byte = 0;
        while (::read(pipefd[0], &byte, 1) == 1)
            if (onrequest) onrequest(byte);
    });
    struct sigaction action = {};
    action.sa_handler = onsignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int number : handled) ::sigaction(number, &action, nullptr);
}

DesktopSignals::~DesktopSignals() {
    // A late request to show a window that is gone is let go; the others end the program as always.
    for (const int number : handled) std::signal(number, number == SIGUSR1 ? SIG_IGN : SIG_DFL);
    notifier.reset();
    for (int& fd : pipefd) {
        if (fd >= 0) ::close(fd);
        fd = -1;
    }
}

}  // namespace zel
