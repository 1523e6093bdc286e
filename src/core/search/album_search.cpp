// The album search.
#include "core/search/album_search.h"

#include "core/album/album_head_read.h"
#include "core/search/search_match.h"
#include "core/util/cp932.h"
#include "core/util/fixed_text.h"

namespace pictra {

std::vector<std::string> searchAlbumEntries(std::span<const ImageEntry> entries, std::string_view pattern,
                                            const SearchWords& words)
{
    std::vector<std::string> found;
    for (const ImageEntry& entry : entries) {
        std::string path = storedPathToUtf8(fieldText(entry.path));
        if (albumEntryPassesPattern(path, pattern) && entryMatchesWords(entry, words, DateWords::Compared))
            found.push_back(std::move(path));
    }
    return found;
}

Result<std::vector<std::string>> searchAlbumFile(const std::string& albumPath, std::string_view pattern,
                                                 const SearchWords& words)
{
    const auto entries = readAlbumEntries(albumPath);
    if (!entries)
        return entries.status();
    return searchAlbumEntries(*entries, pattern, words);
}

} // namespace pictra
