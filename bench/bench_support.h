// Conventions shared by all benchmarks. A benchmark's name is its BENCH
// figure ("jpeg.decode.own.12mp_420"). A benchmark that sets the rate
// counter "MP/s" reports megapixels per second; any other reports
// milliseconds per iteration (real time). Ratios between two figures of
// the same run are declared with PICTRA_BENCH_RATIO.
#pragma once

#include <benchmark/benchmark.h>

#include <string>

namespace pictra::bench {

inline constexpr const char* kMegapixelsPerSecond = "MP/s";

// Sets the "MP/s" counter of a benchmark that processes `pixels` per iteration.
inline void setMegapixelRate(benchmark::State& state, double pixels)
{
    state.counters[kMegapixelsPerSecond] =
        benchmark::Counter(pixels / 1e6, benchmark::Counter::kIsIterationInvariantRate);
}

// Declares "BENCH <name> <figure(numerator) / figure(denominator)> x".
void addRatio(std::string name, std::string numerator, std::string denominator);

struct RatioRegistrar {
    RatioRegistrar(const char* name, const char* numerator, const char* denominator)
    {
        addRatio(name, numerator, denominator);
    }
};

} // namespace pictra::bench

#define PICTRA_BENCH_CONCAT2(a, b) a##b
#define PICTRA_BENCH_CONCAT(a, b) PICTRA_BENCH_CONCAT2(a, b)
#define PICTRA_BENCH_RATIO(name, numerator, denominator)                                \
    static const ::pictra::bench::RatioRegistrar PICTRA_BENCH_CONCAT(kRatio_, __LINE__)( \
        name, numerator, denominator)
