// The words of a search, as typed into the words field (UTF-8).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pictra {

inline constexpr int kMaxSearchWords = 10;
inline constexpr std::size_t kMaxSearchWordBytes = 99;

struct SearchWords {
    std::vector<std::string> words; // at most kMaxSearchWords, each at most kMaxSearchWordBytes
    int ignored = 0;                // words beyond kMaxSearchWords, left out
    int shortened = 0;              // words cut to kMaxSearchWordBytes
};

// Splits the text at every " " or ",": a separator at the start or right
// after another yields an empty word (it matches any entry with some text);
// a separator at the very end ends the last word and yields nothing; an
// empty text gives no words. Long words are cut on a character boundary.
SearchWords parseSearchWords(std::string_view text);

} // namespace pictra
