// RecentAlbumList: PARAM/used_file.dat, 5419 bytes: int32 count, 15 flags
// ("open at the last exit"), 15 paths of 360 bytes, oldest first. The file
// has room for 15 entries; the program keeps at most 10. A flag belongs to
// its path and moves with it.
#pragma once

#include "core/util/byte_reader.h"
#include "core/util/fixed_text.h"
#include "core/util/result.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pictra {

inline constexpr std::size_t kRecentListBytes = 5419;
inline constexpr int kRecentListSlots = 15;
inline constexpr int kMaxRecentAlbums = 10;

struct RecentAlbumList {
    std::int32_t count = 0; // 0..kMaxRecentAlbums; entry count-1 is the most recent
    std::array<std::uint8_t, kRecentListSlots> openAtExit{};
    std::array<std::array<char, kPathBytes>, kRecentListSlots> paths{};
    friend bool operator==(const RecentAlbumList&, const RecentAlbumList&) = default;
};

// Decodes the file. A damaged count (negative or above 10) gives an empty
// list; missing bytes read as zero.
RecentAlbumList decodeRecentAlbumList(ByteSpan bytes);
std::vector<std::uint8_t> encodeRecentAlbumList(const RecentAlbumList& list);

std::string_view recentPath(const RecentAlbumList& list, int index);

// Moves `path` to the most recent place with its flag, or appends it,
// dropping the oldest entry when 10 are kept. Paths are compared exactly:
// file names on Linux differ by case, so "A.abm" and "a.abm" are two albums. InvalidArgument (list
// unchanged) for an empty path or one that does not fit 360 bytes.
Status addRecentAlbum(RecentAlbumList& list, std::string_view path);

// Removes every entry whose file does not exist, keeping each flag with its path.
void pruneRecentAlbums(RecentAlbumList& list, const std::function<bool(const std::string&)>& exists);

// Sets each flag to 1 when its path is exactly one of `openPaths`, else 0.
void markOpenAlbums(RecentAlbumList& list, std::span<const std::string> openPaths);

struct RecentMenuItem {
    int commandId = 0;  // 1 = most recent
    std::string text;   // "1. /home/kei/旅行.abm" (UTF-8)
};

// The recent items of the File menu: the most recent first, at most
// `historyCount` of them (none for 0 or less).
std::vector<RecentMenuItem> recentMenuItems(const RecentAlbumList& list, int historyCount);

// The path behind recent command `commandId` (entry count - id), or nullopt.
std::optional<std::string> recentAlbumForCommand(const RecentAlbumList& list, int commandId);

// File operations on programFolder/PARAM/used_file.dat. A missing file reads
// as an empty list; each change is written back atomically.
Result<RecentAlbumList> loadRecentAlbumList(const std::string& programFolder);
Status saveRecentAlbumList(const std::string& programFolder, const RecentAlbumList& list);
// AddRecentAlbum: after an album is opened through the open dialog or saved under a new name.
Status AddRecentAlbum(const std::string& programFolder, std::string_view albumPath);
// At start: prunes entries whose album file is gone; returns the list for the menu.
// A missing file gives NotFound (no menu, nothing to reopen).
Result<RecentAlbumList> pruneRecentAlbumFile(const std::string& programFolder);
// At exit: flags the albums that are open.
Status markOpenAlbumsInFile(const std::string& programFolder, std::span<const std::string> openPaths);

} // namespace pictra
