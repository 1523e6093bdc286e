// pictra-cli convert and exif: single image files.
#include "cli_context.h"

#include "core/image_io/image_file_io.h"
#include "core/imaging_library/exif_info.h"
#include "core/imaging_library/exif_text.h"
#include "core/util/file_io.h"

#include <cstdio>
#include <memory>

namespace pictra::cli {

int runConvert(const Args& args)
{
    int useLibrary = 1;
    std::vector<std::string> paths;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--codec" && i + 1 < args.size() && (args[i + 1] == "own" || args[i + 1] == "library"))
            useLibrary = args[++i] == "library" ? 1 : 0;
        else
            paths.push_back(args[i]);
    }
    if (paths.size() != 2) {
        printError("usage: pictra-cli convert [--codec own|library] IN OUT");
        return kExitUsage;
    }
    auto image = openImageContext();
    if (!image)
        return kExitFailed;
    ImageFileIO io(jpegSaveOptions(image->context.settings));
    io.useLibrary = useLibrary;
    if (!loadOrReport(io, paths[0], image->buffers->record()) || !saveOrReport(io, paths[1], image->buffers->record()))
        return kExitFailed;
    return kExitOk;
}

int runExif(const Args& args)
{
    if (args.size() != 1) {
        printError("usage: pictra-cli exif FILE");
        return kExitUsage;
    }
    if (!fileExists(args[0])) {
        printError(args[0] + ": no such file");
        return kExitFailed;
    }
    auto info = IKJpegExifInfo(args[0]);
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
