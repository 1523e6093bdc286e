// Splitting the words of a search.
#include "core/search/search_words.h"

namespace pictra {
namespace {

bool isSeparator(char c) { return c == ' ' || c == ','; }

// The longest prefix of at most `limit` bytes that does not end inside a
// UTF-8 sequence.
std::string_view cutUtf8(std::string_view word, std::size_t limit)
{
    if (word.size() <= limit)
        return word;
    std::size_t n = limit;
    while (n > 0 && (static_cast<unsigned char>(word[n]) & 0xC0) == 0x80)
        --n;
    return word.substr(0, n);
}

} // namespace

SearchWords parseSearchWords(std::string_view text)
{
    SearchWords out;
    if (!text.empty() && isSeparator(text.back()))
        text.remove_suffix(1);
    if (text.empty())
        return out;
    auto add = [&out](std::string_view word) {
        if (static_cast<int>(out.words.size()) >= kMaxSearchWords) {
            ++out.ignored;
            return;
        }
        const std::string_view kept = cutUtf8(word, kMaxSearchWordBytes);
        if (kept.size() < word.size())
            ++out.shortened;
        out.words.emplace_back(kept);
    };
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isSeparator(text[i])) {
            add(text.substr(start, i - start));
            start = i + 1;
        }
    }
    add(text.substr(start));
    return out;
}

} // namespace pictra
