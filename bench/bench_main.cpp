// Runs the registered benchmarks and prints one "BENCH <name> <value> <unit>"
// line per figure and per declared ratio. BENCH_FILTER=<prefix> keeps the
// figures whose names start with the prefix (and what their ratios need).
#include "bench_support.h"

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace pictra::bench {
namespace {

struct Ratio {
    std::string name;
    std::string numerator;
    std::string denominator;
};

std::vector<Ratio>& ratios()
{
    static std::vector<Ratio> list;
    return list;
}

struct Figure {
    double value = 0;
    std::string unit;
};

std::string figureName(const std::string& benchmarkName)
{
    return benchmarkName.substr(0, benchmarkName.find('/'));
}

class BenchLineReporter : public benchmark::BenchmarkReporter {
public:
    bool ReportContext(const Context&) override { return true; }

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.error_occurred || run.run_type != Run::RT_Iteration || run.iterations == 0)
                continue;
            Figure figure;
            auto rate = run.counters.find(kMegapixelsPerSecond);
            if (rate != run.counters.end()) {
                figure = {rate->second.value, kMegapixelsPerSecond};
            } else {
                figure = {run.real_accumulated_time / static_cast<double>(run.iterations) * 1e3, "ms"};
            }
            const std::string name = figureName(run.benchmark_name());
            m_figures[name] = figure;
            std::printf("BENCH %s %.3f %s\n", name.c_str(), figure.value, figure.unit.c_str());
            std::fflush(stdout);
        }
    }

    void printRatios(const std::string& prefix) const
    {
        for (const Ratio& ratio : ratios()) {
            if (ratio.name.rfind(prefix, 0) != 0)
                continue;
            auto num = m_figures.find(ratio.numerator);
            auto den = m_figures.find(ratio.denominator);
            if (num == m_figures.end() || den == m_figures.end() || den->second.value == 0)
                continue;
            std::printf("BENCH %s %.3f x\n", ratio.name.c_str(), num->second.value / den->second.value);
        }
    }

private:
    std::map<std::string, Figure> m_figures;
};

std::string regexEscape(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if (std::string("\\^$.|?*+()[]{}").find(c) != std::string::npos)
            out += '\\';
        out += c;
    }
    return out;
}

// The filter regex: figures starting with the prefix, plus the figures the
// ratios starting with the prefix are computed from.
std::string filterRegex(const std::string& prefix)
{
    std::string regex = "^" + regexEscape(prefix);
    for (const Ratio& ratio : ratios()) {
        if (ratio.name.rfind(prefix, 0) == 0)
            regex += "|^" + regexEscape(ratio.numerator) + "(/|$)|^" + regexEscape(ratio.denominator) + "(/|$)";
    }
    return regex;
}

} // namespace

void addRatio(std::string name, std::string numerator, std::string denominator)
{
    ratios().push_back({std::move(name), std::move(numerator), std::move(denominator)});
}

} // namespace pictra::bench

int main(int argc, char** argv)
{
    const char* env = std::getenv("BENCH_FILTER");
    const std::string prefix = env ? env : "";
    std::string filterArg = "--benchmark_filter=" + pictra::bench::filterRegex(prefix);
    std::vector<char*> args(argv, argv + argc);
    args.push_back(filterArg.data());
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    pictra::bench::BenchLineReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatios(prefix);
    benchmark::Shutdown();
    return 0;
}
