// The picture-hash cache file on arbitrary bytes: a cache that parses writes
// back to bytes that parse to the same cache.
#include "core/recognise/hash_cache.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto cache = pictra::HashCache::parse(pictra::ByteSpan(data, size));
    if (!cache)
        return 0;
    const std::vector<std::uint8_t> once = cache->serialize();
    const auto again = pictra::HashCache::parse(once);
    if (!again || again->size() != cache->size() || again->serialize() != once)
        __builtin_trap();
    return 0;
}
