// Reading the date part of Exif, XMP and IPTC date texts.
#include "core/metadata/taken_date.h"

#include <cstddef>

namespace pictra {
namespace {

// The number of `digits` digits at `at`, or -1 when they are not all digits.
int number(std::string_view text, std::size_t at, std::size_t digits)
{
    if (at + digits > text.size())
        return -1;
    int value = 0;
    for (std::size_t i = at; i < at + digits; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

bool leapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInMonth(int year, int month)
{
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && leapYear(year) ? 29 : kDays[month - 1];
}

bool isDigit(std::string_view text, std::size_t at) { return at < text.size() && text[at] >= '0' && text[at] <= '9'; }

} // namespace

std::optional<TakenDate> parseTakenDate(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    TakenDate date;
    date.year = number(text, 0, 4);
    if (date.year <= 0)
        return std::nullopt;
    // "YYYYMMDD" (IPTC) has no separators; Exif uses ':', XMP '-'.
    const bool packed = isDigit(text, 4);
    const std::size_t monthAt = packed ? 4 : 5;
    const std::size_t dayAt = packed ? 6 : 8;
    const bool hasMonth = packed || (text.size() > 4 && (text[4] == ':' || text[4] == '-'));
    if (hasMonth) {
        date.month = number(text, monthAt, 2);
        if (date.month < 1 || date.month > 12)
            return std::nullopt;
        const bool hasDay = packed || (text.size() > 7 && text[7] == text[4]);
        if (hasDay) {
            date.day = number(text, dayAt, 2);
            if (date.day < 1 || date.day > daysInMonth(date.year, date.month))
                return std::nullopt;
        } else if (text.size() > 7) {
            return std::nullopt; // "YYYY-MM" followed by something that is no day
        }
    } else if (text.size() > 4) {
        return std::nullopt; // a year followed by something that is no month
    }
    // The day must end there: "2021:01:012" is no date.
    if (date.day != 0 && isDigit(text, dayAt + 2))
        return std::nullopt;
    return date;
}

} // namespace pictra
