// Numbers typed into edit boxes, read the way "%d" reads them: blanks, an
// optional sign, then digits; anything after the digits is ignored.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace pictra {

// The number in full width, for callers that check a range before they
// narrow it; nullopt when the text does not start with a number.
std::optional<std::int64_t> readTypedNumber(std::string_view text);

// nullopt when the text does not start with a number (the field then keeps
// its value); numbers beyond the int range are held at its ends.
std::optional<int> parseTypedNumber(std::string_view text);

} // namespace pictra
