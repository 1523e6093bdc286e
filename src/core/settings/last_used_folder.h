// LastUsedFolder: PARAM/used_dir.dat, 1080 bytes: three folders of 360 bytes,
// each ending with a separator: the album folder (open and save-as dialogs),
// the image folder (insert dialog) and a third one kept unchanged.
#pragma once

#include "core/util/byte_reader.h"
#include "core/util/fixed_text.h"
#include "core/util/result.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace pictra {

inline constexpr std::size_t kLastUsedFolderBytes = 1080;

struct LastUsedFolder {
    std::array<char, kPathBytes> albumFolder{}; // 0: last album opened or saved under a new name
    std::array<char, kPathBytes> imageFolder{}; // 360: last image chosen for insertion
    std::array<char, kPathBytes> unused{};      // 720: written back unchanged
    friend bool operator==(const LastUsedFolder&, const LastUsedFolder&) = default;
};

LastUsedFolder decodeLastUsedFolder(ByteSpan bytes);
std::vector<std::uint8_t> encodeLastUsedFolder(const LastUsedFolder& folders);

// The folder of a file path with its trailing separator ("/a/b.abm" -> "/a/").
std::string folderWithSeparator(std::string_view filePath);

// NotFound when the file is missing (the open command then does nothing).
Result<LastUsedFolder> loadLastUsedFolder(const std::string& programFolder);
// Writes all 1080 bytes atomically, creating the file when needed.
Status saveLastUsedFolder(const std::string& programFolder, const LastUsedFolder& folders);

} // namespace pictra
