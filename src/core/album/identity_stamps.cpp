// Handing out identity stamps that no entry in reach holds yet.
#include "core/album/identity_stamps.h"

#include <unordered_set>

namespace pictra {

std::vector<std::int32_t> freshStamps(std::span<const ImageEntry> album, const SelectionBlock& block,
                                      std::uint32_t base, int count)
{
    std::unordered_set<std::int32_t> used;
    for (const ImageEntry& e : album)
        used.insert(e.stamp);
    for (const ImageEntry& e : block.selection)
        used.insert(e.stamp);
    for (const ImageEntry& e : block.clipboard)
        used.insert(e.stamp);
    std::vector<std::int32_t> stamps;
    stamps.reserve(static_cast<std::size_t>(std::max(count, 0)));
    std::uint32_t next = base;
    for (int k = 0; k < count; ++k) {
        while (used.contains(static_cast<std::int32_t>(next)))
            ++next;
        stamps.push_back(static_cast<std::int32_t>(next));
        used.insert(static_cast<std::int32_t>(next));
        ++next;
    }
    return stamps;
}

void stampNewEntries(std::span<ImageEntry> fresh, std::span<const ImageEntry> album, const SelectionBlock& block,
                     std::uint32_t base)
{
    const std::vector<std::int32_t> stamps = freshStamps(album, block, base, static_cast<int>(fresh.size()));
    for (std::size_t k = 0; k < fresh.size(); ++k)
        fresh[k].stamp = stamps[k];
}

} // namespace pictra
