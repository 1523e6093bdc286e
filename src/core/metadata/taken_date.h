// The calendar date a picture was taken, read from the date texts cameras and
// other programs write: Exif "YYYY:MM:DD hh:mm:ss", XMP "YYYY-MM-DDThh:mm..."
// (also "YYYY-MM" and "YYYY") and IPTC "YYYYMMDD".
#pragma once

#include <optional>
#include <string_view>

namespace pictra {

struct TakenDate {
    int year = 0;  // 1..9999
    int month = 0; // 1..12, or 0 when the text gives only the year
    int day = 0;   // 1..31 (checked against the month), or 0 when not given

    friend bool operator==(const TakenDate&, const TakenDate&) = default;
};

// The date at the start of `text` (leading blanks skipped); nullopt when it
// holds no date, a blank camera date ("0000:00:00", "    :  :  ") or a day
// the month does not have.
std::optional<TakenDate> parseTakenDate(std::string_view text);

} // namespace pictra
