// Reading what the duplicate rule needs for one add: the file identities of
// the album's pictures and of the offered ones, and their contents (the
// album's from its store copies, the offered ones from their files).
#pragma once

#include "core/recognise/duplicate_pictures.h"
#include "core/recognise/content_reading.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pictra {

struct AlbumPictures {
    std::string_view programFolder; // where the album's store folder lies
    std::string_view albumPath;
    std::span<const std::string> images; // the entries' source paths
};

// The offered pictures that repeat a picture of `album` or an earlier offered
// one (see findDuplicatePictures). Store copies are read through `kept`,
// and not at all when no offered picture has a content to compare.
std::vector<DuplicatePicture> findOfferedDuplicates(const AlbumPictures& album, std::span<const std::string> offered,
                                                    StoreCopyContents& kept, std::size_t capBytes);

} // namespace pictra
