// The program's commands as the menus, the toolbar and the accelerators show
// them: menu text, shortcut, status-bar prompt and tooltip (the two lines of
// each command's string), toolbar icon; the menu bar layout and the toolbar
// order. Plain data; the ui builds its actions from it.
#pragma once

#include <span>
#include <string_view>

namespace pictra {

struct CommandInfo {
    int id = 0;
    std::string_view menuText; // with the "&" mnemonic
    std::string_view shortcut; // "Ctrl+N" style, empty when none
    std::string_view strings;  // "prompt\ntooltip" (the tooltip line may be absent)
    std::string_view icon;     // toolbar icon name, empty when not on the toolbar
};

// The status-bar prompt: the first line of the command's string.
std::string_view commandPrompt(const CommandInfo& info);
// The tooltip: the second line of the command's string (empty when none).
std::string_view commandTooltip(const CommandInfo& info);

std::span<const CommandInfo> commandTable();
// The command `id`, or nullptr.
const CommandInfo* findCommand(int id);

enum class MenuItemKind { Command, Separator, SubmenuBegin, SubmenuEnd };

struct MenuItem {
    MenuItemKind kind = MenuItemKind::Command;
    int id = 0;                // Command: the command id
    std::string_view text;     // SubmenuBegin: the popup's title
};

// The menu bar: top-level popups and their items in order, as a flat list
// of SubmenuBegin ... SubmenuEnd groups (which nest).
std::span<const MenuItem> menuBarLayout();

// Position in the File popup before which the recent albums are listed
// (after the four album commands and their separator).
inline constexpr int kRecentMenuPosition = 5;

// Toolbar buttons left to right; 0 stands for a separator.
std::span<const int> toolbarLayout();

} // namespace pictra
