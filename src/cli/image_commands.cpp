// pictra-cli convert and exif: single image files.
#include "cli_commands.h"
#include "cli_context.h"

#include "core/image_io/image_file_io.h"
#include "core/image_io/picture_exif.h"
#include "core/imaging_library/exif_text.h"
#include "core/util/file_io.h"

#include <charconv>
#include <cstdio>
#include <optional>
#include <memory>

namespace pictra::cli {
namespace {

// 1..100, or nullopt for anything else.
std::optional<int> parseQuality(const std::string& text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 1 || value > 100)
        return std::nullopt;
    return value;
}

} // namespace

int runConvert(const Args& args)
{
    int useLibrary = 1;
    std::optional<int> quality;
    WebpSaveOptions webp;
    std::vector<std::string> paths;
    bool usage = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--codec" && i + 1 < args.size() && (args[i + 1] == "own" || args[i + 1] == "library")) {
            useLibrary = args[++i] == "library" ? 1 : 0;
        } else if (args[i] == "--quality" && i + 1 < args.size()) {
            quality = parseQuality(args[++i]);
            usage = usage || !quality;
        } else if (args[i] == "--lossless") {
            webp.compression = WebpCompression::Lossless;
        } else {
            paths.push_back(args[i]);
        }
    }
    if (paths.size() != 2 || usage) {
        printUsageError("convert");
        return kExitUsage;
    }
    auto image = openImageContext();
    if (!image)
        return kExitFailed;
    JpegSaveOptions jpeg = jpegSaveOptions(image->context.settings);
    if (quality) {
        jpeg.quality = *quality;
        webp.quality = *quality;
    }
    ImageFileIO io(jpeg, webp);
    io.useLibrary = useLibrary;
    if (!loadOrReport(io, paths[0], image->buffers->record()) || !saveOrReport(io, paths[1], image->buffers->record()))
        return kExitFailed;
    return kExitOk;
}

int runExif(const Args& args)
{
    if (args.size() != 1) {
        printUsageError("exif");
        return kExitUsage;
    }
    if (!fileExists(args[0])) {
        printError(args[0] + ": no such file");
        return kExitFailed;
    }
    auto info = pictureExifInfo(args[0]);
    if (!info) {
        printError(info.status() == Status::NotFound ? args[0] + ": no Exif data"
                                                     : args[0] + ": " + std::string(statusText(info.status())));
        return kExitFailed;
    }
    std::string text = exifText(*info);
    std::string out;
    for (const char c : text)
        if (c != '\r')
            out += c;
    std::fputs(out.c_str(), stdout);
    return kExitOk;
}

} // namespace pictra::cli
