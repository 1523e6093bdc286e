// Stand-in main for fuzz targets built without libFuzzer: runs every file in
// the folders named on the command line, then a fixed set of pseudo-random
// inputs, so each target is exercised by the ordinary (sanitizer) test run.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

void runFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::uint8_t> data(bytes.begin(), bytes.end());
    LLVMFuzzerTestOneInput(data.data(), data.size());
}

// Mutates each seed a few hundred times: flips, truncations, random bytes.
void runMutations(const std::vector<std::vector<std::uint8_t>>& seeds)
{
    std::mt19937 rng(12345);
    for (const auto& seed : seeds) {
        for (int i = 0; i < 300; ++i) {
            std::vector<std::uint8_t> data = seed;
            if (!data.empty()) {
                const int edits = 1 + static_cast<int>(rng() % 8);
                for (int e = 0; e < edits; ++e)
                    data[rng() % data.size()] = static_cast<std::uint8_t>(rng());
                if (rng() % 4 == 0)
                    data.resize(rng() % (data.size() + 1));
            }
            LLVMFuzzerTestOneInput(data.data(), data.size());
        }
    }
    for (int i = 0; i < 500; ++i) {
        std::vector<std::uint8_t> data(rng() % 4096);
        for (auto& b : data)
            b = static_cast<std::uint8_t>(rng());
        LLVMFuzzerTestOneInput(data.data(), data.size());
    }
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::vector<std::uint8_t>> seeds;
    int files = 0;
    for (int i = 1; i < argc; ++i) {
        std::error_code ec;
        // A wrong seed path would quietly leave only random inputs.
        if (!std::filesystem::is_directory(argv[i], ec)) {
            std::fprintf(stderr, "seed folder %s does not exist\n", argv[i]);
            return 1;
        }
        for (const auto& entry : std::filesystem::directory_iterator(argv[i])) {
            if (!entry.is_regular_file())
                continue;
            runFile(entry.path());
            std::ifstream in(entry.path(), std::ios::binary);
            std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            seeds.emplace_back(bytes.begin(), bytes.end());
            ++files;
        }
    }
    runMutations(seeds);
    std::printf("replayed %d seed files and their mutations\n", files);
    return 0;
}
