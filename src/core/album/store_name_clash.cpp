// Who owns a store-copy name.
#include "core/album/store_name_clash.h"

#include "core/util/fixed_text.h"
#include "core/util/paths.h"

namespace pictra {

bool claimsSameStoreCopy(std::string_view a, std::string_view b)
{
    return a != b && BaseName(a) == BaseName(b);
}

std::optional<std::string> storeNameOwner(std::span<const ImageEntry> album, std::span<const std::string> pending,
                                          std::string_view sourcePath)
{
    for (const ImageEntry& entry : album) {
        const std::string_view path = fieldText(entry.path);
        if (claimsSameStoreCopy(path, sourcePath))
            return std::string(path);
    }
    for (const std::string& path : pending) {
        if (claimsSameStoreCopy(path, sourcePath))
            return path;
    }
    return std::nullopt;
}

StoreNameSplit splitByStoreName(std::span<const ImageEntry> target, std::span<const ImageEntry> incoming)
{
    StoreNameSplit split;
    std::vector<std::string> pending;
    for (const ImageEntry& entry : incoming) {
        const std::string path(fieldText(entry.path));
        if (storeNameOwner(target, pending, path)) {
            split.clashing.push_back(path);
        } else {
            split.kept.push_back(entry);
            pending.push_back(path);
        }
    }
    return split;
}

} // namespace pictra
