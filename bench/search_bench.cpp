// Search speed: the disk walk over a tree of 20,000 files in 2,000 folders
// next to find(1) over the same tree, and the album search of a 1000-image
// album with words.
#include "bench_support.h"

#include "core/album/album_file.h"
#include "core/search/album_search.h"
#include "core/search/disk_search.h"
#include "core/util/byte_writer.h"
#include "core/util/cp932.h"
#include "core/util/file_io.h"
#include "core/util/fixed_text.h"
#include "support/temp_dir.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace pictra::bench {
namespace {

// 20 × 10 × 10 folders of ten files each, most of them pictures.
struct SearchTree {
    SearchTree()
    {
        const char* kinds[] = {".jpg", ".JPG", ".bmp", ".tif", ".txt", ".jpg", ".pcx", ".jpeg", ".psd", ".jpg"};
        for (int a = 0; a < 20; ++a) {
            for (int b = 0; b < 10; ++b) {
                for (int c = 0; c < 10; ++c) {
                    const std::string folder = dir.path() + "/trip" + std::to_string(a) + "/day" + std::to_string(b) +
                                               "/roll" + std::to_string(c);
                    (void)makeFolders(folder);
                    for (int f = 0; f < 10; ++f)
                        (void)writeFile(folder + "/IMG_" + std::to_string(f) + kinds[f], {});
                }
            }
        }
    }
    test::TempDir dir;
};

SearchTree& tree()
{
    static SearchTree t;
    return t;
}

void diskWalk(benchmark::State& state)
{
    const std::string root = tree().dir.path();
    for (auto _ : state) {
        std::size_t rows = 0;
        DiskSearchCallbacks callbacks;
        callbacks.proceed = [](std::string_view) { return true; };
        callbacks.found = [&rows](std::span<const std::string> paths) { rows += paths.size(); };
        benchmark::DoNotOptimize(searchDisk(root, "*.*", {}, DiskWords::AlbumPatternOnly, callbacks).rows);
        benchmark::DoNotOptimize(rows);
    }
}
BENCHMARK(diskWalk)->Name("search.disk.20000")->UseRealTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

void findWalk(benchmark::State& state)
{
    const std::string command = "find '" + tree().dir.path() + "' > /dev/null";
    for (auto _ : state)
        benchmark::DoNotOptimize(std::system(command.c_str()));
}
BENCHMARK(findWalk)->Name("search.find.20000")->UseRealTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

PICTRA_BENCH_RATIO("search.disk_vs_find", "search.disk.20000", "search.find.20000");

struct SearchAlbum {
    SearchAlbum() : path(dir.file("album.abm"))
    {
        const char* places[] = {"京都府京都市", "大阪", "奈良公園", "北海道の海"};
        std::vector<ImageEntry> entries(1000);
        for (std::size_t i = 0; i < entries.size(); ++i) {
            ImageEntry& e = entries[i];
            (void)setFieldText(e.path, "/photos/2003/img_" + std::to_string(i) + (i % 3 ? ".jpg" : ".JPG"));
            e.year = static_cast<std::int16_t>(1995 + i % 10);
            (void)setFieldText(e.place, utf8ToCp932(places[i % 4]).text);
            (void)setFieldText(e.memo, utf8ToCp932("家族旅行の写真。天気は晴れ、とても暑い日だった。").text);
        }
        ByteWriter out;
        writeAlbumHead(out, entries);
        (void)writeFile(path, out.take());
    }
    test::TempDir dir;
    std::string path;
};

void albumSearch(benchmark::State& state)
{
    static SearchAlbum album;
    const SearchWords words = parseSearchWords("2003,京都,晴天");
    for (auto _ : state)
        benchmark::DoNotOptimize(searchAlbumFile(album.path, "*.*", words).ok());
}
BENCHMARK(albumSearch)->Name("search.album.1000")->UseRealTime()->Unit(benchmark::kMillisecond)->MinTime(0.5);

} // namespace
} // namespace pictra::bench
