// Finding moved originals: 1000 missing entries in a tree of 20,000 small
// JPEG files (160 × 120) of which 1000 are the originals renamed, first with
// an empty hash cache, then again with the cache the first search filled.
#include "bench_support.h"

#include "core/recognise/hash_cache.h"
#include "core/recognise/relink_search.h"
#include "core/util/file_io.h"
#include "support/synthetic_scene.h"
#include "support/temp_dir.h"

#include <string>
#include <vector>

namespace pictra::bench {
namespace {

constexpr int kOriginals = 1000;
constexpr int kFiles = 20000;
constexpr int kDistinctOthers = 2000;
constexpr int kWidth = 160;
constexpr int kHeight = 120;

std::vector<std::uint8_t> sceneJpeg(std::uint32_t seed, int quality)
{
    return test::encodeWithTurbo(test::makeScene(kWidth, kHeight, seed), quality, test::TurboSampling::S420);
}

struct RelinkTree {
    // A file that cannot be written shows as a lower "found" count.
    RelinkTree()
    {
        for (int i = 0; i < kOriginals; ++i) {
            const auto original = sceneJpeg(static_cast<std::uint32_t>(i + 1), 90);
            const std::string folder = dir.path() + "/moved/" + std::to_string(i % 50);
            (void)makeFolders(folder);
            (void)writeFile(folder + "/renamed_" + std::to_string(i) + ".jpg", original);
            const auto copy = sceneJpeg(static_cast<std::uint32_t>(i + 1), 75);
            if (auto described = describeMissingOriginal(i, "/gone/IMG_" + std::to_string(i) + ".jpg", copy, 0,
                                                         std::size_t{64} << 20))
                missing.push_back(std::move(*described));
        }
        std::vector<std::vector<std::uint8_t>> others;
        for (int i = 0; i < kDistinctOthers; ++i)
            others.push_back(sceneJpeg(static_cast<std::uint32_t>(100'000 + i), 85));
        for (int i = 0; i < kFiles - kOriginals; ++i) {
            const std::string folder = dir.path() + "/other/" + std::to_string(i % 400);
            (void)makeFolders(folder);
            (void)writeFile(folder + "/DSC_" + std::to_string(i) + ".jpg", others[static_cast<std::size_t>(i) % others.size()]);
        }
        search.folders = {dir.path()};
    }
    test::TempDir dir;
    std::vector<MissingOriginal> missing;
    RelinkSearch search;
};

RelinkTree& tree()
{
    static RelinkTree t;
    return t;
}

std::size_t found(const RelinkOutcome& outcome)
{
    std::size_t n = 0;
    for (const RelinkProposal& p : outcome.proposals)
        n += p.verdict == RelinkVerdict::Found;
    return n;
}

void coldSearch(benchmark::State& state)
{
    RelinkTree& t = tree();
    for (auto _ : state) {
        HashCache cache;
        const RelinkOutcome outcome = findMovedOriginals(t.missing, t.search, cache);
        state.counters["found"] = static_cast<double>(found(outcome));
    }
}
BENCHMARK(coldSearch)->Name("relink.1000_in_20000")->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(1);

void secondSearch(benchmark::State& state)
{
    RelinkTree& t = tree();
    HashCache cache;
    const RelinkOutcome first = findMovedOriginals(t.missing, t.search, cache);
    state.counters["first_found"] = static_cast<double>(found(first));
    for (auto _ : state) {
        const RelinkOutcome outcome = findMovedOriginals(t.missing, t.search, cache);
        state.counters["found"] = static_cast<double>(found(outcome));
    }
}
BENCHMARK(secondSearch)->Name("relink.second_search")->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace
} // namespace pictra::bench
