// The tests a search applies to album entries and to files met on disk.
#pragma once

#include "core/album/image_entry.h"
#include "core/search/search_words.h"

#include <string_view>

namespace pictra {

inline constexpr std::string_view kAnyImagePattern = "*.*";
inline constexpr std::string_view kAlbumPattern = "*.abm";

// Album search: an entry with a .bmp/.jpg/.tif/.psd/.pcx path (any case)
// passes "*.*" and its own "*.ext"; any other pattern passes when it occurs
// anywhere in the path (ASCII case folded).
bool albumEntryPassesPattern(std::string_view path, std::string_view pattern);

// Disk search, for a file named `fileName`: a .bmp/.jpg/.abm file passes
// when its name begins with the pattern (case folded); "*.*" passes the six
// image and album extensions and "*.ext" its own one.
bool diskFilePassesPattern(std::string_view fileName, std::string_view pattern);

// True for a name ending in ".abm" (any case): an album file whose entries
// are searched.
bool isAlbumFileName(std::string_view fileName);

enum class DateWords { Compared, Ignored };

// No words match every entry. Otherwise the entry matches when a word
// equals its year, month or day written in decimal (only when dates are
// compared) or occurs in its author, place, summary or memo. The texts are
// decoded from CP932 first, so a word never matches across or inside a
// double-byte character; the comparison keeps case. An empty word matches
// an entry with any non-empty text.
bool entryMatchesWords(const ImageEntry& entry, const SearchWords& words, DateWords dates);

} // namespace pictra
