#include "core/util/typed_number.h"

#include <algorithm>
#include <limits>

namespace pictra {

std::optional<int> parseTypedNumber(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' || text[i] == '\r'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    if (i >= text.size() || text[i] < '0' || text[i] > '9')
        return std::nullopt;
    long long value = 0;
    constexpr long long kLimit = static_cast<long long>(std::numeric_limits<int>::max()) + 1;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = std::min(value * 10 + (text[i] - '0'), kLimit);
    if (negative)
        value = -value;
    return static_cast<int>(std::max<long long>(std::min<long long>(value, std::numeric_limits<int>::max()),
                                                std::numeric_limits<int>::min()));
}

} // namespace pictra
