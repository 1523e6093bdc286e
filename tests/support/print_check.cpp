#include "support/print_check.h"

#include "support/temp_dir.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace pictra::test {

namespace {

// A binary PPM (P6, maxval 255) as pdftoppm writes it.
RgbImage readPpm(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::string magic;
    int width = 0;
    int height = 0;
    int maxValue = 0;
    in >> magic >> width >> height >> maxValue;
    in.get();
    RgbImage image;
    if (magic != "P6" || width <= 0 || height <= 0 || maxValue != 255)
        return image;
    image.rgb.resize(static_cast<std::size_t>(width) * height * 3);
    in.read(reinterpret_cast<char*>(image.rgb.data()), static_cast<std::streamsize>(image.rgb.size()));
    if (!in)
        return {};
    image.width = width;
    image.height = height;
    return image;
}

} // namespace

std::vector<RgbImage> renderPdfPages(const std::string& pdf, int dpi)
{
    TempDir out;
    const std::string command =
        "pdftoppm -r " + std::to_string(dpi) + " '" + pdf + "' '" + out.file("page") + "' 2>/dev/null";
    if (std::system(command.c_str()) != 0)
        return {};
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(out.path()))
        files.push_back(entry.path().string());
    // page-1.ppm, page-2.ppm ... (zero-padded to the same width, so names sort)
    std::sort(files.begin(), files.end());
    std::vector<RgbImage> pages;
    for (const std::string& file : files)
        pages.push_back(readPpm(file));
    return pages;
}

RgbImage makeSplitPicture(int width, int height, Split split)
{
    RgbImage image{width, height, std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height * 3)};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool first = split == Split::TopBottom ? y < height / 2 : x < width / 2;
            std::uint8_t* p = &image.rgb[(static_cast<std::size_t>(y) * width + x) * 3];
            if (split == Split::TopBottom) {
                p[0] = first ? 255 : 0;
                p[1] = 0;
                p[2] = first ? 0 : 255;
            } else {
                p[0] = first ? 0 : 255;
                p[1] = first ? 160 : 255;
                p[2] = 0;
            }
        }
    }
    return image;
}

char colourAt(const RgbImage& page, double xMm, double yMm, int dpi)
{
    const int x = static_cast<int>(xMm / 25.4 * dpi);
    const int y = static_cast<int>(yMm / 25.4 * dpi);
    if (x < 0 || y < 0 || x >= page.width || y >= page.height)
        return '?';
    const std::uint8_t* p = &page.rgb[(static_cast<std::size_t>(y) * page.width + x) * 3];
    const int r = p[0], g = p[1], b = p[2];
    const auto high = [](int v) { return v > 180; };
    const auto low = [](int v) { return v < 90; };
    if (high(r) && high(g) && high(b))
        return 'W';
    if (high(r) && low(g) && low(b))
        return 'R';
    if (low(r) && low(g) && high(b))
        return 'B';
    if (low(r) && g > 110 && low(b))
        return 'G';
    if (high(r) && high(g) && low(b))
        return 'Y';
    if (std::abs(r - g) < 30 && std::abs(g - b) < 30)
        return 'K';
    return '?';
}

} // namespace pictra::test
