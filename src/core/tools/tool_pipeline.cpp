// Source, result and scratch file of an image tool.
#include "core/tools/tool_pipeline.h"

#include "core/codecs/bmp/bmp_file.h"
#include "core/util/file_io.h"
#include "core/util/paths.h"
#include "core/util/pixel_bytes.h"

#include <algorithm>
#include <cstring>

namespace pictra {

std::size_t toolResultBytes(const ImageRecord& source)
{
    const auto same = pixelBytes(source.width(), source.height(), 24);
    const auto turned = pixelBytes(source.height(), source.width(), 24);
    return std::max(same.value_or(0), turned.value_or(0));
}

Status copyPicture(const ImageRecord& from, ImageRecord& to)
{
    const std::size_t bytes = from.imageBytes();
    if (bytes == 0 || bytes > from.pixels.size())
        return Status::InvalidArgument;
    if (bytes > to.pixels.size())
        return Status::TooLarge;
    to.outline = from.outline;
    to.fileHeader = from.fileHeader;
    to.infoHeader = from.infoHeader;
    const std::size_t palette = std::min(from.palette.size(), to.palette.size());
    if (palette > 0)
        std::memcpy(to.palette.data(), from.palette.data(), palette);
    std::memcpy(to.pixels.data(), from.pixels.data(), bytes);
    return Status::Ok;
}

Status computeToolEdit(const ImageRecord& source, const ToolEdit& edit, ImageRecord& result)
{
    if (const Status s = copyPicture(source, result); s != Status::Ok)
        return s;
    return applyToolEdit(edit, result);
}

Status writeScratch(const std::string& path, const ImageRecord& result)
{
    const std::string folder(folderPart(path));
    if (!folder.empty() && !makeFolders(folder))
        return Status::IoError;
    return writeBmp(path, result);
}

Status readScratchBack(const std::string& path, const ImageRecord& expected, ImageRecord& into)
{
    if (const Status s = readBmp(path, into); s != Status::Ok)
        return s;
    const std::size_t bytes = expected.imageBytes();
    if (into.width() != expected.width() || into.height() != expected.height() ||
        into.bitCount() != expected.bitCount() || into.imageBytes() != bytes || bytes == 0)
        return Status::Corrupt;
    for (int y = 0; y < expected.height(); ++y)
        if (std::memcmp(into.row(y), expected.row(y), static_cast<std::size_t>(expected.width()) * 3) != 0)
            return Status::Corrupt;
    return Status::Ok;
}

} // namespace pictra
