// Album file speed: checking a 1000-image album in memory, and opening and
// saving a 300-image album with its store copies (30 KB each) on disk.
#include "bench_support.h"

#include "core/album/album_file.h"
#include "core/album/album_read.h"
#include "core/album/album_write.h"
#include "core/util/byte_writer.h"
#include "core/util/file_io.h"
#include "core/util/fixed_text.h"
#include "core/util/paths.h"
#include "support/temp_dir.h"

#include <string>
#include <unistd.h>
#include <vector>

namespace pictra::bench {
namespace {

constexpr std::size_t kCopyBytes = 30'000;

std::vector<std::uint8_t> albumBytes(int images)
{
    std::vector<ImageEntry> entries(static_cast<std::size_t>(images));
    for (int i = 0; i < images; ++i)
        setFieldText(entries[static_cast<std::size_t>(i)].path, "/photos/img_" + std::to_string(i) + ".jpg");
    ByteWriter out;
    writeAlbumHead(out, entries);
    const std::vector<std::uint8_t> copy(kCopyBytes, 0x5A);
    for (int i = 0; i < images; ++i) {
        out.i32(static_cast<std::int32_t>(copy.size()));
        out.bytes(copy);
    }
    return out.take();
}

void parse1000(benchmark::State& state)
{
    static const std::vector<std::uint8_t> bytes = albumBytes(1000);
    for (auto _ : state)
        benchmark::DoNotOptimize(parseAlbumFile(bytes).ok());
}
BENCHMARK(parse1000)->Name("album.parse.1000x30k")->UseRealTime()->Unit(benchmark::kMillisecond)->MinTime(0.5);

struct DiskAlbum {
    DiskAlbum() : programFolder(dir.file("pf")), albumPath(dir.file("bench.abm"))
    {
        const auto bytes = albumBytes(300);
        (void)writeFile(albumPath, bytes);
    }
    test::TempDir dir;
    std::string programFolder;
    std::string albumPath;
};

void openAndSave(benchmark::State& state, bool save)
{
    static DiskAlbum disk;
    for (auto _ : state) {
        auto table = makeAlbumTable();
        auto report = readAlbum(*table, disk.programFolder, disk.albumPath, 0);
        if (save)
            benchmark::DoNotOptimize(writeAlbum(table->working, disk.programFolder, disk.albumPath, disk.albumPath).ok());
        state.PauseTiming();
        for (int i = 0; i < table->working.imageCount; ++i)
            (void)::unlink(storeCopyPath(disk.programFolder, disk.albumPath,
                                         fieldText(table->working.images[static_cast<std::size_t>(i)].path))
                               .c_str());
        benchmark::DoNotOptimize(report.ok());
        state.ResumeTiming();
    }
}

void read300(benchmark::State& state) { openAndSave(state, false); }
void readWrite300(benchmark::State& state) { openAndSave(state, true); }
BENCHMARK(read300)->Name("album.read.300x30k")->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(readWrite300)->Name("album.read_write.300x30k")->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
} // namespace pictra::bench
