// Album entries and album files for the search tests.
#pragma once

#include "core/album/image_entry.h"

#include <string>
#include <vector>

namespace pictra::test {

struct EntryTexts {
    std::string path;
    int year = 0;
    std::string place;  // UTF-8, stored as CP932
    std::string memo;   // UTF-8, stored as CP932
};

ImageEntry makeEntry(const EntryTexts& texts);

// A whole album file (head and one small block per entry) as bytes.
std::string albumBytes(const std::vector<ImageEntry>& entries);

} // namespace pictra::test
