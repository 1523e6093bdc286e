// Stable ordering of an album's entries.
#include "core/album/album_sort.h"

#include "core/album/album_changes.h"
#include "core/util/fixed_text.h"

#include <algorithm>
#include <numeric>
#include <tuple>
#include <vector>

namespace pictra {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string_view baseName(std::string_view path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// Compares the digit runs at the start of `a` and `b` by value (leading
// zeros ignored) and moves both past them.
int compareNumbers(std::string_view& a, std::string_view& b)
{
    const auto run = [](std::string_view& s) {
        std::size_t n = 0;
        while (n < s.size() && isDigit(s[n]))
            ++n;
        std::string_view digits = s.substr(0, n);
        s.remove_prefix(n);
        while (digits.size() > 1 && digits.front() == '0')
            digits.remove_prefix(1);
        return digits;
    };
    const std::string_view x = run(a);
    const std::string_view y = run(b);
    if (x.size() != y.size())
        return x.size() < y.size() ? -1 : 1;
    const int c = x.compare(y);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

bool hasDate(const ImageEntry& e) { return e.year != 0 || e.month != 0 || e.day != 0; }

bool before(const ImageEntry& a, const ImageEntry& b, AlbumOrder order)
{
    switch (order) {
    case AlbumOrder::DateTaken:
        if (hasDate(a) != hasDate(b))
            return hasDate(a);
        return std::tie(a.year, a.month, a.day) < std::tie(b.year, b.month, b.day);
    case AlbumOrder::FileName:
        return compareFileNames(baseName(fieldText(a.path)), baseName(fieldText(b.path))) < 0;
    case AlbumOrder::Place: {
        const std::string_view x = fieldText(a.place);
        const std::string_view y = fieldText(b.place);
        if (x.empty() != y.empty())
            return !x.empty();
        return x < y;
    }
    }
    return false;
}

} // namespace

int compareFileNames(std::string_view a, std::string_view b)
{
    while (!a.empty() && !b.empty()) {
        if (isDigit(a.front()) && isDigit(b.front())) {
            if (const int c = compareNumbers(a, b); c != 0)
                return c;
            continue;
        }
        const char x = lower(a.front());
        const char y = lower(b.front());
        if (x != y)
            return static_cast<unsigned char>(x) < static_cast<unsigned char>(y) ? -1 : 1;
        a.remove_prefix(1);
        b.remove_prefix(1);
    }
    return a.empty() == b.empty() ? 0 : (a.empty() ? -1 : 1);
}

int sortAlbum(AlbumRecord& album, AlbumOrder order, int followed)
{
    const int count = std::clamp(album.imageCount, 0, kMaxAlbumImages);
    std::vector<int> positions(static_cast<std::size_t>(count));
    std::iota(positions.begin(), positions.end(), 0);
    std::stable_sort(positions.begin(), positions.end(), [&](int x, int y) {
        return before(album.images[static_cast<std::size_t>(x)], album.images[static_cast<std::size_t>(y)], order);
    });
    const auto followedAt = std::find(positions.begin(), positions.end(), followed);
    const int newFollowed = followedAt == positions.end() ? -1 : static_cast<int>(followedAt - positions.begin());
    if (std::is_sorted(positions.begin(), positions.end()))
        return newFollowed;
    std::vector<ImageEntry> sorted;
    sorted.reserve(positions.size());
    for (const int p : positions)
        sorted.push_back(album.images[static_cast<std::size_t>(p)]);
    std::copy(sorted.begin(), sorted.end(), album.images.begin());
    markAlbumChanged(album);
    return newFollowed;
}

} // namespace pictra
