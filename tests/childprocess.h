#pragma once
// A program run as a child of a test or a benchmark (a sound server, a recorder, an X server, a
// window manager, the game): stopped by its own process id, also when a check fails; should this
// process die first, it gets a termination signal from the kernel.
#include <sys/types.h>

#include <QString>
#include <QStringList>

namespace zel::test {

// A program run as a child: its standard error (and output, unless piped) goes to a log file.
class ChildProcess {
public:
    ChildProcess() = default;
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    ~ChildProcess() { stop(); }

    // Starts `program` with extra environment entries ("NAME=value"); with `pipeout` its standard
    // output is readable from outfd().
    bool start(const QString& program, const QStringList& args, const QStringList& env, const QString& logfile,
               bool pipeout);
    // SIGTERM to this child's pid, then SIGKILL after two seconds; reaps it.
    void stop();
    bool running();
    pid_t pid() const { return child; }
    int outfd() const { return out; }

private:
    pid_t child = -1;
    int out = -1;
};

}  // namespace zel::test
