#include "core/util/typed_number.h"

#include <algorithm>
#include <limits>

namespace pictra {

std::optional<std::int64_t> readTypedNumber(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    if (i >= text.size() || text[i] < '0' || text[i] > '9')
        return std::nullopt;
    // Held far above any field's range, so an overlong number stays out of range.
    constexpr std::int64_t kLimit = std::numeric_limits<std::int64_t>::max() / 10 - 9;
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = value > kLimit ? value : value * 10 + (text[i] - '0');
    return negative ? -value : value;
}

std::optional<int> parseTypedNumber(std::string_view text)
{
    const std::optional<std::int64_t> value = readTypedNumber(text);
    if (!value)
        return std::nullopt;
    return static_cast<int>(std::clamp<std::int64_t>(*value, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

} // namespace pictra
