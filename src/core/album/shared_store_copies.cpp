// Detection of entries that share a store copy.
#include "core/album/shared_store_copies.h"

#include "core/util/fixed_text.h"
#include "core/util/paths.h"

#include <map>
#include <string>
#include <string_view>

namespace pictra {

std::vector<int> entriesSharingStoreCopy(std::span<const ImageEntry> entries)
{
    struct Group {
        std::string_view firstPath;
        bool mixed = false;
    };
    std::map<std::string, Group> groups;
    for (const ImageEntry& e : entries) {
        const std::string_view path = fieldText(e.path);
        auto [it, inserted] = groups.try_emplace(BaseName(path), Group{path});
        if (!inserted && it->second.firstPath != path)
            it->second.mixed = true;
    }
    std::vector<int> shared;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (groups[BaseName(fieldText(entries[i].path))].mixed)
            shared.push_back(static_cast<int>(i));
    }
    return shared;
}

} // namespace pictra
