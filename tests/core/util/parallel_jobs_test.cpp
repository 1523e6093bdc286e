#include "core/util/parallel_jobs.h"

#include <gtest/gtest.h>

#include <atomic>
#include <vector>

namespace pictra {
namespace {

TEST(RunParallelJobs, RunsEveryJobOnceAndReportsTheEnd)
{
    std::vector<std::atomic<int>> runs(1000);
    std::size_t last = 0;
    EXPECT_TRUE(runParallelJobs(
        runs.size(), [&](std::size_t i) { ++runs[i]; },
        [&](std::size_t done) {
            EXPECT_GE(done, last);
            last = done;
            return true;
        }));
    EXPECT_EQ(last, runs.size());
    for (const auto& n : runs)
        EXPECT_EQ(n, 1);
    EXPECT_TRUE(runParallelJobs(0, [](std::size_t) { FAIL(); }));
}

TEST(RunParallelJobs, AStopIsACancel)
{
    // A stop asked for after the last job still counts as a cancel.
    EXPECT_FALSE(runParallelJobs(3, [](std::size_t) {}, [](std::size_t) { return false; }));
}

} // namespace
} // namespace pictra
