// Sorting dropped files by extension.
#include "core/commands/dropped_files.h"

#include "core/album/image_entry.h"
#include "core/image/image_format.h"
#include "core/util/paths.h"

#include <string_view>

namespace pictra {

DroppedFiles sortDroppedFiles(const std::vector<std::string>& paths)
{
    DroppedFiles out;
    for (const std::string& path : paths) {
        if (path.size() >= kPathBytes)
            continue;
        if (endsWithIgnoreCase(path, ".abm")) {
            out.albums.push_back(path);
            continue;
        }
        if (loadFormatOf(path) == ImageFormat::Unknown)
            continue;
        if (static_cast<int>(out.images.size()) < kMaxDroppedImages)
            out.images.push_back(path);
        else
            ++out.skippedImages;
    }
    return out;
}

} // namespace pictra
