// The list of open windows at the end of the ウインドウ menu: one item per
// window in window order, numbered with a mnemonic ("&1 サンプル.abm"), the
// active window checked.
#pragma once

#include <span>
#include <string>
#include <vector>

namespace pictra {

struct OpenWindow {
    std::string title; // as its title bar shows it
    bool active = false;
};

struct WindowMenuItem {
    std::string text; // menu text: '&' marks the mnemonic, "&&" a literal '&'
    bool checked = false;
    friend bool operator==(const WindowMenuItem&, const WindowMenuItem&) = default;
};

// Items 1 to 9 take their digit as mnemonic, the tenth "1&0"; a title's own
// '&' is doubled so it shows as written.
std::vector<WindowMenuItem> windowMenuItems(std::span<const OpenWindow> windows);

} // namespace pictra
