// What taking dates and captions from the pictures costs an add: appending
// 100 captioned JPEG files with and without reading their metadata (about
// 0.2 ms a file, against tens of milliseconds for the file's store copy).
#include "bench_support.h"

#include "core/album/album_table.h"
#include "core/album/append_images.h"
#include "core/util/file_io.h"
#include "support/temp_dir.h"

#include <cstdlib>
#include <filesystem>
#include <string>

namespace pictra::bench {
namespace {

struct CaptionedFiles {
    CaptionedFiles()
    {
        const char* data = std::getenv("PICTRA_TEST_DATA");
        const std::string source = std::string(data ? data : "tests/data") + "/metadata/captions.jpg";
        for (int i = 0; i < 100; ++i) {
            const std::string path = dir.file("IMG_" + std::to_string(i) + ".jpg");
            std::error_code ec;
            std::filesystem::copy_file(source, path, ec);
            (void)list.add(path); // the temp paths fit an entry
        }
    }
    test::TempDir dir;
    FileNameList list;
};

void append100(benchmark::State& state, const MetadataFill& fill)
{
    static CaptionedFiles files;
    auto table = makeAlbumTable();
    for (auto _ : state) {
        table->working.imageCount = 0;
        benchmark::DoNotOptimize(appendImages(table->working, files.list, 1, EntryTexts::Clear, fill).ok());
    }
}

void withMetadata(benchmark::State& state) { append100(state, {}); }
void withoutMetadata(benchmark::State& state) { append100(state, {.date = false, .texts = false}); }

BENCHMARK(withMetadata)->Name("metadata.append.100_captioned")->UseRealTime()->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK(withoutMetadata)->Name("metadata.append.100_plain")->UseRealTime()->Unit(benchmark::kMillisecond)->MinTime(0.5);

} // namespace
} // namespace pictra::bench
