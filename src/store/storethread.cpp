#include "store/storethread.h"

namespace zel {

StoreThread::StoreThread() : worker([this] { work(); }) {}

StoreThread::~StoreThread() {
    {
        std::lock_guard lock(mutex);
        stopping = true;
    }
    wake.notify_all();
    worker.join();
}

void StoreThread::post(std::function<void()> task) {
    push({[task = std::move(task)](bool) { task(); }, false});
}

void StoreThread::postsettings(std::function<void(bool)> task) { push({std::move(task), true}); }

void StoreThread::push(Task task) {
    {
        std::lock_guard lock(mutex);
        tasks.push_back(std::move(task));
        ++posted;
    }
    wake.notify_one();
}

void StoreThread::flush() {
    std::unique_lock lock(mutex);
    const uint64_t target = posted;
    finishedone.wait(lock, [this, target] { return finished >= target; });
}

void StoreThread::work() {
    std::unique_lock lock(mutex);
    for (;;) {
        wake.wait(lock, [this] { return stopping || !tasks.empty(); });
        if (tasks.empty()) return;  // stopping, and nothing left to do
        Task task = std::move(tasks.front());
        tasks.pop_front();
        const bool last = !(task.settings && !tasks.empty() && tasks.front().settings);
        lock.unlock();
        task.run(last);
        lock.lock();
        ++finished;
        finishedone.notify_all();
    }
}

}  // namespace zel
