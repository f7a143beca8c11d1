#pragma once
// The store's writer: one thread that does every write of the settings store and the game
// history, task after task in the order they were handed over, so that the window thread never
// waits for a disk. A task is handed over in no time; whoever must see the disk caught up (a read
// of the history, the exit) waits for what is still to do.
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace zel {

class StoreThread {
public:
    StoreThread();
    ~StoreThread();  // every task handed over runs first
    StoreThread(const StoreThread&) = delete;
    StoreThread& operator=(const StoreThread&) = delete;

    // A task runs after every task handed over before it.
    void post(std::function<void()> task);
    // A write of the settings: when another follows it at once, the writing may be left to that one
    // (`last` is false), since each writes the whole file.
    void postsettings(std::function<void(bool last)> task);
    // Waits until every task handed over so far has run.
    void flush();

private:
    struct Task {
        std::function<void(bool)> run;
        bool settings = false;
    };
    void push(Task task);
    void work();

    std::mutex mutex;
    std::condition_variable wake, finishedone;
    std::deque<Task> tasks;
    uint64_t posted = 0, finished = 0;
    bool stopping = false;
    std::thread worker;
};

}  // namespace zel
