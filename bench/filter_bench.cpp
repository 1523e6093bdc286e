// Pixel filter speed on a 12-megapixel photo-like picture, single-threaded,
// in megapixels per second. Filters that are not their own inverse get the
// original pixels back (untimed) before every run, so none measures a
// picture its earlier runs have flattened.
#include "bench_support.h"

#include "core/filters/channel_scale.h"
#include "core/filters/flip.h"
#include "core/filters/gray_scale.h"
#include "core/filters/histogram.h"
#include "core/filters/lightness_hue_saturation.h"
#include "core/filters/negative.h"
#include "core/filters/noise_filter.h"
#include "core/filters/rgb_adjust.h"
#include "core/filters/rotation.h"
#include "core/filters/threshold.h"
#include "support/synthetic_image.h"

#include <cstring>
#include <functional>
#include <memory>
#include <vector>

namespace pictra::bench {
namespace {

constexpr int kWidth = 4000;
constexpr int kHeight = 3000;
constexpr double kPixels = static_cast<double>(kWidth) * kHeight;

struct Picture {
    ImageBuffers buffers{static_cast<std::size_t>(kWidth) * kHeight * 3};
    std::vector<std::uint8_t> original;
    std::vector<std::uint8_t> scratch; // for quarter turns, kept between runs

    Picture()
    {
        test::fillRecord(test::makePhotoLike(kWidth, kHeight, 11), buffers);
        const auto pixels = buffers.record().pixels;
        original.assign(pixels.begin(), pixels.end());
        scratch.resize(rotationScratchBytes(buffers.record()));
    }

    void restore()
    {
        ImageRecord& rec = buffers.record();
        (void)rec.setup24(kWidth, kHeight);
        std::memcpy(rec.pixels.data(), original.data(), original.size());
    }
};

Picture& picture()
{
    static const auto shared = std::make_unique<Picture>();
    return *shared;
}

enum class Input { SelfInverse, Restored };

void registerFilter(const char* name, Input input, int iterations, std::function<Status(ImageRecord&)> filter)
{
    benchmark::RegisterBenchmark(name, [input, filter](benchmark::State& state) {
        Picture& pic = picture();
        pic.restore();
        for (auto _ : state) {
            if (input == Input::Restored) {
                state.PauseTiming();
                pic.restore();
                state.ResumeTiming();
            }
            benchmark::DoNotOptimize(filter(pic.buffers.record()));
        }
        setMegapixelRate(state, kPixels);
    })->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(iterations);
}

const bool kRegistered = [] {
    registerFilter("filter.rgb", Input::Restored, 5, [](ImageRecord& r) { return adjustRgb(r, 20, -10, 5); });
    registerFilter("filter.lhs", Input::Restored, 4,
                   [](ImageRecord& r) { return adjustLightnessHueSaturation(r, {10, 45, -20}); });
    registerFilter("filter.rotate90", Input::SelfInverse, 6,
                   [](ImageRecord& r) { return rotateQuarterTurns(r, 1, picture().scratch); });
    registerFilter("filter.rotate90_own_scratch", Input::SelfInverse, 6,
                   [](ImageRecord& r) { return rotateQuarterTurns(r, 1); });
    registerFilter("filter.rotate180", Input::SelfInverse, 6,
                   [](ImageRecord& r) { return rotateQuarterTurns(r, 2); });
    registerFilter("filter.flip_h", Input::SelfInverse, 6,
                   [](ImageRecord& r) { return flipPicture(r, {true, false}); });
    registerFilter("filter.flip_v", Input::SelfInverse, 6,
                   [](ImageRecord& r) { return flipPicture(r, {false, true}); });
    registerFilter("filter.threshold", Input::Restored, 5,
                   [](ImageRecord& r) { return applyThreshold(r, 0x808080); });
    registerFilter("filter.gray256", Input::Restored, 5, [](ImageRecord& r) { return grayScale(r, 256); });
    registerFilter("filter.gray16", Input::Restored, 5, [](ImageRecord& r) { return grayScale(r, 16); });
    registerFilter("filter.gray2", Input::Restored, 5, [](ImageRecord& r) { return grayScale(r, 2); });
    registerFilter("filter.negative", Input::SelfInverse, 6, [](ImageRecord& r) { return makeNegative(r); });
    registerFilter("filter.red_scale", Input::Restored, 5,
                   [](ImageRecord& r) { return channelScale(r, ScaleChannel::Red); });
    registerFilter("filter.noise", Input::Restored, 2, [](ImageRecord& r) { return applyNoiseFilter(r); });
    registerFilter("filter.histogram_count", Input::SelfInverse, 6,
                   [](ImageRecord& r) { return countHistogram(r).status(); });
    registerFilter("filter.histogram_cut", Input::Restored, 5, [](ImageRecord& r) {
        return applyHistogramLimits(r, HistogramChannel::Rgb, HistogramMode::Cut, {200, 40});
    });
    return true;
}();

} // namespace
} // namespace pictra::bench
