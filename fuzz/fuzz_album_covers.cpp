// The album-icon reader on arbitrary bytes: never reads outside the data,
// and every cover it returns lies inside it.
#include "core/album/album_covers.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto source = [&](std::uint64_t offset, std::span<std::uint8_t> into) {
        if (offset > size || into.size() > size - offset)
            return false;
        std::copy_n(data + offset, into.size(), into.begin());
        return true;
    };
    auto covers = pictra::readAlbumCovers(source, 4);
    if (!covers)
        return 0;
    std::size_t total = 0;
    for (const auto& cover : *covers)
        total += cover.size();
    if (covers->size() > 4 || total > size)
        __builtin_trap();
    return 0;
}
