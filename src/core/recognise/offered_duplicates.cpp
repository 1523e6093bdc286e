// Identities and hashes for the duplicate rule, read from disk.
#include "core/recognise/offered_duplicates.h"

#include "core/recognise/picture_identity.h"
#include "core/util/paths.h"

#include <algorithm>

namespace pictra {

std::vector<DuplicatePicture> findOfferedDuplicates(const AlbumPictures& album, std::span<const std::string> offered,
                                                    StoreCopyContents& kept, std::size_t capBytes)
{
    std::vector<PictureIdentity> offeredIds = fileIdentities(offered);
    const std::vector<MaybeContent> offeredContents = fileContents(offered, capBytes);
    for (std::size_t i = 0; i < offeredIds.size(); ++i)
        offeredIds[i].content = offeredContents[i];

    std::vector<PictureIdentity> albumIds = fileIdentities(album.images);
    const bool anyContent = std::any_of(offeredContents.begin(), offeredContents.end(),
                                        [](const MaybeContent& c) { return c.has_value(); });
    if (anyContent && !album.images.empty()) {
        std::vector<std::string> copies;
        copies.reserve(album.images.size());
        for (const std::string& image : album.images)
            copies.push_back(storeCopyPath(album.programFolder, album.albumPath, image));
        const std::vector<MaybeContent> albumContents = kept.contentsOf(copies, capBytes);
        for (std::size_t i = 0; i < albumIds.size(); ++i)
            albumIds[i].content = albumContents[i];
    }
    return findDuplicatePictures(albumIds, offeredIds);
}

} // namespace pictra
