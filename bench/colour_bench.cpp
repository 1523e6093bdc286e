// Colour-profile conversion speed on a 12-megapixel photo-like picture, in
// megapixels per second: a Display P3 picture to sRGB (what every phone photo
// costs on load), and the same JPEG decoded with and without its profile.
#include "bench_support.h"

#include "core/colour/embedded_profile.h"
#include "core/imaging_library/library_jpeg_decoder.h"
#include "support/colour_profiles.h"
#include "support/synthetic_image.h"

#include <vector>

namespace pictra::bench {
namespace {

constexpr int kWidth = 4000;
constexpr int kHeight = 3000;
constexpr double kPixels = static_cast<double>(kWidth) * kHeight;

void convertP3(benchmark::State& state)
{
    const auto p3 = test::displayP3Profile();
    ImageBuffers buffers(static_cast<std::size_t>(kWidth) * kHeight * 3);
    test::fillRecord(test::makePhotoLike(kWidth, kHeight, 5), buffers);
    for (auto _ : state)
        convertToSrgb(p3, buffers.record()); // converting converted colours costs the same
    setMegapixelRate(state, kPixels);
}

void decodeJpeg(benchmark::State& state, bool profiled)
{
    const auto plain = test::encodeWithTurbo(test::makePhotoLike(kWidth, kHeight, 5), 90, test::TurboSampling::S420);
    const auto jpeg = profiled ? test::withIccSegment(plain, test::displayP3Profile()) : plain;
    ImageBuffers buffers(static_cast<std::size_t>(kWidth) * kHeight * 3);
    for (auto _ : state)
        benchmark::DoNotOptimize(decodeLibraryJpegBytes(jpeg, buffers.record()));
    setMegapixelRate(state, kPixels);
}

BENCHMARK(convertP3)->Name("colour.p3_to_srgb.12mp")->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(decodeJpeg, plain, false)
    ->Name("colour.jpeg_decode.12mp_plain")->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(4);
BENCHMARK_CAPTURE(decodeJpeg, p3, true)
    ->Name("colour.jpeg_decode.12mp_p3")->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(4);
PICTRA_BENCH_RATIO("colour.jpeg_decode.p3_rate_share", "colour.jpeg_decode.12mp_p3", "colour.jpeg_decode.12mp_plain");

} // namespace
} // namespace pictra::bench
