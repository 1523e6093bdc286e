// SANE option helpers. Options are looked up by name each time: setting one
// may make the device reload its option list.
#include "scanner/sane_options.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace pictra {
namespace {

std::string lower(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::tolower(c); });
    return out;
}

const SANE_Option_Descriptor* settable(SANE_Handle handle, std::string_view name, SANE_Int& index)
{
    const auto found = findOption(handle, name);
    if (!found)
        return nullptr;
    const SANE_Option_Descriptor* desc = sane_get_option_descriptor(handle, *found);
    if (!desc || !SANE_OPTION_IS_ACTIVE(desc->cap) || !SANE_OPTION_IS_SETTABLE(desc->cap))
        return nullptr;
    index = *found;
    return desc;
}

SANE_Status setWord(SANE_Handle handle, SANE_Int index, SANE_Word value)
{
    return sane_control_option(handle, index, SANE_ACTION_SET_VALUE, &value, nullptr);
}

bool isScalarWord(const SANE_Option_Descriptor& desc)
{
    return (desc.type == SANE_TYPE_BOOL || desc.type == SANE_TYPE_INT || desc.type == SANE_TYPE_FIXED) &&
           desc.size == static_cast<SANE_Int>(sizeof(SANE_Word));
}

// The allowed value nearest `wanted` (both in the option's own units).
SANE_Word nearestAllowed(const SANE_Option_Descriptor& desc, SANE_Word wanted)
{
    if (desc.constraint_type == SANE_CONSTRAINT_RANGE && desc.constraint.range) {
        const SANE_Range& range = *desc.constraint.range;
        SANE_Word value = std::clamp(wanted, range.min, range.max);
        if (range.quant > 0) {
            const long steps = std::lround(double(value - range.min) / range.quant);
            value = std::min(range.max, static_cast<SANE_Word>(range.min + steps * range.quant));
        }
        return value;
    }
    if (desc.constraint_type == SANE_CONSTRAINT_WORD_LIST && desc.constraint.word_list &&
        desc.constraint.word_list[0] > 0) {
        const SANE_Word* list = desc.constraint.word_list;
        SANE_Word best = list[1];
        for (SANE_Int i = 1; i <= list[0]; ++i) {
            if (std::llabs(std::int64_t{list[i]} - wanted) < std::llabs(std::int64_t{best} - wanted))
                best = list[i];
        }
        return best;
    }
    return wanted;
}

} // namespace

std::optional<SANE_Int> findOption(SANE_Handle handle, std::string_view name)
{
    SANE_Int count = 0;
    const SANE_Option_Descriptor* first = sane_get_option_descriptor(handle, 0);
    if (!first || sane_control_option(handle, 0, SANE_ACTION_GET_VALUE, &count, nullptr) != SANE_STATUS_GOOD)
        return std::nullopt;
    for (SANE_Int i = 1; i < count; ++i) {
        const SANE_Option_Descriptor* desc = sane_get_option_descriptor(handle, i);
        if (desc && desc->name && name == desc->name)
            return i;
    }
    return std::nullopt;
}

SANE_Status setOptionText(SANE_Handle handle, std::string_view name, std::string_view value)
{
    SANE_Int index = 0;
    const SANE_Option_Descriptor* desc = settable(handle, name, index);
    if (!desc)
        return SANE_STATUS_UNSUPPORTED;
    if (desc->type == SANE_TYPE_STRING) {
        if (value.size() + 1 > static_cast<std::size_t>(desc->size))
            return SANE_STATUS_INVAL;
        std::vector<char> text(static_cast<std::size_t>(desc->size), '\0');
        std::copy(value.begin(), value.end(), text.begin());
        return sane_control_option(handle, index, SANE_ACTION_SET_VALUE, text.data(), nullptr);
    }
    if (!isScalarWord(*desc))
        return SANE_STATUS_UNSUPPORTED;
    if (desc->type == SANE_TYPE_BOOL) {
        const std::string v = lower(value);
        if (v != "true" && v != "yes" && v != "false" && v != "no")
            return SANE_STATUS_INVAL;
        return setWord(handle, index, (v == "true" || v == "yes") ? SANE_TRUE : SANE_FALSE);
    }
    double number = 0;
    const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), number);
    if (ec != std::errc() || end != value.data() + value.size())
        return SANE_STATUS_INVAL;
    const SANE_Word word = desc->type == SANE_TYPE_FIXED ? SANE_FIX(number) : static_cast<SANE_Word>(std::lround(number));
    return setWord(handle, index, word);
}

void chooseColourMode(SANE_Handle handle)
{
    SANE_Int index = 0;
    const SANE_Option_Descriptor* desc = settable(handle, SANE_NAME_SCAN_MODE, index);
    if (!desc || desc->type != SANE_TYPE_STRING || desc->constraint_type != SANE_CONSTRAINT_STRING_LIST)
        return;
    const SANE_String_Const* list = desc->constraint.string_list;
    const char* chosen = nullptr;
    for (int i = 0; list && list[i]; ++i) {
        const std::string entry = lower(list[i]);
        if (entry == "color") {
            chosen = list[i];
            break;
        }
        if (!chosen && (entry.find("color") != std::string::npos || entry.find("colour") != std::string::npos))
            chosen = list[i];
    }
    if (chosen)
        (void)setOptionText(handle, SANE_NAME_SCAN_MODE, chosen);
}

void chooseDepth8(SANE_Handle handle)
{
    SANE_Int index = 0;
    const SANE_Option_Descriptor* desc = settable(handle, SANE_NAME_BIT_DEPTH, index);
    if (!desc || desc->type != SANE_TYPE_INT || !isScalarWord(*desc))
        return;
    if (nearestAllowed(*desc, 8) == 8)
        (void)setWord(handle, index, 8);
}

void chooseResolution(SANE_Handle handle, int dpi)
{
    SANE_Int index = 0;
    const SANE_Option_Descriptor* desc = settable(handle, SANE_NAME_SCAN_RESOLUTION, index);
    if (!desc || !isScalarWord(*desc) || desc->type == SANE_TYPE_BOOL)
        return;
    const SANE_Word wanted = desc->type == SANE_TYPE_FIXED ? SANE_FIX(dpi) : dpi;
    (void)setWord(handle, index, nearestAllowed(*desc, wanted));
}

std::string optionText(SANE_Handle handle, std::string_view name)
{
    const auto index = findOption(handle, name);
    if (!index)
        return {};
    const SANE_Option_Descriptor* desc = sane_get_option_descriptor(handle, *index);
    if (!desc || desc->type != SANE_TYPE_STRING || desc->size <= 0 || !SANE_OPTION_IS_ACTIVE(desc->cap))
        return {};
    std::vector<char> text(static_cast<std::size_t>(desc->size) + 1, '\0');
    if (sane_control_option(handle, *index, SANE_ACTION_GET_VALUE, text.data(), nullptr) != SANE_STATUS_GOOD)
        return {};
    return std::string(text.data());
}

} // namespace pictra
