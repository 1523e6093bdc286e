// A pool of threads taking job indices from one counter; the caller waits on
// a condition and reports progress between waits.
#include "core/util/parallel_jobs.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace pictra {

bool runParallelJobs(std::size_t count, const std::function<void(std::size_t)>& job,
                     const std::function<bool(std::size_t done)>& progress)
{
    std::atomic<std::size_t> next{0};
    std::atomic<bool> stop{false};
    std::mutex lock;
    std::condition_variable changed;
    std::size_t done = 0;
    std::size_t running = 0;
    const auto work = [&] {
        for (std::size_t i = next++; i < count && !stop; i = next++) {
            job(i);
            const std::lock_guard guard(lock);
            ++done;
            changed.notify_one();
        }
        const std::lock_guard guard(lock);
        --running;
        changed.notify_one();
    };
    const std::size_t threads =
        std::clamp<std::size_t>(count / 2, 1, std::max(1u, std::thread::hardware_concurrency()));
    std::vector<std::jthread> pool;
    running = threads;
    for (std::size_t t = 0; t < threads; ++t)
        pool.emplace_back(work);
    std::unique_lock guard(lock);
    do {
        // Progress every tenth of a second keeps a window responsive
        // without waking it for every small job.
        changed.wait_for(guard, std::chrono::milliseconds(100), [&] { return running == 0; });
        const std::size_t now = done;
        if (progress && !stop) {
            guard.unlock();
            if (!progress(now))
                stop = true;
            guard.lock();
        }
    } while (running > 0);
    guard.unlock();
    pool.clear();
    return !stop;
}

} // namespace pictra
