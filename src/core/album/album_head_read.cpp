// Reading the head of an album file.
#include "core/album/album_head_read.h"

#include "core/album/album_file.h"

#include <cerrno>
#include <cstdint>
#include <fstream>

namespace pictra {
namespace {

Status openFailure(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR: return Status::NotFound;
    case EACCES:
    case EPERM: return Status::NoPermission;
    default: return Status::IoError;
    }
}

// Appends up to n bytes; false on a read error (a short file is no error).
bool readMore(std::ifstream& in, std::vector<std::uint8_t>& bytes, std::size_t n)
{
    const std::size_t had = bytes.size();
    bytes.resize(had + n);
    in.read(reinterpret_cast<char*>(bytes.data() + had), static_cast<std::streamsize>(n));
    bytes.resize(had + static_cast<std::size_t>(in.gcount()));
    return !in.bad();
}

} // namespace

Result<std::vector<ImageEntry>> readAlbumEntries(const std::string& path)
{
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return openFailure(errno);
    std::vector<std::uint8_t> bytes;
    if (!readMore(in, bytes, kAlbumHeaderBytes))
        return Status::IoError;
    if (bytes.size() == kAlbumHeaderBytes) {
        // The count is checked by the parser; only read what a valid one promises.
        ByteReader head(bytes);
        head.skip(kAlbumMagicBytes);
        const std::int32_t count = head.i32();
        if (count > 0 && count <= kMaxAlbumImages &&
            !readMore(in, bytes, static_cast<std::size_t>(count) * kImageEntryBytes))
            return Status::IoError;
    }
    return parseAlbumHead(bytes);
}

} // namespace pictra
