// Reading and writing image files for the codecs' path entry points.
#include "core/codecs/image_file_access.h"

#include "core/util/file_io.h"
#include "core/util/paths.h"

namespace pictra {

Status settleRead(ImageRecord& record, Status status)
{
    if (!pictureLoaded(status))
        record.clearHeaders();
    return status;
}

Status readImageFile(const std::string& path, ImageRecord& record, ImageBytesReader reader)
{
    // Read into memory rather than mapped: a file shortened by another
    // program while we decode it must not bring the program down.
    const auto bytes = readFile(path, kMaxImageFileBytes);
    return settleRead(record, bytes ? reader(*bytes, record) : bytes.status());
}

Status writeImageFile(const std::string& path, const Result<std::vector<std::uint8_t>>& encoded)
{
    if (!encoded)
        return encoded.status();
    return writeFileAtomic(path, *encoded);
}

bool hasExtension(std::string_view path, std::string_view extension)
{
    return equalsIgnoreCase(extensionOf(path), extension);
}

} // namespace pictra
