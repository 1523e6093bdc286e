// Pattern and word tests of the search.
#include "core/search/search_match.h"

#include "core/image/image_format.h"
#include "core/util/cp932.h"
#include "core/util/fixed_text.h"
#include "core/util/paths.h"

#include <algorithm>
#include <array>
#include <string>

namespace pictra {
namespace {

// The patterns "*.bmp" ... "*.pcx" keep to their one extension; "*.*" takes
// every type the program reads (and, on disk, albums).
constexpr std::array<std::string_view, 5> kImageExtensions = {"bmp", "jpg", "tif", "psd", "pcx"};
constexpr std::string_view kAlbumExtension = "abm";
constexpr std::array<std::string_view, 3> kPrefixExtensions = {"bmp", "jpg", "abm"};

char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

template <std::size_t N>
bool isOneOf(std::string_view ext, const std::array<std::string_view, N>& list)
{
    return std::any_of(list.begin(), list.end(), [ext](std::string_view e) { return equalsIgnoreCase(ext, e); });
}

// "*." + ext, case folded.
bool isStarDot(std::string_view pattern, std::string_view ext)
{
    return pattern.size() == ext.size() + 2 && pattern.starts_with("*.") && equalsIgnoreCase(pattern.substr(2), ext);
}

bool containsIgnoreCase(std::string_view text, std::string_view part)
{
    const auto hit = std::search(text.begin(), text.end(), part.begin(), part.end(),
                                 [](char a, char b) { return lowerAscii(a) == lowerAscii(b); });
    return hit != text.end() || part.empty();
}

bool isReadablePicture(std::string_view ext) { return formatOfExtension(ext) != ImageFormat::Unknown; }

bool isFixedPattern(std::string_view pattern)
{
    return pattern == kAnyImagePattern ||
           std::any_of(kImageExtensions.begin(), kImageExtensions.end(),
                       [pattern](std::string_view e) { return isStarDot(pattern, e); });
}

} // namespace

bool albumEntryPassesPattern(std::string_view path, std::string_view pattern)
{
    const std::string_view ext = extensionOf(path);
    if (pattern == kAnyImagePattern ? isReadablePicture(ext) : (isOneOf(ext, kImageExtensions) && isStarDot(pattern, ext)))
        return true;
    return !isFixedPattern(pattern) && containsIgnoreCase(path, pattern);
}

bool diskFilePassesPattern(std::string_view fileName, std::string_view pattern)
{
    const std::string_view ext = extensionOf(fileName);
    if (isOneOf(ext, kPrefixExtensions) && fileName.size() >= pattern.size() &&
        equalsIgnoreCase(fileName.substr(0, pattern.size()), pattern))
        return true;
    if (pattern == kAnyImagePattern)
        return isReadablePicture(ext) || equalsIgnoreCase(ext, kAlbumExtension);
    return (isOneOf(ext, kImageExtensions) || equalsIgnoreCase(ext, kAlbumExtension)) && isStarDot(pattern, ext);
}

bool isAlbumFileName(std::string_view fileName) { return equalsIgnoreCase(extensionOf(fileName), "abm"); }

bool entryMatchesWords(const ImageEntry& entry, const SearchWords& words, DateWords dates)
{
    if (words.words.empty())
        return true;
    const std::array<std::string, 4> texts = {
        cp932ToUtf8(fieldText(entry.author)).text, cp932ToUtf8(fieldText(entry.place)).text,
        cp932ToUtf8(fieldText(entry.summary)).text, cp932ToUtf8(fieldText(entry.memo)).text};
    const std::array<std::string, 3> date = {std::to_string(entry.year), std::to_string(entry.month),
                                             std::to_string(entry.day)};
    for (const std::string& word : words.words) {
        if (dates == DateWords::Compared && std::find(date.begin(), date.end(), word) != date.end())
            return true;
        for (const std::string& text : texts) {
            if (!text.empty() && text.find(word) != std::string::npos)
                return true;
        }
    }
    return false;
}

} // namespace pictra
