#include "pulserig.h"

#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace zel::test {

namespace {

// Does a server listen on this unix socket?
bool answers(const QString& socketpath) {
    const QByteArray name = QFile::encodeName(socketpath);
    sockaddr_un address{};
    if (size_t(name.size()) >= sizeof(address.sun_path)) return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    const int s = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (s < 0) return false;
    const bool ok = ::connect(s, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
    ::close(s);
    return ok;
}

}  // namespace

QString PulseServer::log() const {
    QFile file(dir.filePath(QStringLiteral("pulseaudio.log")));
    return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll()) : QString();
}

bool PulseServer::start(QString* why) {
    if (!dir.isValid()) {
        *why = QStringLiteral("no temporary folder");
        return false;
    }
    const QString runtime = dir.filePath(QStringLiteral("runtime"));
    const QString home = dir.filePath(QStringLiteral("home"));
    QDir().mkpath(runtime + QStringLiteral("/pulse"));
    QDir().mkpath(home);
    ::chmod(QFile::encodeName(runtime).constData(), 0700);
    const QStringList env = {
        QStringLiteral("XDG_RUNTIME_DIR=") + runtime,
        QStringLiteral("PULSE_RUNTIME_PATH=") + runtime + QStringLiteral("/pulse"),
        QStringLiteral("PULSE_STATE_PATH=") + dir.filePath(QStringLiteral("state")),
        QStringLiteral("HOME=") + home,
    };
    // No start-up script: exactly the modules named here. Running as root (as CI does) only warns.
    const QStringList args = {
        QStringLiteral("-n"), QStringLiteral("--daemonize=no"), QStringLiteral("--use-pid-file=no"),
        QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--high-priority=no"), QStringLiteral("--realtime=no"),
        QStringLiteral("--log-target=stderr"), QStringLiteral("--log-level=warning"),
        QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1 socket=") + socket(),
        QStringLiteral("--load=module-null-sink sink_name=zelnull rate=44100"),
    };
    if (!server.start(QStringLiteral("pulseaudio"), args, env, dir.filePath(QStringLiteral("pulseaudio.log")), false)) {
        *why = QStringLiteral("pulseaudio could not be started (is it installed?)");
        return false;
    }
    const auto deadline = Clock::now() + std::chrono::seconds(10);
    while (!answers(socket())) {
        if (!server.running() || Clock::now() > deadline) {
            *why = QStringLiteral("pulseaudio did not come up:\n") + log();
            server.stop();
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    // This process's clients (the sound bank) talk to this server and keep out of the user's.
    qputenv("PULSE_SERVER", (QStringLiteral("unix:") + socket()).toLocal8Bit());
    qputenv("PULSE_RUNTIME_PATH", (runtime + QStringLiteral("/pulse")).toLocal8Bit());
    qputenv("PULSE_COOKIE", dir.filePath(QStringLiteral("cookie")).toLocal8Bit());
    return true;
}

bool MonitorRecorder::start(const PulseServer& server, QString* why) {
    const QStringList args = {
        QStringLiteral("--server=unix:") + server.socket(), QStringLiteral("--device=") + QLatin1String(PulseServer::monitor),
        QStringLiteral("--latency-msec=10"), QStringLiteral("--format=s16le"), QStringLiteral("--rate=44100"),
        QStringLiteral("--channels=1"), QStringLiteral("--raw"),
    };
    const QString log = QDir(server.folder()).filePath(QStringLiteral("parec.log"));
    if (!parec.start(QStringLiteral("parec"), args, {}, log, true)) {
        *why = QStringLiteral("parec could not be started (is pulseaudio-utils installed?)");
        return false;
    }
    reader = std::thread([this] { readloop(); });
    std::unique_lock<std::mutex> hold(lock);
    if (!arrived.wait_for(hold, std::chrono::seconds(10), [this] { return !samples.empty() || ended; }) || ended) {
        hold.unlock();
        stop();
        *why = QStringLiteral("parec recorded nothing");
        return false;
    }
    return true;
}

void MonitorRecorder::stop() {
    parec.stop();
    if (reader.joinable()) reader.join();
}

void MonitorRecorder::readloop() {
    char block[4096];
    int odd = -1;  // a byte of a sample split between two reads
    for (;;) {
        const ssize_t got = ::read(parec.outfd(), block, sizeof block);
        if (got <= 0) break;
        const auto now = Clock::now();
        std::lock_guard<std::mutex> hold(lock);
        ssize_t at = 0;
        if (odd >= 0) {
            samples.push_back(int16_t(quint8(odd) | (quint8(block[0]) << 8)));
            odd = -1;
            at = 1;
        }
        for (; at + 1 < got; at += 2) samples.push_back(int16_t(quint8(block[at]) | (quint8(block[at + 1]) << 8)));
        if (at < got) odd = quint8(block[at]);
        const auto rendered = std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(double(samples.size()) / rate));
        firstsample = std::min(firstsample, now - rendered);
        arrived.notify_all();
    }
    std::lock_guard<std::mutex> hold(lock);
    ended = true;
    arrived.notify_all();
}

bool MonitorRecorder::waitfor(Clock::time_point moment, std::chrono::milliseconds patience) {
    std::unique_lock<std::mutex> hold(lock);
    return arrived.wait_for(hold, patience, [&] {
        const auto have = std::chrono::duration<double>(double(samples.size()) / rate);
        return ended || firstsample + std::chrono::duration_cast<Clock::duration>(have) >= moment;
    }) && !ended;
}

std::vector<int16_t> MonitorRecorder::between(Clock::time_point from, Clock::time_point to) {
    std::lock_guard<std::mutex> hold(lock);
    const auto index = [&](Clock::time_point t) {
        const double s = std::chrono::duration<double>(t - firstsample).count() * rate;
        return size_t(std::clamp(s, 0.0, double(samples.size())));
    };
    const size_t a = index(from), b = std::max(a, index(to));
    return {samples.begin() + qsizetype(a), samples.begin() + qsizetype(b)};
}

}  // namespace zel::test
