// Recent album list on arbitrary bytes: decoding and every list operation
// keep the count within 0..10 and the flags with their paths.
#include "core/settings/recent_album_list.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

void check(const pictra::RecentAlbumList& list)
{
    if (list.count < 0 || list.count > pictra::kMaxRecentAlbums)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto list = pictra::decodeRecentAlbumList(pictra::ByteSpan(data, size));
    check(list);
    if (pictra::decodeRecentAlbumList(pictra::encodeRecentAlbumList(list)) != list)
        __builtin_trap();
    const auto items = pictra::recentMenuItems(list, size > 0 ? data[0] % 12 : 4);
    for (const auto& item : items) {
        if (!pictra::recentAlbumForCommand(list, item.commandId))
            __builtin_trap();
    }
    const std::string extra = size > 8 ? std::string(reinterpret_cast<const char*>(data) + 4, 4) : "/x.abm";
    (void)pictra::addRecentAlbum(list, extra);
    (void)pictra::addRecentAlbum(list, std::string(pictra::recentPath(list, 0)));
    check(list);
    const std::vector<std::string> open{extra};
    pictra::markOpenAlbums(list, open);
    pictra::pruneRecentAlbums(list, [&](const std::string& p) { return p.size() % 2 == 0; });
    check(list);
    return 0;
}
