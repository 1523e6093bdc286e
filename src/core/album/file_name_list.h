// FileNameList: the list of file paths handed to the append-images operation
// (dropped files, the insert dialog, scanner and search results): at most
// 1000 paths, each fitting a 360-byte field with its terminating zero.
#pragma once

#include "core/album/image_entry.h"

#include <string>
#include <string_view>
#include <vector>

namespace pictra {

inline constexpr int kMaxFileNameListPaths = kMaxAlbumImages;

class FileNameList {
public:
    // False (list unchanged) when the list is full or the path is longer
    // than 359 bytes.
    bool add(std::string_view path);

    int count() const { return static_cast<int>(m_paths.size()); }
    bool empty() const { return m_paths.empty(); }
    bool full() const { return count() >= kMaxFileNameListPaths; }
    const std::string& path(int index) const { return m_paths[static_cast<std::size_t>(index)]; }
    const std::vector<std::string>& paths() const { return m_paths; }

    friend bool operator==(const FileNameList&, const FileNameList&) = default;

private:
    std::vector<std::string> m_paths;
};

} // namespace pictra
