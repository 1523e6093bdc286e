// Reading and writing 12-megapixel BMP, TIFF, PSD and PCX files in memory,
// in megapixels per second (file input and output themselves not timed).
#include "bench_support.h"

#include "core/codecs/bmp/bmp_file.h"
#include "core/codecs/pcx/pcx_file.h"
#include "core/codecs/psd/psd_file.h"
#include "core/codecs/tiff/tiff_file.h"
#include "support/synthetic_image.h"

#include <memory>

namespace pictra::bench {
namespace {

constexpr int kWidth = 4000;
constexpr int kHeight = 3000;
constexpr double kPixels = static_cast<double>(kWidth) * kHeight;

ImageBuffers& source()
{
    static const auto shared = [] {
        auto buffers = std::make_unique<ImageBuffers>(static_cast<std::size_t>(kWidth) * kHeight * 3);
        test::fillRecord(test::makePhotoLike(kWidth, kHeight, 21), *buffers);
        return buffers;
    }();
    return *shared;
}

using Writer = Result<std::vector<std::uint8_t>> (*)(const ImageRecord&);
using Reader = Status (*)(ByteSpan, ImageRecord&);

void registerFormat(const std::string& name, Writer write, Reader read)
{
    benchmark::RegisterBenchmark((name + ".write.12mp").c_str(), [write](benchmark::State& state) {
        const ImageRecord& picture = source().record(); // made before the clock runs
        for (auto _ : state)
            benchmark::DoNotOptimize(write(picture));
        setMegapixelRate(state, kPixels);
    })->Iterations(5)->UseRealTime()->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark((name + ".read.12mp").c_str(), [write, read](benchmark::State& state) {
        const auto bytes = write(source().record());
        ImageBuffers target(static_cast<std::size_t>(kWidth) * kHeight * 3);
        for (auto _ : state)
            benchmark::DoNotOptimize(read(*bytes, target.record()));
        setMegapixelRate(state, kPixels);
    })->Iterations(5)->UseRealTime()->Unit(benchmark::kMillisecond);
}

const bool kRegistered = [] {
    registerFormat("bmp", writeBmpBytes, readBmpBytes);
    registerFormat("tiff", writeTiffBytes, readTiffBytes);
    registerFormat("psd", writePsdBytes, readPsdBytes);
    registerFormat("pcx", writePcxBytes, readPcxBytes);
    return true;
}();

} // namespace
} // namespace pictra::bench
