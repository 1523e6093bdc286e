// Rules of the information bar's fields: how typed text goes into an image
// entry (date numbers one field at a time, texts cut at their field size on
// a character boundary, text CP932 cannot hold refused) and the size text.
#pragma once

#include "core/album/album_table.h"
#include "core/album/image_entry.h"
#include "core/image/image_record.h"

#include <optional>
#include <string>
#include <string_view>

namespace pictra {

enum class InfoField { Year, Month, Day, Author, Place, Summary, Memo };

enum class FieldStore {
    Stored,   // the field holds the whole text
    Cut,      // the text was longer than the field and was cut
    Refused,  // the text holds characters CP932 cannot hold; the field is unchanged
    Unchanged // no number could be read; the field is unchanged
};

// The number at the start of `text` as "%d" reads it (leading blanks, a sign,
// digits), limited to the 16-bit range; nothing when no digit follows.
std::optional<std::int16_t> parseDateNumber(std::string_view text);

// Stores the UTF-8 `text` of the edit for `field` into `entry`, touching no
// other field. The number fields take parseDateNumber of the text.
FieldStore storeInfoField(ImageEntry& entry, InfoField field, std::string_view text);

// The information bar's store into entry `index` of the active album: the
// working copy's entry takes the text (storeInfoField), its slot gets the
// same entry, and an entry that differs afterwards marks the album changed.
// Unchanged for an index outside the album.
FieldStore storeAlbumInfoField(AlbumTable& table, int index, InfoField field, std::string_view text);

// The entry's text for `field` as UTF-8 (numbers as "%d").
std::string infoFieldText(const ImageEntry& entry, InfoField field);

// "640pixel × 480pixel", or in millimetres where the header gives a
// resolution (pixels per metre): w × (1000 / resolution), truncated.
std::string imageSizeText(const BitmapInfoHeader& header);

} // namespace pictra
