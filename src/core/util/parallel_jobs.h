// Running many independent jobs on every core with plain threads, while the
// calling thread only reports progress (so a ui can keep drawing and offer
// to stop).
#pragma once

#include <cstddef>
#include <functional>

namespace pictra {

// Calls job(i) for every i in [0, count) on up to one thread per core (at
// least two jobs per thread). `progress` runs on the calling thread with the
// number of jobs done, now and then and once at the end; when it returns
// false no further job starts (those under way finish) and the run counts
// as cancelled even if every job had already run. True when not cancelled
// (then every job ran). The job must be safe to run on several threads at once.
bool runParallelJobs(std::size_t count, const std::function<void(std::size_t)>& job,
                     const std::function<bool(std::size_t done)>& progress = {});

} // namespace pictra
