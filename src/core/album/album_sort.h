// "並べ替え": an album's entries put in order of their date, file name or
// place. The sort is stable (equal keys keep their order); entries without
// the key (no date, no place) go to the end. Store copies are named after
// their entry's file, so they follow their entries without being touched.
#pragma once

#include "core/album/album_record.h"

#include <string_view>

namespace pictra {

enum class AlbumOrder {
    DateTaken, // year, month, day of the entry
    FileName,  // the file's name without its folder; digit runs by value, letters without case
    Place,     // the place text, byte by byte
};

// Sorts the album's entries; the album is marked changed when the order
// changed. Returns the new position of the entry at `followed` (-1 for a
// position outside the album), so the ui can keep its focus on it.
int sortAlbum(AlbumRecord& album, AlbumOrder order, int followed = -1);

// The file-name order: negative when `a` goes before `b`, 0 when neither does.
int compareFileNames(std::string_view a, std::string_view b);

} // namespace pictra
