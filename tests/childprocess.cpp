#include "childprocess.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>
#include <vector>

#include <QByteArray>
#include <QFile>
#include <QStandardPaths>

extern char** environ;

namespace zel::test {

bool ChildProcess::start(const QString& program, const QStringList& args, const QStringList& env,
                         const QString& logfile, bool pipeout) {
    const QString path = QStandardPaths::findExecutable(program);
    if (path.isEmpty()) return false;
    // Everything the child needs is prepared before the fork: after it, only plain system calls.
    std::vector<QByteArray> argbytes{QFile::encodeName(path)}, envbytes;
    for (const QString& a : args) argbytes.push_back(a.toLocal8Bit());
    QStringList overridden;
    for (const QString& e : env) {
        envbytes.push_back(e.toLocal8Bit());
        overridden << e.section(QLatin1Char('='), 0, 0) + QLatin1Char('=');
    }
    for (char** e = environ; *e; ++e) {
        const QString entry = QString::fromLocal8Bit(*e);
        bool replaced = false;
        for (const QString& name : overridden) replaced |= entry.startsWith(name);
        if (!replaced) envbytes.emplace_back(*e);
    }
    std::vector<char*> argv, envp;
    for (auto& a : argbytes) argv.push_back(a.data());
    for (auto& e : envbytes) envp.push_back(e.data());
    argv.push_back(nullptr);
    envp.push_back(nullptr);
    const QByteArray logname = QFile::encodeName(logfile);
    const int log = ::open(logname.constData(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
    if (log < 0) return false;
    int fds[2] = {-1, -1};
    if (pipeout && ::pipe2(fds, O_CLOEXEC) != 0) {
        ::close(log);
        return false;
    }
    const pid_t parent = ::getpid();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (::getppid() != parent) ::_exit(127);
        ::dup2(pipeout ? fds[1] : log, STDOUT_FILENO);
        ::dup2(log, STDERR_FILENO);
        const int nothing = ::open("/dev/null", O_RDONLY);
        if (nothing >= 0) ::dup2(nothing, STDIN_FILENO);
        ::execve(argv[0], argv.data(), envp.data());
        ::_exit(127);
    }
    ::close(log);
    if (pipeout) ::close(fds[1]);
    if (pid < 0) {
        if (pipeout) ::close(fds[0]);
        return false;
    }
    child = pid;
    out = pipeout ? fds[0] : -1;
    return true;
}

bool ChildProcess::running() {
    if (child <= 0) return false;
    int status = 0;
    if (::waitpid(child, &status, WNOHANG) == child) {
        child = -1;
        return false;
    }
    return true;
}

void ChildProcess::stop() {
    if (child > 0) {
        ::kill(child, SIGTERM);
        int status = 0;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
        while (::waitpid(child, &status, WNOHANG) == 0) {
            if (std::chrono::steady_clock::now() > deadline) {
                ::kill(child, SIGKILL);
                ::waitpid(child, &status, 0);
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        child = -1;
    }
    if (out >= 0) ::close(out);
    out = -1;
}

}  // namespace zel::test
