// Painting an album page of 640 × 480 store copies offscreen, against a plain
// full-size libjpeg-turbo decode of the same copies.
#include "../bench_support.h"

#include "core/app/app_state.h"
#include "core/album/page_grid.h"
#include "core/util/file_io.h"
#include "core/util/fixed_text.h"
#include "core/util/paths.h"
#include "support/synthetic_image.h"
#include "support/temp_dir.h"
#include "ui/albumwindow/page_painting.h"

#include <QImage>
#include <QPainter>

#include <turbojpeg.h>

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kViewWidth = 1024;
constexpr int kViewHeight = 768;
constexpr int kImages = 100;

// 100 store copies on disk and an album whose entries name their sources.
struct PageFixture {
    pictra::test::TempDir dir;
    pictra::AppState state;
    std::vector<std::string> copies;

    PageFixture()
    {
        state.programFolder = dir.path();
        pictra::AlbumRecord& album = state.albums->working;
        const std::string albumPath = dir.file("bench.abm");
        (void)pictra::setFieldText(album.path, albumPath);
        album.imageCount = kImages;
        for (int i = 0; i < kImages; ++i) {
            const std::string source = dir.file("src" + std::to_string(i) + ".jpg");
            pictra::test::writeBytes(source, "x"); // only its existence counts
            const auto jpeg = pictra::test::encodeWithTurbo(
                pictra::test::makePhotoLike(640, 480, static_cast<std::uint32_t>(i + 1)), 85,
                pictra::test::TurboSampling::S420);
            const std::string copy = pictra::storeCopyPath(state.programFolder, albumPath, source);
            pictra::test::writeBytes(copy, std::string(jpeg.begin(), jpeg.end()));
            copies.push_back(copy);
            (void)pictra::setFieldText(album.images[static_cast<std::size_t>(i)].path, source);
        }
    }

    void layout(int columns, int rows)
    {
        pictra::AlbumRecord& album = state.albums->working;
        album.columns = static_cast<std::uint8_t>(columns);
        album.rows = static_cast<std::uint8_t>(rows);
        album.cells = pictra::computeGrid({kViewWidth, kViewHeight, 13, 39, columns, rows, 4, 4},
                                          pictra::GridDivision::Integer);
    }
};

PageFixture& fixture()
{
    static PageFixture f;
    return f;
}

void paintPage(benchmark::State& state, int columns, int rows)
{
    PageFixture& f = fixture();
    f.layout(columns, rows);
    QImage canvas(kViewWidth, kViewHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        canvas.fill(Qt::white);
        QPainter painter(&canvas);
        pictra::ui::paintPageCells(painter, f.state, f.state.albums->working);
    }
}

void decodeCopies(benchmark::State& state, int count)
{
    PageFixture& f = fixture();
    std::vector<unsigned char> pixels(640 * 480 * 3);
    for (auto _ : state) {
        for (int i = 0; i < count; ++i) {
            auto bytes = pictra::readFile(f.copies[static_cast<std::size_t>(i)]);
            tjhandle tj = tjInitDecompress();
            tjDecompress2(tj, bytes->data(), static_cast<unsigned long>(bytes->size()), pixels.data(), 640, 0, 480,
                          TJPF_BGR, TJFLAG_BOTTOMUP);
            tjDestroy(tj);
        }
        benchmark::DoNotOptimize(pixels.data());
    }
}

void paint10x10(benchmark::State& state) { paintPage(state, 10, 10); }
void paint4x3(benchmark::State& state) { paintPage(state, 4, 3); }
void decode100(benchmark::State& state) { decodeCopies(state, 100); }
void decode12(benchmark::State& state) { decodeCopies(state, 12); }

} // namespace

BENCHMARK(paint10x10)->Name("page.paint.10x10")->UseRealTime()->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK(decode100)->Name("page.decode.turbo.100")->UseRealTime()->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK(paint4x3)->Name("page.paint.4x3")->UseRealTime()->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK(decode12)->Name("page.decode.turbo.12")->UseRealTime()->Unit(benchmark::kMillisecond)->MinTime(0.5);
PICTRA_BENCH_RATIO("page.paint.10x10_vs_decode", "page.paint.10x10", "page.decode.turbo.100");
PICTRA_BENCH_RATIO("page.paint.4x3_vs_decode", "page.paint.4x3", "page.decode.turbo.12");
