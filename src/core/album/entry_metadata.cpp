// Filling entries from metadata and reading their fields back out.
#include "core/album/entry_metadata.h"

#include "core/album/album_changes.h"
#include "core/metadata/xmp_sidecar.h"
#include "core/util/cp932.h"
#include "core/util/fixed_text.h"

#include <algorithm>
#include <string>

namespace pictra {
namespace {

template <std::size_t N>
void fillText(std::array<char, N>& field, const std::string& utf8, const MetadataFill& fill, EntryFill& result)
{
    if (utf8.empty() || (fill.mode == FillMode::EmptyOnly && !fieldText(field).empty()))
        return;
    const Cp932Conversion converted = utf8ToCp932(utf8);
    if (converted.text.empty())
        return; // nothing CP932 can show: better no text than an empty replacement
    const std::array<char, N> before = field;
    if (!setFieldText(field, converted.text) || !converted.complete)
        result.shortened = true;
    result.changed = result.changed || field != before;
}

bool hasDate(const ImageEntry& entry) { return entry.year != 0 || entry.month != 0 || entry.day != 0; }

template <std::size_t N>
std::string utf8Text(const std::array<char, N>& field)
{
    return cp932ToUtf8(fieldText(field)).text;
}

} // namespace

EntryFill fillEntry(ImageEntry& entry, const PhotoMetadata& metadata, const MetadataFill& fill)
{
    EntryFill result;
    result.undated = fill.date && !metadata.taken;
    if (fill.date && metadata.taken && (fill.mode == FillMode::Overwrite || !hasDate(entry))) {
        const ImageEntry before = entry;
        entry.year = static_cast<std::int16_t>(metadata.taken->year);
        entry.month = static_cast<std::int16_t>(metadata.taken->month);
        entry.day = static_cast<std::int16_t>(metadata.taken->day);
        result.changed = entry != before;
    }
    if (fill.texts) {
        fillText(entry.summary, metadata.title, fill, result);
        fillText(entry.memo, metadata.description, fill, result);
        fillText(entry.author, metadata.creator, fill, result);
        fillText(entry.place, metadata.location, fill, result);
    }
    return result;
}

PhotoMetadata pictureMetadata(const std::string& path)
{
    auto own = readPhotoMetadata(path);
    auto sidecar = readSidecarMetadata(path);
    if (!sidecar)
        return own ? std::move(*own) : PhotoMetadata{};
    if (!own)
        return std::move(*sidecar);
    // The camera's own date beats a sidecar's; a sidecar's texts are the newer edit.
    PhotoMetadata merged = mergedMetadata(std::move(*sidecar), *own);
    if (own->taken)
        merged.taken = own->taken;
    return merged;
}

EntryFill fillEntryFromPicture(ImageEntry& entry, const MetadataFill& fill)
{
    if (!fill.date && !fill.texts)
        return {};
    return fillEntry(entry, pictureMetadata(storedPathToUtf8(fieldText(entry.path))), fill);
}

FillReport fillAlbumEntries(AlbumRecord& album, std::span<const int> indices, const MetadataFill& fill)
{
    FillReport report;
    const int count = std::clamp(album.imageCount, 0, kMaxAlbumImages);
    for (const int index : indices) {
        if (index < 0 || index >= count)
            continue;
        const EntryFill filled = fillEntryFromPicture(album.images[static_cast<std::size_t>(index)], fill);
        if (filled.changed)
            report.changed.push_back(index);
        if (filled.shortened)
            report.shortened.push_back(index);
        if (filled.undated)
            report.undated.push_back(index);
    }
    if (!report.changed.empty())
        markAlbumChanged(album);
    return report;
}

PhotoMetadata entryMetadata(const ImageEntry& entry)
{
    PhotoMetadata m;
    if (entry.year > 0) {
        TakenDate date{entry.year, 0, 0};
        if (entry.month >= 1 && entry.month <= 12) {
            date.month = entry.month;
            date.day = entry.day >= 1 && entry.day <= 31 ? entry.day : 0;
        }
        m.taken = date;
    }
    m.title = utf8Text(entry.summary);
    m.description = utf8Text(entry.memo);
    m.creator = utf8Text(entry.author);
    m.location = utf8Text(entry.place);
    return m;
}

} // namespace pictra
