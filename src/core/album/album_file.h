// The album file (.abm):
//   0    magic: "Pictra version1.0", zero-padded to 100 bytes
//   100  int32 N, the number of images (0..1000)
//   104  N ImageEntry records of 2162 bytes
//   then N blocks, one per entry in order: int32 L, L bytes of JPEG (its store copy)
// No other header field, checksum or trailer.
#pragma once

#include "core/album/image_entry.h"
#include "core/util/byte_reader.h"
#include "core/util/byte_writer.h"
#include "core/util/result.h"

#include <span>
#include <string_view>
#include <vector>

namespace pictra {

inline constexpr std::string_view kAlbumMagic = "Pictra version1.0";
inline constexpr std::size_t kAlbumMagicBytes = 100;
inline constexpr std::size_t kAlbumHeaderBytes = kAlbumMagicBytes + 4;
inline constexpr std::size_t kMaxStoreCopyBytes = 10'000'000;
// The longest file the format allows: 1000 entries, each with a store copy
// of the largest size and its length.
inline constexpr std::uint64_t kMaxAlbumFileBytes =
    kAlbumHeaderBytes + std::uint64_t{kMaxAlbumImages} * (kImageEntryBytes + 4 + kMaxStoreCopyBytes);

struct AlbumFileContents {
    std::vector<ImageEntry> entries;
    std::vector<ByteSpan> storeCopies; // one per entry, views into the parsed bytes (may be empty)
};

// Parses and checks a whole album file. Refuses with
//   Corrupt   wrong magic (the text must be followed by a zero byte), a
//             negative count or length, an entry path without its ending zero
//   TooLarge  more than 1000 images, a block longer than 10,000,000 bytes
//   Truncated the bytes end before the entries or blocks the counts promise
// Bytes after the last block are ignored.
Result<AlbumFileContents> parseAlbumFile(ByteSpan data);

// Parses the magic, N and the entries only, with the same checks; the
// blocks after them are neither needed nor looked at.
Result<std::vector<ImageEntry>> parseAlbumHead(ByteSpan data);

// The length of the head of an album of `count` images (where its blocks begin).
std::size_t albumHeadBytes(std::size_t count);

// Writes the magic block, N and the entries (what precedes the blocks).
void writeAlbumHead(ByteWriter& out, std::span<const ImageEntry> entries);

// A whole album file: the head, then each store copy with its length
// (`storeCopies` one per entry).
std::vector<std::uint8_t> albumFileBytes(std::span<const ImageEntry> entries, std::span<const ByteSpan> storeCopies);

} // namespace pictra
