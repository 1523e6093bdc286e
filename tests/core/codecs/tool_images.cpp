// Tool-made pictures for the library-backed reader tests.
#include "tool_images.h"

#include "codec_test_support.h"

#include <string_view>

namespace pictra::test {

bool writePngWithTool(const std::string& path, const RgbImage& image, bool halfAlpha)
{
    const std::string ppm = path + ".ppm";
    writeAll(ppm, toPpm(image));
    const std::string alpha = halfAlpha ? " -alpha set -channel A -evaluate set 50% +channel" : "";
    return runCommand(std::string(kConvert) + " " + ppm + alpha + (halfAlpha ? " PNG32:" : " PNG24:") + path);
}

std::optional<RgbImage> readWithTool(const TempDir& dir, const std::string& path)
{
    const std::string ppm = dir.file("tool_read.ppm");
    if (!runCommand(std::string(kConvert) + " " + path + " -background white -alpha remove -alpha off -depth 8 " + ppm))
        return std::nullopt;
    return fromPpm(readAll(ppm));
}

namespace {

void replaceAll(std::string& text, std::string_view from, const std::string& to)
{
    for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
        text.replace(at, from.size(), to);
}

} // namespace

bool encodeWithTool(const TempDir& dir, const RgbImage& image, const std::string& command, const std::string& out,
                    std::string* log)
{
    std::string line = command;
    if (line.find("%i") != std::string::npos) {
        const std::string png = dir.file("tool_in.png");
        if (!writePngWithTool(png, image))
            return false;
        replaceAll(line, "%i", png);
    }
    if (line.find("%j") != std::string::npos) {
        const std::string jpeg = dir.file("tool_in.jpg");
        writeAll(jpeg, encodeWithTurbo(image, 95, TurboSampling::S444));
        if (!runCommand("exiftool -q -overwrite_original -Orientation#=6 " + jpeg, log))
            return false;
        replaceAll(line, "%j", jpeg);
    }
    replaceAll(line, "%o", out);
    return runCommand(line, log);
}

RgbImage turnedLeft(const RgbImage& image)
{
    RgbImage out{image.height, image.width, std::vector<std::uint8_t>(image.rgb.size())};
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            for (int c = 0; c < 3; ++c) {
                // Source column x becomes row W-1-x; source row y becomes column y.
                const std::size_t to = (std::size_t(image.width - 1 - x) * out.width + y) * 3 + c;
                out.rgb[to] = image.rgb[(std::size_t(y) * image.width + x) * 3 + c];
            }
    return out;
}

} // namespace pictra::test
