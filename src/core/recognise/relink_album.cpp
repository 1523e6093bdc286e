// Missing entries and repointing them.
#include "core/recognise/relink_album.h"

#include "core/album/store_name_clash.h"
#include "core/util/cp932.h"
#include "core/util/file_io.h"
#include "core/util/fixed_text.h"

namespace pictra {

std::vector<std::string> entryPaths(std::span<const ImageEntry> entries)
{
    std::vector<std::string> paths;
    paths.reserve(entries.size());
    for (const ImageEntry& entry : entries)
        paths.push_back(storedPathToUtf8(fieldText(entry.path)));
    return paths;
}

MissingEntries findMissingEntries(std::span<const ImageEntry> entries,
                                  const std::function<std::vector<std::uint8_t>(int index)>& storeCopy,
                                  std::size_t capBytes)
{
    MissingEntries missing;
    const std::vector<std::string> paths = entryPaths(entries);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (paths[i].empty() || fileExists(paths[i]))
            continue;
        const int index = static_cast<int>(i);
        const ImageEntry& entry = entries[i];
        const std::vector<std::uint8_t> copy = storeCopy(index);
        auto described = describeMissingOriginal(index, paths[i], copy,
                                                 entryDateNumber(entry.year, entry.month, entry.day), capBytes);
        if (described)
            missing.described.push_back(std::move(*described));
        else
            missing.withoutStoreCopy.push_back(index);
    }
    return missing;
}

std::vector<RelinkChange> foundChanges(std::span<const RelinkProposal> proposals)
{
    std::vector<RelinkChange> changes;
    for (const RelinkProposal& p : proposals)
        if (p.verdict == RelinkVerdict::Found && !p.candidates.empty())
            changes.push_back({p.entryIndex, p.oldPath, p.candidates.front().path});
    return changes;
}

RelinkRefusal relinkRefusal(std::span<const ImageEntry> entries, const RelinkChange& change)
{
    if (change.entryIndex < 0 || static_cast<std::size_t>(change.entryIndex) >= entries.size())
        return RelinkRefusal::NoSuchEntry;
    if (change.to.empty() || change.to.size() >= kPathBytes)
        return RelinkRefusal::PathTooLong;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (static_cast<int>(i) == change.entryIndex)
            continue;
        if (claimsSameStoreCopy(storedPathToUtf8(fieldText(entries[i].path)), change.to))
            return RelinkRefusal::StoreNameTaken;
    }
    return RelinkRefusal::None;
}

std::vector<RelinkRefusal> applyRelinks(std::vector<ImageEntry>& entries, std::span<const RelinkChange> changes)
{
    std::vector<RelinkRefusal> refusals;
    for (const RelinkChange& change : changes) {
        const RelinkRefusal refusal = relinkRefusal(entries, change);
        if (refusal == RelinkRefusal::None)
            (void)setFieldText(entries[static_cast<std::size_t>(change.entryIndex)].path, change.to); // length checked above
        refusals.push_back(refusal);
    }
    return refusals;
}

} // namespace pictra
