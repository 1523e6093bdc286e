// Zero-padded fixed-size text fields (paths, author, memo ...), as stored in
// our records: the text runs to the first zero byte or the end of the field.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

namespace pictra {

// The size of every path field in our records (album entries, settings
// files, recent-album and name lists).
inline constexpr std::size_t kPathBytes = 360;

template <std::size_t N>
std::string_view fieldText(const std::array<char, N>& field)
{
    const auto end = std::find(field.begin(), field.end(), '\0');
    return std::string_view(field.data(), static_cast<std::size_t>(end - field.begin()));
}

// Stores `text` zero-padded; text longer than N - 1 bytes is cut (never in
// the middle of a CP932 double-byte character) so a terminating zero remains.
// Returns false when the text had to be cut.
template <std::size_t N>
bool setFieldText(std::array<char, N>& field, std::string_view text)
{
    static_assert(N > 0);
    std::size_t n = std::min(text.size(), N - 1);
    const bool cut = n < text.size();
    if (cut) {
        // Walk CP932 characters so a lead byte is never left without its trail byte.
        std::size_t i = 0;
        while (i < n) {
            const auto c = static_cast<unsigned char>(text[i]);
            const std::size_t len = ((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC)) ? 2 : 1;
            if (i + len > n)
                break;
            i += len;
        }
        n = i;
    }
    field.fill('\0');
    std::copy_n(text.begin(), n, field.begin());
    return !cut;
}

} // namespace pictra
