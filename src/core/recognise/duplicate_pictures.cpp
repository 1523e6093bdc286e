// The duplicate rule for pictures offered to an album.
#include "core/recognise/duplicate_pictures.h"

#include <algorithm>
#include <bit>

namespace pictra {

namespace {

bool sameFile(const PictureIdentity& a, const PictureIdentity& b)
{
    if (!a.path.empty() && a.path == b.path)
        return true;
    return a.file && b.file && *a.file == *b.file;
}

bool sameContent(const PictureIdentity& a, const PictureIdentity& b)
{
    return a.content && b.content && std::popcount(a.content->hash ^ b.content->hash) <= kSameContentHashDistance &&
           lookShift(a.content->look, b.content->look) <= kSameContentLookShift;
}

// The first of `known` that `picture` repeats by `rule`.
template <typename Rule>
const PictureIdentity* firstRepeated(std::span<const PictureIdentity> known, const PictureIdentity& picture, Rule rule)
{
    const auto it = std::find_if(known.begin(), known.end(), [&](const PictureIdentity& k) { return rule(k, picture); });
    return it == known.end() ? nullptr : &*it;
}

} // namespace

std::vector<DuplicatePicture> findDuplicatePictures(std::span<const PictureIdentity> album,
                                                    std::span<const PictureIdentity> offered)
{
    std::vector<DuplicatePicture> found;
    for (std::size_t i = 0; i < offered.size(); ++i) {
        const std::span<const PictureIdentity> earlier = offered.first(i);
        for (const auto& [rule, kind] : {std::pair{&sameFile, DuplicateKind::SameFile},
                                         std::pair{&sameContent, DuplicateKind::SameContent}}) {
            const PictureIdentity* of = firstRepeated(album, offered[i], rule);
            if (!of)
                of = firstRepeated(earlier, offered[i], rule);
            if (of) {
                found.push_back({i, of->path, kind});
                break;
            }
        }
    }
    return found;
}

} // namespace pictra
