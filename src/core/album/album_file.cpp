// Parsing the album file and writing its head.
#include "core/album/album_file.h"

#include <algorithm>
#include <utility>

namespace pictra {
namespace {

// Whether the bytes begin with the magic text and its terminating zero (the
// magic is compared as a zero-terminated string).
bool startsWithMagic(ByteSpan data)
{
    const std::size_t n = kAlbumMagic.size() + 1;
    if (data.size() < n)
        return false;
    for (std::size_t i = 0; i < n; ++i) {
        const std::uint8_t expected = i < kAlbumMagic.size() ? static_cast<std::uint8_t>(kAlbumMagic[i]) : 0;
        if (data[i] != expected)
            return false;
    }
    return true;
}

bool pathIsTerminated(const ImageEntry& e) { return std::find(e.path.begin(), e.path.end(), '\0') != e.path.end(); }

} // namespace

Result<std::vector<ImageEntry>> parseAlbumHead(ByteSpan data)
{
    if (!startsWithMagic(data))
        return Status::Corrupt;
    if (data.size() < kAlbumHeaderBytes)
        return Status::Truncated;
    ByteReader in(data);
    in.skip(kAlbumMagicBytes);
    const std::int32_t count = in.i32();
    if (count < 0)
        return Status::Corrupt;
    if (count > kMaxAlbumImages)
        return Status::TooLarge;
    if (in.remaining() < static_cast<std::size_t>(count) * kImageEntryBytes)
        return Status::Truncated;
    std::vector<ImageEntry> entries;
    entries.reserve(static_cast<std::size_t>(count));
    for (std::int32_t i = 0; i < count; ++i) {
        entries.push_back(readImageEntry(in));
        if (!pathIsTerminated(entries.back()))
            return Status::Corrupt;
    }
    return entries;
}

std::size_t albumHeadBytes(std::size_t count) { return kAlbumHeaderBytes + count * kImageEntryBytes; }

Result<AlbumFileContents> parseAlbumFile(ByteSpan data)
{
    auto head = parseAlbumHead(data);
    if (!head)
        return head.status();
    AlbumFileContents contents;
    contents.entries = std::move(*head);
    const auto count = static_cast<std::int32_t>(contents.entries.size());
    ByteReader in(data);
    in.seek(albumHeadBytes(contents.entries.size()));
    contents.storeCopies.reserve(static_cast<std::size_t>(count));
    for (std::int32_t i = 0; i < count; ++i) {
        const std::int32_t length = in.i32();
        if (in.truncated())
            return Status::Truncated;
        if (length < 0)
            return Status::Corrupt;
        if (static_cast<std::size_t>(length) > kMaxStoreCopyBytes)
            return Status::TooLarge;
        const ByteSpan block = in.view(static_cast<std::size_t>(length));
        if (in.truncated())
            return Status::Truncated;
        contents.storeCopies.push_back(block);
    }
    return contents;
}

std::vector<std::uint8_t> albumFileBytes(std::span<const ImageEntry> entries, std::span<const ByteSpan> storeCopies)
{
    std::size_t bytes = albumHeadBytes(entries.size());
    for (const ByteSpan copy : storeCopies)
        bytes += 4 + copy.size();
    ByteWriter out(bytes);
    writeAlbumHead(out, entries);
    for (const ByteSpan copy : storeCopies) {
        out.i32(static_cast<std::int32_t>(copy.size()));
        out.bytes(copy);
    }
    return out.take();
}

void writeAlbumHead(ByteWriter& out, std::span<const ImageEntry> entries)
{
    out.fixedString(kAlbumMagic, kAlbumMagicBytes);
    out.i32(static_cast<std::int32_t>(entries.size()));
    for (const ImageEntry& e : entries)
        writeImageEntry(out, e);
}

} // namespace pictra
