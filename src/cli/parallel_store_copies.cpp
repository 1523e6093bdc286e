// A pool of threads taking the batch's copies one index at a time.
#include "parallel_store_copies.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

namespace pictra::cli {

BatchResults makeStoreCopiesInParallel(const StoreCopyBatch& batch, const BatchProgress& progress)
{
    BatchResults results(batch.sources.size());
    std::atomic<std::size_t> next{0};
    std::atomic<bool> stop{false};
    std::mutex progressLock;
    std::size_t done = 0;
    const auto work = [&] {
        for (std::size_t i = next++; i < batch.sources.size() && !stop; i = next++) {
            results[i] = makeBatchStoreCopy(batch, i); // each thread writes its own slots
            const std::lock_guard lock(progressLock);
            ++done;
            if (progress && !progress(done))
                stop = true;
        }
    };
    const std::size_t threads =
        std::min<std::size_t>(std::max(1u, std::thread::hardware_concurrency()), batch.sources.size());
    std::vector<std::jthread> pool;
    for (std::size_t t = 1; t < threads; ++t)
        pool.emplace_back(work);
    work();
    return results;
}

} // namespace pictra::cli
