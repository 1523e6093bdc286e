// Last-used folders: layout and file operations.
#include "core/settings/last_used_folder.h"

#include "core/platform/program_paths.h"
#include "core/util/byte_writer.h"
#include "core/util/file_io.h"

namespace pictra {

LastUsedFolder decodeLastUsedFolder(ByteSpan bytes)
{
    const auto block = zeroPadded(bytes, kLastUsedFolderBytes);
    ByteReader in(block);
    LastUsedFolder f;
    in.chars(f.albumFolder);
    in.chars(f.imageFolder);
    in.chars(f.unused);
    return f;
}

std::vector<std::uint8_t> encodeLastUsedFolder(const LastUsedFolder& f)
{
    ByteWriter out(kLastUsedFolderBytes);
    out.chars(f.albumFolder);
    out.chars(f.imageFolder);
    out.chars(f.unused);
    return out.take();
}

std::string folderWithSeparator(std::string_view filePath)
{
    const std::size_t sep = filePath.find_last_of("/\\");
    return sep == std::string_view::npos ? std::string() : std::string(filePath.substr(0, sep + 1));
}

Result<LastUsedFolder> loadLastUsedFolder(const std::string& programFolder)
{
    auto bytes = readFile(paramFilePath(programFolder, kLastFolderFile), 64 * 1024);
    if (!bytes)
        return bytes.status();
    return decodeLastUsedFolder(*bytes);
}

Status saveLastUsedFolder(const std::string& programFolder, const LastUsedFolder& folders)
{
    return writeFileAtomic(paramFilePath(programFolder, kLastFolderFile), encodeLastUsedFolder(folders));
}

} // namespace pictra
