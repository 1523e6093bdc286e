// The duplicate guard on a drop of 20 photos (2400 × 1800) onto an album of
// 1000 entries: the first drop reads every store copy (640 × 480), a second
// one only the 20 files; beside them, making the 20 store copies, which the
// drop does anyway.
#include "bench_support.h"

#include "core/album/store_copy.h"
#include "core/recognise/offered_duplicates.h"
#include "core/util/file_io.h"
#include "core/util/paths.h"
#include "support/synthetic_scene.h"
#include "support/temp_dir.h"

#include <string>
#include <vector>

namespace pictra::bench {
namespace {

constexpr int kEntries = 1000;
constexpr int kDropped = 20;
constexpr std::size_t kCap = std::size_t{256} << 20;

struct DropScene {
    // A file that cannot be written shows as a lower "found" count.
    DropScene()
    {
        (void)makeFolders(dir.file("photos"));
        for (int i = 0; i < kEntries; ++i) {
            images.push_back(dir.file("photos/IMG_" + std::to_string(i) + ".jpg"));
            const std::string copy = storeCopyPath(program, album, images.back());
            (void)makeFolders(copy.substr(0, copy.rfind('/')));
            (void)writeFile(copy, test::encodeWithTurbo(test::makeScene(640, 480, static_cast<std::uint32_t>(i + 1)), 80,
                                                        test::TurboSampling::S420));
        }
        // The last dropped photo is an album picture again.
        for (int i = 0; i < kDropped; ++i) {
            const auto seed = static_cast<std::uint32_t>(i + 1 == kDropped ? 7 : 50'000 + i);
            dropped.push_back(dir.file("new/DSC_" + std::to_string(i) + ".jpg"));
            (void)makeFolders(dir.file("new"));
            (void)writeFile(dropped.back(), test::encodeWithTurbo(test::makeScene(2400, 1800, seed), 90,
                                                                  test::TurboSampling::S420));
        }
    }
    AlbumPictures pictures() const { return {program, album, images}; }

    test::TempDir dir;
    std::string program = dir.file("prog");
    std::string album = dir.file("trip.abm");
    std::vector<std::string> images;
    std::vector<std::string> dropped;
};

DropScene& scene()
{
    static DropScene s;
    return s;
}

void firstDrop(benchmark::State& state)
{
    DropScene& s = scene();
    for (auto _ : state) {
        StoreCopyContents kept;
        state.counters["found"] = static_cast<double>(findOfferedDuplicates(s.pictures(), s.dropped, kept, kCap).size());
    }
}
BENCHMARK(firstDrop)->Name("duplicates.drop20_on_1000.first")->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(3);

void secondDrop(benchmark::State& state)
{
    DropScene& s = scene();
    StoreCopyContents kept;
    (void)findOfferedDuplicates(s.pictures(), s.dropped, kept, kCap);
    for (auto _ : state)
        state.counters["found"] = static_cast<double>(findOfferedDuplicates(s.pictures(), s.dropped, kept, kCap).size());
}
BENCHMARK(secondDrop)->Name("duplicates.drop20_on_1000.again")->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(5);

void storeCopies(benchmark::State& state)
{
    DropScene& s = scene();
    ImageFileIO io;
    ImageBuffers buffers{kCap};
    for (auto _ : state)
        for (const std::string& file : s.dropped)
            benchmark::DoNotOptimize(makeStoreCopy(io, buffers.record(), s.program, s.dir.file("other.abm"), file));
}
BENCHMARK(storeCopies)->Name("duplicates.store_copies_of_20")->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(3);

PICTRA_BENCH_RATIO("duplicates.first_over_store_copies", "duplicates.drop20_on_1000.first", "duplicates.store_copies_of_20");
PICTRA_BENCH_RATIO("duplicates.again_over_store_copies", "duplicates.drop20_on_1000.again", "duplicates.store_copies_of_20");

} // namespace
} // namespace pictra::bench
