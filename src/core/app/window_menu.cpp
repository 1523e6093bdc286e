// Numbering the open windows for the ウインドウ menu.
#include "core/app/window_menu.h"

namespace pictra {

namespace {

std::string numberWithMnemonic(std::size_t number)
{
    std::string digits = std::to_string(number);
    // The last digit is the one a key can reach: "&1" .. "&9", "1&0", "1&1".
    digits.insert(digits.size() - 1, 1, '&');
    return digits;
}

std::string escapedTitle(const std::string& title)
{
    std::string text;
    for (char c : title) {
        text += c;
        if (c == '&')
            text += '&';
    }
    return text;
}

} // namespace

std::vector<WindowMenuItem> windowMenuItems(std::span<const OpenWindow> windows)
{
    std::vector<WindowMenuItem> items;
    for (std::size_t i = 0; i < windows.size(); ++i)
        items.push_back({numberWithMnemonic(i + 1) + ' ' + escapedTitle(windows[i].title), windows[i].active});
    return items;
}

} // namespace pictra
