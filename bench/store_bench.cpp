// Store copies at scale: making an album of 20 twelve-megapixel JPEGs the
// way "pictra-cli create" does (decode, reduce, encode, write the album),
// against libjpeg-turbo decoding the same files and nothing else. The store
// copy is sampled from the full decode, so the decode is the floor; the
// ratio shows what everything after it costs.
#include "bench_support.h"

#include "core/album/create_album.h"
#include "core/image/image_file_io.h"
#include "core/settings/settings_file.h"
#include "core/util/file_io.h"
#include "support/synthetic_image.h"
#include "support/temp_dir.h"

#include <turbojpeg.h>

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kFiles = 20;
constexpr int kWidth = 4000;
constexpr int kHeight = 3000;

struct StoreInputs {
    pictra::test::TempDir dir;
    std::vector<std::string> files;
    std::unique_ptr<pictra::ImageBuffers> buffers = std::make_unique<pictra::ImageBuffers>(50'000'000);

    StoreInputs()
    {
        pictra::test::RgbImage image = pictra::test::makePhotoLike(kWidth, kHeight, 7);
        for (int i = 0; i < kFiles; ++i) {
            // Each file differs a little, as a series of photographs does.
            for (std::size_t p = static_cast<std::size_t>(i) * 997; p < image.rgb.size(); p += 4099)
                image.rgb[p] = static_cast<std::uint8_t>(image.rgb[p] + 37);
            const auto jpeg = pictra::test::encodeWithTurbo(image, 90, pictra::test::TurboSampling::S420);
            files.push_back(dir.file("photo" + std::to_string(i) + ".jpg"));
            if (pictra::writeFile(files.back(), jpeg) != pictra::Status::Ok)
                files.clear();
        }
    }
};

StoreInputs& inputs()
{
    static StoreInputs instance;
    return instance;
}

void storeCreate(benchmark::State& state)
{
    StoreInputs& in = inputs();
    pictra::ImageFileIO io(pictra::jpegSaveOptions(pictra::defaultWorkModeSettings()));
    int run = 0;
    for (auto _ : state) {
        const std::string work = in.dir.file("work" + std::to_string(run));
        const std::string album = in.dir.file("album" + std::to_string(run++) + ".abm");
        auto report = pictra::createAlbumFile(io, in.buffers->record(), work, album, in.files);
        if (!report || report->added != kFiles)
            state.SkipWithError("album creation failed");
    }
}

void turboDecode(benchmark::State& state)
{
    StoreInputs& in = inputs();
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(kWidth) * kHeight * 3);
    for (auto _ : state) {
        for (const std::string& path : in.files) {
            auto jpeg = pictra::readFile(path);
            tjhandle handle = tjInitDecompress();
            if (!jpeg || tjDecompress2(handle, jpeg->data(), jpeg->size(), pixels.data(), kWidth, 0, kHeight,
                                       TJPF_BGR, TJFLAG_BOTTOMUP) != 0)
                state.SkipWithError("decode failed");
            tjDestroy(handle);
        }
    }
}

} // namespace

BENCHMARK(storeCreate)->Name("store.create.20x12mp")->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(turboDecode)->Name("store.decode.turbo.20x12mp")->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(1);
PICTRA_BENCH_RATIO("store.create_vs_decode", "store.create.20x12mp", "store.decode.turbo.20x12mp");
