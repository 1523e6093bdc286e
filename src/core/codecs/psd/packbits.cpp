// PackBits decoding.
#include "core/codecs/psd/packbits.h"

#include <algorithm>
#include <cstring>

namespace pictra {

bool unpackBits(ByteSpan packed, std::span<std::uint8_t> out)
{
    std::size_t in = 0;
    std::size_t done = 0;
    while (done < out.size()) {
        if (in >= packed.size())
            return false;
        const auto n = static_cast<std::int8_t>(packed[in++]);
        if (n == -128)
            continue;
        if (n >= 0) {
            const std::size_t count = static_cast<std::size_t>(n) + 1;
            if (count > packed.size() - in || count > out.size() - done)
                return false;
            std::memcpy(out.data() + done, packed.data() + in, count);
            in += count;
            done += count;
        } else {
            const std::size_t count = static_cast<std::size_t>(1 - n);
            if (in >= packed.size() || count > out.size() - done)
                return false;
            std::fill_n(out.data() + done, count, packed[in++]);
            done += count;
        }
    }
    return true;
}

} // namespace pictra
