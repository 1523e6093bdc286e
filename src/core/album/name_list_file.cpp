// Reading and writing name-list files.
#include "core/album/name_list_file.h"

#include "core/util/byte_writer.h"
#include "core/util/file_io.h"

#include <algorithm>

namespace pictra {

Result<FileNameList> parseNameList(ByteSpan bytes)
{
    ByteReader in(bytes);
    const std::int32_t count = in.i32();
    if (in.truncated())
        return Status::Truncated;
    if (count < 0)
        return Status::Corrupt;
    if (count > kMaxFileNameListPaths)
        return Status::TooLarge;
    if (in.remaining() < static_cast<std::size_t>(count) * kPathBytes)
        return Status::Truncated;
    FileNameList names;
    for (std::int32_t i = 0; i < count; ++i) {
        const ByteSpan field = in.view(kPathBytes);
        if (std::find(field.begin(), field.end(), 0) == field.end())
            return Status::Corrupt;
        (void)names.add(reinterpret_cast<const char*>(field.data())); // cannot fail: count and length checked above
    }
    return names;
}

std::vector<std::uint8_t> encodeNameList(const FileNameList& names)
{
    ByteWriter out(4 + static_cast<std::size_t>(names.count()) * kPathBytes);
    out.i32(0);
    for (const std::string& path : names.paths())
        out.fixedString(path, kPathBytes);
    out.patchU32(0, static_cast<std::uint32_t>(names.count()));
    return out.take();
}

Result<FileNameList> readNameListFile(const std::string& path)
{
    auto bytes = readFile(path, 4 + static_cast<std::size_t>(kMaxFileNameListPaths) * kPathBytes + 4096);
    if (!bytes)
        return bytes.status();
    return parseNameList(*bytes);
}

Status writeNameListFile(const std::string& path, const FileNameList& names)
{
    return writeFileAtomic(path, encodeNameList(names));
}

} // namespace pictra
