// Codec test helpers.
#include "codec_test_support.h"

#include <cmath>

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cctype>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

namespace pictra::test {

Decoded decodeWith(ImageBytesReader reader, const std::vector<std::uint8_t>& bytes)
{
    ImageBuffers buffers(kTestBufferBytes);
    Decoded out;
    out.status = reader(bytes, buffers.record());
    const ImageRecord& rec = buffers.record();
    out.fileHeader = rec.fileHeader;
    out.infoHeader = rec.infoHeader;
    out.outline = rec.outline;
    if (out.status == Status::Ok && rec.bitCount() == 24)
        out.image = fromRecord(rec);
    return out;
}

void sweepDamagedInputs(ImageBytesReader reader, const std::vector<std::uint8_t>& bytes, std::size_t mustFailBelow)
{
    ImageBuffers buffers(kTestBufferBytes);
    for (std::size_t n = 0; n < bytes.size(); ++n) {
        std::vector<std::uint8_t> prefix(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(n));
        const Status status = reader(prefix, buffers.record());
        if (n < mustFailBelow) {
            EXPECT_NE(status, Status::Ok) << "prefix of " << n << " bytes";
            EXPECT_EQ(buffers.record().width(), 0) << "headers not cleared after a failure";
        }
    }
    std::mt19937 rng(7);
    for (int i = 0; i < 2000; ++i) {
        std::vector<std::uint8_t> damaged = bytes;
        const int flips = 1 + static_cast<int>(rng() % 4);
        for (int f = 0; f < flips; ++f)
            damaged[rng() % damaged.size()] ^= static_cast<std::uint8_t>(1u << (rng() % 8));
        (void)reader(damaged, buffers.record());
    }
}

std::vector<std::uint8_t> toPpm(const RgbImage& image)
{
    const std::string head = "P6\n" + std::to_string(image.width) + " " + std::to_string(image.height) + "\n255\n";
    std::vector<std::uint8_t> out(head.begin(), head.end());
    out.insert(out.end(), image.rgb.begin(), image.rgb.end());
    return out;
}

std::optional<RgbImage> fromPpm(const std::vector<std::uint8_t>& bytes)
{
    std::size_t pos = 0;
    auto token = [&]() {
        while (pos < bytes.size() && std::isspace(bytes[pos]))
            ++pos;
        std::string t;
        while (pos < bytes.size() && !std::isspace(bytes[pos]))
            t += static_cast<char>(bytes[pos++]);
        return t;
    };
    if (token() != "P6")
        return std::nullopt;
    RgbImage image;
    image.width = std::stoi(token());
    image.height = std::stoi(token());
    if (token() != "255")
        return std::nullopt;
    ++pos;
    const std::size_t size = static_cast<std::size_t>(image.width) * image.height * 3;
    if (bytes.size() - pos != size)
        return std::nullopt;
    image.rgb.assign(bytes.begin() + static_cast<std::ptrdiff_t>(pos), bytes.end());
    return image;
}

bool haveTool(const char* path) { return ::access(path, X_OK) == 0; }

bool runCommand(const std::string& command, std::string* output)
{
    FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (!pipe)
        return false;
    std::string text;
    char chunk[4096];
    std::size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, pipe)) > 0)
        text.append(chunk, n);
    const int rc = ::pclose(pipe);
    if (output)
        *output = text;
    return rc != -1 && WIFEXITED(rc) && WEXITSTATUS(rc) == 0;
}

std::vector<std::uint8_t> readAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeAll(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    writeBytes(path, std::string(bytes.begin(), bytes.end()));
}

double psnr(const RgbImage& a, const RgbImage& b)
{
    if (a.width != b.width || a.height != b.height || a.rgb.size() != b.rgb.size() || a.rgb.empty())
        return 0;
    double squares = 0;
    for (std::size_t i = 0; i < a.rgb.size(); ++i) {
        const double d = double(a.rgb[i]) - double(b.rgb[i]);
        squares += d * d;
    }
    if (squares == 0)
        return 99;
    return 10 * std::log10(255.0 * 255.0 * double(a.rgb.size()) / squares);
}

std::optional<RgbImage> decodeWithTool(const std::string& command, const std::string& ppmPath)
{
    std::string output;
    if (!runCommand(command, &output)) {
        ADD_FAILURE() << command << ": " << output;
        return std::nullopt;
    }
    return fromPpm(readAll(ppmPath));
}

RgbImage makeFewColours(int width, int height, int colours)
{
    RgbImage image{width, height, {}};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int band = (x / 3 + y / 2 + x * y) % colours;
            image.rgb.push_back(static_cast<std::uint8_t>(band * 40));
            image.rgb.push_back(static_cast<std::uint8_t>(255 - band * 30));
            image.rgb.push_back(static_cast<std::uint8_t>((band * 97) % 256));
        }
    }
    return image;
}

} // namespace pictra::test
