// Reading an album's first store copies.
#include "core/album/album_covers.h"

#include "core/album/album_file.h"
#include "core/album/image_entry.h"
#include "core/util/byte_reader.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace pictra {
namespace {

// An open file descriptor, closed when it goes.
class FileHandle {
public:
    explicit FileHandle(int fd) : m_fd(fd) {}
    ~FileHandle() { if (m_fd >= 0) ::close(m_fd); }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    int fd() const { return m_fd; }

private:
    int m_fd;
};

bool readFully(int fd, std::uint64_t offset, std::span<std::uint8_t> into)
{
    std::size_t done = 0;
    while (done < into.size()) {
        const ssize_t n = ::pread(fd, into.data() + done, into.size() - done, static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

Result<std::vector<std::vector<std::uint8_t>>> readAlbumCovers(const AlbumByteSource& source, int count)
{
    std::array<std::uint8_t, kAlbumHeaderBytes> head{};
    if (!source(0, head))
        return Status::Truncated;
    if (!std::equal(kAlbumMagic.begin(), kAlbumMagic.end(), head.begin()) || head[kAlbumMagic.size()] != 0)
        return Status::Corrupt;
    ByteReader countReader(ByteSpan(head).subspan(kAlbumMagicBytes));
    const std::int32_t images = countReader.i32();
    if (images < 0 || images > kMaxAlbumImages)
        return Status::Corrupt;

    std::vector<std::vector<std::uint8_t>> covers;
    std::uint64_t offset = kAlbumHeaderBytes + static_cast<std::uint64_t>(images) * kImageEntryBytes;
    for (int i = 0; i < images && static_cast<int>(covers.size()) < count; ++i) {
        std::array<std::uint8_t, 4> lengthBytes{};
        if (!source(offset, lengthBytes))
            return Status::Truncated;
        ByteReader lengthReader(lengthBytes);
        const std::int32_t length = lengthReader.i32();
        if (length < 0)
            return Status::Corrupt;
        if (static_cast<std::size_t>(length) > kMaxStoreCopyBytes)
            return Status::TooLarge;
        offset += 4;
        if (length == 0)
            continue; // an entry whose copy was missing when the album was saved
        std::vector<std::uint8_t> copy(static_cast<std::size_t>(length));
        if (!source(offset, copy))
            return Status::Truncated;
        offset += static_cast<std::uint64_t>(length);
        covers.push_back(std::move(copy));
    }
    return covers;
}

Result<std::vector<std::vector<std::uint8_t>>> readAlbumCoversFromFile(const std::string& path, int count)
{
    FileHandle file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.fd() < 0)
        return errno == ENOENT ? Status::NotFound : Status::IoError;
    return readAlbumCovers(
        [&](std::uint64_t offset, std::span<std::uint8_t> into) { return readFully(file.fd(), offset, into); },
        count);
}

} // namespace pictra
