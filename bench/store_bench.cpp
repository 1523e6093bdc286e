// Store copies at scale: making an album of 20 JPEGs the way "pictra-cli
// create" does (reduced decode, shrink, encode, write the album, on every
// core), against a single-thread libjpeg-turbo full decode of the same
// files. The ratio shows how far below a plain decode the whole job is.
#include "album_creation.h"
#include "bench_support.h"

#include "core/util/file_io.h"
#include "support/synthetic_image.h"
#include "support/temp_dir.h"

#include <turbojpeg.h>

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kFiles = 20;

struct StoreInputs {
    pictra::test::TempDir dir;
    int width = 0;
    int height = 0;
    std::vector<std::string> files;

    StoreInputs(int w, int h, const std::string& prefix) : width(w), height(h)
    {
        pictra::test::RgbImage image = pictra::test::makePhotoLike(width, height, 7);
        for (int i = 0; i < kFiles; ++i) {
            // Each file differs a little, as a series of photographs does.
            for (std::size_t p = static_cast<std::size_t>(i) * 997; p < image.rgb.size(); p += 4099)
                image.rgb[p] = static_cast<std::uint8_t>(image.rgb[p] + 37);
            const auto jpeg = pictra::test::encodeWithTurbo(image, 90, pictra::test::TurboSampling::S420);
            files.push_back(dir.file(prefix + std::to_string(i) + ".jpg"));
            if (pictra::writeFile(files.back(), jpeg) != pictra::Status::Ok)
                files.clear();
        }
    }
};

StoreInputs& inputs12()
{
    static StoreInputs instance(4000, 3000, "photo");
    return instance;
}

StoreInputs& inputs24()
{
    static StoreInputs instance(6000, 4000, "camera");
    return instance;
}

void createAlbum(benchmark::State& state, StoreInputs& in)
{
    int run = 0;
    for (auto _ : state)
        if (!pictra::bench::createAlbumLikeTheCli(in.dir.path(), run++, in.files))
            state.SkipWithError("album creation failed");
}

void storeCreate12(benchmark::State& state) { createAlbum(state, inputs12()); }
void storeCreate24(benchmark::State& state) { createAlbum(state, inputs24()); }

void turboDecode(benchmark::State& state)
{
    StoreInputs& in = inputs12();
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(in.width) * in.height * 3);
    for (auto _ : state) {
        for (const std::string& path : in.files) {
            auto jpeg = pictra::readFile(path);
            tjhandle handle = tjInitDecompress();
            if (!jpeg || tjDecompress2(handle, jpeg->data(), jpeg->size(), pixels.data(), in.width, 0, in.height,
                                       TJPF_BGR, TJFLAG_BOTTOMUP) != 0)
                state.SkipWithError("decode failed");
            tjDestroy(handle);
        }
    }
}

} // namespace

BENCHMARK(storeCreate12)->Name("store.create.20x12mp")->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(turboDecode)->Name("store.decode.turbo.20x12mp")->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(storeCreate24)->Name("store.create.20x24mp")->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(1);
PICTRA_BENCH_RATIO("store.create_vs_decode", "store.create.20x12mp", "store.decode.turbo.20x12mp");
