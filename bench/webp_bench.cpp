// WebP at 12 megapixels: writing lossy and lossless, reading whole, and
// reading straight at the store-copy size (libwebp scales while it decodes).
// The ratio shows what the scaled decode saves when an album takes a WebP.
#include "bench_support.h"

#include "core/codecs/webp/webp_file.h"
#include "support/synthetic_image.h"

#include <memory>

namespace pictra::bench {
namespace {

constexpr int kWidth = 4000;
constexpr int kHeight = 3000;
constexpr double kPixels = static_cast<double>(kWidth) * kHeight;
constexpr std::size_t kPictureBytes = static_cast<std::size_t>(kWidth) * kHeight * 3;

ImageBuffers& source()
{
    static const auto shared = [] {
        auto buffers = std::make_unique<ImageBuffers>(kPictureBytes);
        test::fillRecord(test::makePhotoLike(kWidth, kHeight, 23), *buffers);
        return buffers;
    }();
    return *shared;
}

const std::vector<std::uint8_t>& lossyFile()
{
    static const std::vector<std::uint8_t> file = *writeWebpBytes(source().record(), {WebpCompression::Lossy, 85});
    return file;
}

void writeLossy(benchmark::State& state)
{
    const ImageRecord& picture = source().record();
    for (auto _ : state)
        benchmark::DoNotOptimize(writeWebpBytes(picture, {WebpCompression::Lossy, 85}));
    setMegapixelRate(state, kPixels);
}

void writeLossless(benchmark::State& state)
{
    const ImageRecord& picture = source().record();
    for (auto _ : state)
        benchmark::DoNotOptimize(writeWebpBytes(picture, {WebpCompression::Lossless, 50}));
    setMegapixelRate(state, kPixels);
}

void readWhole(benchmark::State& state)
{
    const auto& file = lossyFile();
    ImageBuffers target(kPictureBytes);
    for (auto _ : state)
        benchmark::DoNotOptimize(readWebpBytes(file, target.record()));
}

void readAtStoreSize(benchmark::State& state)
{
    const auto& file = lossyFile();
    ImageBuffers target(kPictureBytes);
    for (auto _ : state)
        benchmark::DoNotOptimize(readWebpBytesAtSize(file, target.record(), storeSize(kWidth, kHeight)));
}

BENCHMARK(writeLossy)->Name("webp.write.lossy.12mp")->Iterations(3)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(writeLossless)->Name("webp.write.lossless.12mp")->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(readWhole)->Name("webp.read.lossy.12mp")->Iterations(5)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(readAtStoreSize)->Name("webp.read_store.lossy.12mp")->Iterations(5)->UseRealTime()->Unit(benchmark::kMillisecond);
PICTRA_BENCH_RATIO("webp.read_store_vs_read", "webp.read_store.lossy.12mp", "webp.read.lossy.12mp");

} // namespace
} // namespace pictra::bench
