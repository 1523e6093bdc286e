// SANE option helpers. Options are looked up by name each time: setting one
// may make the device reload its option list.
#include "scanner/sane_options.h"

#include "scanner/sane_call_watch.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace pictra {
namespace {

const SANE_Option_Descriptor* descriptor(SANE_Handle handle, SANE_Int index)
{
    const SaneCall call("sane_get_option_descriptor");
    return sane_get_option_descriptor(handle, index);
}

SANE_Status control(SANE_Handle handle, SANE_Int index, SANE_Action action, void* value)
{
    const SaneCall call("sane_control_option");
    return sane_control_option(handle, index, action, value, nullptr);
}

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
    const SANE_Option_Descriptor* desc = descriptor(handle, *found);
    if (!desc || !SANE_OPTION_IS_ACTIVE(desc->cap) || !SANE_OPTION_IS_SETTABLE(desc->cap))
        return nullptr;
    index = *found;
    return desc;
}

SANE_Status setWord(SANE_Handle handle, SANE_Int index, SANE_Word value)
{
    return control(handle, index, SANE_ACTION_SET_VALUE, &value);
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
    const SANE_Option_Descriptor* first = descriptor(handle, 0);
    if (!first || control(handle, 0, SANE_ACTION_GET_VALUE, &count) != SANE_STATUS_GOOD)
        return std::nullopt;
    for (SANE_Int i = 1; i < count; ++i) {
        const SANE_Option_Descriptor* desc = descriptor(handle, i);
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
        return control(handle, index, SANE_ACTION_SET_VALUE, text.data());
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
        (void)setOptionText(handle, SANE_NAME_SCAN_MODE, chosen); // refused: the device keeps its own mode
}

void chooseDepth8(SANE_Handle handle)
{
    SANE_Int index = 0;
    const SANE_Option_Descriptor* desc = settable(handle, SANE_NAME_BIT_DEPTH, index);
    if (!desc || desc->type != SANE_TYPE_INT || !isScalarWord(*desc))
        return;
    if (nearestAllowed(*desc, 8) == 8)
        (void)setWord(handle, index, 8); // refused: the device keeps its own depth
}

void chooseResolution(SANE_Handle handle, int dpi)
{
    SANE_Int index = 0;
    const SANE_Option_Descriptor* desc = settable(handle, SANE_NAME_SCAN_RESOLUTION, index);
    if (!desc || !isScalarWord(*desc) || desc->type == SANE_TYPE_BOOL)
        return;
    // Fitted in whole dpi first: SANE_FIX of a large dpi would wrap.
    const ScanDeviceOptions offered = readDeviceOptions(handle);
    const int fitted = nearestScanResolution(offered, dpi);
    const SANE_Word wanted = desc->type == SANE_TYPE_FIXED ? SANE_FIX(fitted) : fitted;
    // A failed set keeps the device's own resolution, which the size check then sees.
    (void)setWord(handle, index, nearestAllowed(*desc, wanted)); // refused: the device keeps its own value
}

ScanDeviceOptions readDeviceOptions(SANE_Handle handle)
{
    ScanDeviceOptions out;
    SANE_Int index = 0;
    if (const SANE_Option_Descriptor* desc = settable(handle, SANE_NAME_SCAN_RESOLUTION, index);
        desc && isScalarWord(*desc) && (desc->type == SANE_TYPE_INT || desc->type == SANE_TYPE_FIXED)) {
        const bool fixed = desc->type == SANE_TYPE_FIXED;
        auto dpi = [fixed](SANE_Word w) { return fixed ? SANE_UNFIX(w) : double(w); };
        if (desc->constraint_type == SANE_CONSTRAINT_WORD_LIST && desc->constraint.word_list) {
            for (SANE_Int i = 1; i <= desc->constraint.word_list[0]; ++i) {
                const double v = dpi(desc->constraint.word_list[i]);
                if (v >= 1 && v == std::floor(v))
                    out.resolutionList.push_back(static_cast<int>(v));
            }
            std::sort(out.resolutionList.begin(), out.resolutionList.end());
            out.resolutionList.erase(std::unique(out.resolutionList.begin(), out.resolutionList.end()),
                                     out.resolutionList.end());
        } else if (desc->constraint_type == SANE_CONSTRAINT_RANGE && desc->constraint.range) {
            const SANE_Range& r = *desc->constraint.range;
            out.resolutionMin = std::max(1, static_cast<int>(std::ceil(dpi(r.min))));
            out.resolutionMax = static_cast<int>(std::floor(dpi(r.max)));
            const double step = r.quant > 0 ? dpi(r.quant) : 1;
            out.resolutionStep = step == std::floor(step) ? static_cast<int>(step) : 1;
            if (out.resolutionMax < out.resolutionMin)
                out.resolutionMax = 0;
        }
    }
    auto strings = [&](std::string_view name) {
        std::vector<std::string> texts;
        SANE_Int i = 0;
        const SANE_Option_Descriptor* desc = settable(handle, name, i);
        if (desc && desc->type == SANE_TYPE_STRING && desc->constraint_type == SANE_CONSTRAINT_STRING_LIST) {
            for (const SANE_String_Const* s = desc->constraint.string_list; s && *s; ++s)
                texts.emplace_back(*s);
        }
        return texts;
    };
    for (const std::string& text : strings(SANE_NAME_SCAN_MODE)) {
        const auto kind = scanModeOfDeviceText(text);
        if (kind && std::none_of(out.modes.begin(), out.modes.end(), [&](const auto& c) { return c.kind == *kind; }))
            out.modes.push_back({*kind, text});
    }
    for (const std::string& text : strings(SANE_NAME_SCAN_SOURCE)) {
        const auto kind = scanFeedOfDeviceText(text);
        if (kind && std::none_of(out.feeds.begin(), out.feeds.end(), [&](const auto& c) { return c.kind == *kind; }))
            out.feeds.push_back({*kind, text});
    }
    auto extent = [&](std::string_view from, std::string_view to) -> double {
        SANE_Int a = 0, b = 0;
        const SANE_Option_Descriptor* tl = settable(handle, from, a);
        const SANE_Option_Descriptor* br = settable(handle, to, b);
        if (!tl || !br || br->unit != SANE_UNIT_MM || br->constraint_type != SANE_CONSTRAINT_RANGE ||
            !br->constraint.range || tl->constraint_type != SANE_CONSTRAINT_RANGE || !tl->constraint.range)
            return 0;
        auto mm = [br](SANE_Word w) { return br->type == SANE_TYPE_FIXED ? SANE_UNFIX(w) : double(w); };
        return std::max(0.0, mm(br->constraint.range->max) - mm(tl->constraint.range->min));
    };
    out.maxArea = {extent(SANE_NAME_SCAN_TL_X, SANE_NAME_SCAN_BR_X), extent(SANE_NAME_SCAN_TL_Y, SANE_NAME_SCAN_BR_Y)};
    if (!out.hasArea())
        out.maxArea = {};
    return out;
}

SANE_Status chooseMode(SANE_Handle handle, ScanMode mode)
{
    for (const auto& choice : readDeviceOptions(handle).modes) {
        if (choice.kind == mode)
            return setOptionText(handle, SANE_NAME_SCAN_MODE, choice.deviceText);
    }
    return SANE_STATUS_UNSUPPORTED;
}

SANE_Status chooseFeed(SANE_Handle handle, ScanFeed feed)
{
    for (const auto& choice : readDeviceOptions(handle).feeds) {
        if (choice.kind == feed)
            return setOptionText(handle, SANE_NAME_SCAN_SOURCE, choice.deviceText);
    }
    return SANE_STATUS_UNSUPPORTED;
}

SANE_Status chooseArea(SANE_Handle handle, ScanAreaMm area)
{
    // Top left first: some devices refuse a bottom right above the top left.
    const std::pair<std::string_view, std::string_view> axes[] = {{SANE_NAME_SCAN_TL_X, SANE_NAME_SCAN_BR_X},
                                                                  {SANE_NAME_SCAN_TL_Y, SANE_NAME_SCAN_BR_Y}};
    const double sizes[] = {area.width, area.height};
    for (int axis = 0; axis < 2; ++axis) {
        SANE_Int tlIndex = 0, brIndex = 0;
        const SANE_Option_Descriptor* tl = settable(handle, axes[axis].first, tlIndex);
        const SANE_Option_Descriptor* br = settable(handle, axes[axis].second, brIndex);
        if (!tl || !br || !isScalarWord(*tl) || !isScalarWord(*br) || tl->constraint_type != SANE_CONSTRAINT_RANGE ||
            br->constraint_type != SANE_CONSTRAINT_RANGE || br->unit != SANE_UNIT_MM)
            return SANE_STATUS_UNSUPPORTED;
        const bool fixed = br->type == SANE_TYPE_FIXED;
        auto word = [fixed](double mm) { return fixed ? SANE_FIX(mm) : static_cast<SANE_Word>(std::lround(mm)); };
        auto mm = [fixed](SANE_Word w) { return fixed ? SANE_UNFIX(w) : double(w); };
        const SANE_Word left = tl->constraint.range->min;
        const double end = std::min(mm(left) + sizes[axis], mm(br->constraint.range->max));
        if (const SANE_Status s = setWord(handle, tlIndex, left); s != SANE_STATUS_GOOD)
            return s;
        if (const SANE_Status s = setWord(handle, brIndex, nearestAllowed(*br, word(end))); s != SANE_STATUS_GOOD)
            return s;
    }
    return SANE_STATUS_GOOD;
}

std::string optionText(SANE_Handle handle, std::string_view name)
{
    const auto index = findOption(handle, name);
    if (!index)
        return {};
    const SANE_Option_Descriptor* desc = descriptor(handle, *index);
    if (!desc || desc->type != SANE_TYPE_STRING || desc->size <= 0 || !SANE_OPTION_IS_ACTIVE(desc->cap))
        return {};
    std::vector<char> text(static_cast<std::size_t>(desc->size) + 1, '\0');
    if (control(handle, *index, SANE_ACTION_GET_VALUE, text.data()) != SANE_STATUS_GOOD)
        return {};
    return std::string(text.data());
}

} // namespace pictra
