// Sorting dropped files by extension.
#include "core/commands/dropped_files.h"

#include "core/album/image_entry.h"
#include "core/util/paths.h"

#include <array>
#include <string_view>

namespace pictra {

DroppedFiles sortDroppedFiles(const std::vector<std::string>& paths)
{
    constexpr std::array<std::string_view, 6> kImageEndings = {".bmp", ".tif", ".tiff", ".jpg", ".psd", ".pcx"};
    DroppedFiles out;
    for (const std::string& path : paths) {
        if (path.size() >= kPathBytes)
            continue;
        if (endsWithIgnoreCase(path, ".abm")) {
            out.albums.push_back(path);
            continue;
        }
        bool image = false;
        for (std::string_view ending : kImageEndings)
            image = image || endsWithIgnoreCase(path, ending);
        if (!image)
            continue;
        if (static_cast<int>(out.images.size()) < kMaxDroppedImages)
            out.images.push_back(path);
        else
            ++out.skippedImages;
    }
    return out;
}

} // namespace pictra
