// ImageEntry: one image of an album, 2162 bytes, the same layout in memory
// and in the album file:
//   0 path[360]  360 stamp i32  364 year i16  366 month i16  368 day i16
//   370 author[256]  626 place[256]  882 summary[256]  1138 memo[1024]
#pragma once

#include "core/util/byte_reader.h"
#include "core/util/byte_writer.h"
#include "core/util/fixed_text.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace pictra {

inline constexpr std::size_t kTextBytes = 256;
inline constexpr std::size_t kMemoBytes = 1024;
inline constexpr std::size_t kImageEntryBytes = 2162;
inline constexpr int kMaxAlbumImages = 1000;

struct ImageEntry {
    std::array<char, kPathBytes> path{}; // source file; its BaseName names the store copy
    std::int32_t stamp = 0;              // identity stamp: tick count at insertion + index
    std::int16_t year = 0;
    std::int16_t month = 0;
    std::int16_t day = 0;
    std::array<char, kTextBytes> author{};  // "作者"
    std::array<char, kTextBytes> place{};   // "場所"
    std::array<char, kTextBytes> summary{}; // "概要", also the navigation tip
    std::array<char, kMemoBytes> memo{};    // "メモ"

    friend bool operator==(const ImageEntry&, const ImageEntry&) = default;
};

static_assert(kPathBytes + 4 + 3 * 2 + 3 * kTextBytes + kMemoBytes == kImageEntryBytes);

ImageEntry readImageEntry(ByteReader& in);
void writeImageEntry(ByteWriter& out, const ImageEntry& entry);

} // namespace pictra
