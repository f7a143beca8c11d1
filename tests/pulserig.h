#pragma once
// A private PulseAudio server with one null sink, and a recorder of that sink's monitor, for the
// tests and benchmarks that check what a player hears. Both are child processes started here and
// stopped by their own process ids (also when a check fails); should this process die first, they
// get a termination signal from the kernel.
#include <sys/types.h>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "childprocess.h"

namespace zel::test {

using Clock = std::chrono::steady_clock;

// A PulseAudio server of our own, under a temporary runtime folder, with a null sink "zelnull"
// that is the default sink. Once started, this process's clients connect to it (PULSE_SERVER).
class PulseServer {
public:
    bool start(QString* why);
    void stop() { server.stop(); }
    QString socket() const { return dir.filePath(QStringLiteral("runtime/pulse/native")); }
    QString log() const;
    QString folder() const { return dir.path(); }
    pid_t pid() const { return server.pid(); }
    static constexpr const char* monitor = "zelnull.monitor";

private:
    QTemporaryDir dir;
    ChildProcess server;
};

// Records the null sink's monitor at 44100 Hz, one channel, 16 bit, with 10 ms of latency, and
// keeps when each sample was rendered.
class MonitorRecorder {
public:
    static constexpr int rate = 44100;
    MonitorRecorder() = default;
    MonitorRecorder(const MonitorRecorder&) = delete;
    MonitorRecorder& operator=(const MonitorRecorder&) = delete;
    ~MonitorRecorder() { stop(); }

    bool start(const PulseServer& server, QString* why);
    void stop();
    // Waits until the samples rendered up to `moment` have arrived (false after `patience`).
    bool waitfor(Clock::time_point moment, std::chrono::milliseconds patience = std::chrono::seconds(5));
    // The samples rendered from `from` on, up to `to`.
    std::vector<int16_t> between(Clock::time_point from, Clock::time_point to);

private:
    void readloop();

    ChildProcess parec;
    std::thread reader;
    std::mutex lock;
    std::condition_variable arrived;
    std::vector<int16_t> samples;
    // The earliest the first sample can have been rendered, from when each block arrived:
    // a sample cannot arrive before it exists, so the least of (arrival - samples before it) is
    // within one block of the truth, and never earlier.
    Clock::time_point firstsample = Clock::time_point::max();
    bool ended = false;
};

}  // namespace zel::test
