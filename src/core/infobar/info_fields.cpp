// Storing and showing the information bar's fields.
#include "core/infobar/info_fields.h"

#include "core/album/album_changes.h"
#include "core/util/cp932.h"
#include "core/util/fixed_text.h"
#include "core/util/rounding.h"

#include <cctype>
#include <cstdint>
#include <limits>

namespace pictra {

std::optional<std::int16_t> parseDateNumber(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    if (i >= text.size() || !std::isdigit(static_cast<unsigned char>(text[i])))
        return std::nullopt;
    constexpr std::int64_t kLimit = std::numeric_limits<std::int16_t>::max() + std::int64_t{1};
    std::int64_t value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        if (value <= kLimit)
            value = value * 10 + (text[i] - '0');
    }
    value = negative ? -value : value;
    if (value > std::numeric_limits<std::int16_t>::max())
        value = std::numeric_limits<std::int16_t>::max();
    if (value < std::numeric_limits<std::int16_t>::min())
        value = std::numeric_limits<std::int16_t>::min();
    return static_cast<std::int16_t>(value);
}

namespace {

template <std::size_t N>
FieldStore storeText(std::array<char, N>& field, std::string_view utf8)
{
    const Cp932Conversion converted = utf8ToCp932(utf8);
    if (!converted.complete)
        return FieldStore::Refused;
    return setFieldText(field, converted.text) ? FieldStore::Stored : FieldStore::Cut;
}

FieldStore storeNumber(std::int16_t& field, std::string_view text)
{
    const auto number = parseDateNumber(text);
    if (!number)
        return FieldStore::Unchanged;
    field = *number;
    return FieldStore::Stored;
}

template <std::size_t N>
std::string textOf(const std::array<char, N>& field)
{
    return cp932ToUtf8(fieldText(field)).text;
}

} // namespace

FieldStore storeInfoField(ImageEntry& entry, InfoField field, std::string_view text)
{
    switch (field) {
    case InfoField::Year: return storeNumber(entry.year, text);
    case InfoField::Month: return storeNumber(entry.month, text);
    case InfoField::Day: return storeNumber(entry.day, text);
    case InfoField::Author: return storeText(entry.author, text);
    case InfoField::Place: return storeText(entry.place, text);
    case InfoField::Summary: return storeText(entry.summary, text);
    case InfoField::Memo: return storeText(entry.memo, text);
    }
    return FieldStore::Unchanged;
}

FieldStore storeAlbumInfoField(AlbumTable& table, int index, InfoField field, std::string_view text)
{
    AlbumRecord& w = table.working;
    if (index < 0 || index >= w.imageCount || index >= kMaxAlbumImages)
        return FieldStore::Unchanged;
    ImageEntry& entry = w.images[static_cast<std::size_t>(index)];
    const ImageEntry before = entry;
    const FieldStore result = storeInfoField(entry, field, text);
    if (AlbumRecord* slot = activeSlot(table))
        slot->images[static_cast<std::size_t>(index)] = entry;
    if (!(entry == before)) {
        if (activeSlot(table))
            markWindowChanged(table, w.viewId);
        else
            markAlbumChanged(w);
    }
    return result;
}

std::string infoFieldText(const ImageEntry& entry, InfoField field)
{
    switch (field) {
    case InfoField::Year: return std::to_string(entry.year);
    case InfoField::Month: return std::to_string(entry.month);
    case InfoField::Day: return std::to_string(entry.day);
    case InfoField::Author: return textOf(entry.author);
    case InfoField::Place: return textOf(entry.place);
    case InfoField::Summary: return textOf(entry.summary);
    case InfoField::Memo: return textOf(entry.memo);
    }
    return {};
}

namespace {

std::string lengthText(std::int32_t pixels, std::int32_t pixelsPerMetre)
{
    if (pixelsPerMetre > 0)
        return std::to_string(truncToward0(pixels * (1000.0 / pixelsPerMetre))) + "mm";
    return std::to_string(pixels) + "pixel";
}

} // namespace

std::string imageSizeText(const BitmapInfoHeader& header)
{
    return lengthText(header.width, header.xPelsPerMeter) + " × " + lengthText(header.height, header.yPelsPerMeter);
}

} // namespace pictra
