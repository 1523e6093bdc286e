// Conversion between UTF-8 (the ui and Linux paths) and CP932 (Shift-JIS
// text fields inside our binary files).
#pragma once

#include <string>
#include <string_view>

namespace pictra {

struct Cp932Conversion {
    std::string text;       // the converted text (what could be converted)
    bool complete = true;   // false when some input could not be converted
    std::string rejected;   // the first input sequence that could not be converted
};

// UTF-8 -> CP932. Characters CP932 cannot hold are left out and reported.
Cp932Conversion utf8ToCp932(std::string_view utf8);
// CP932 -> UTF-8. Invalid bytes become U+FFFD and are reported.
Cp932Conversion cp932ToUtf8(std::string_view cp932);

// True when `bytes` is valid UTF-8 (stored paths that are not came from the
// original platform and are decoded as CP932).
bool isValidUtf8(std::string_view bytes);

// A stored path as UTF-8: unchanged when valid UTF-8, else decoded as CP932.
std::string storedPathToUtf8(std::string_view stored);

} // namespace pictra
