// Helpers for album tests: a program folder with one empty album window,
// and album files built in memory.
#pragma once

#include "core/album/album_table.h"
#include "core/album/image_entry.h"
#include "support/temp_dir.h"

#include <memory>
#include <string>
#include <vector>

namespace pictra::test {

struct AlbumSpec {
    std::string path;   // source path of the entry
    std::string jpeg;   // its store copy's bytes
    std::string author; // a text that must survive
};

// Magic, N, entries (stamp 7 + index, date 2001-02-03), then the blocks.
std::vector<std::uint8_t> albumFileBytes(const std::vector<AlbumSpec>& images);

// A program folder with CMP and one open, empty album window (the working copy).
struct AlbumWorkspace {
    AlbumWorkspace();
    std::string file(const std::string& name) const { return dir.file(name); }
    TempDir dir;
    std::string programFolder;
    std::unique_ptr<AlbumTable> table;
};

std::string readText(const std::string& path);

// The first summary byte of each live entry, in album order ("0132").
std::string summaryOrder(const AlbumRecord& album);

} // namespace pictra::test
