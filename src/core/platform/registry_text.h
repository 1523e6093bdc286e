// The text form of our registry store: keys in brackets, then one value per
// line, string or DWORD, in the style of exported registry files:
//   [Software\Korvale\Pictra\1.0]
//   "_dir"="/home/kei/.local/share/pictra"
//   "wnd_pt1"=dword:00000010
// Key and value names are compared without case, as on the original platform.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace pictra {

using RegistryValue = std::variant<std::string, std::uint32_t>;

struct RegistryEntry {
    std::string name;
    RegistryValue value;
};

struct RegistryKey {
    std::string name;
    std::vector<RegistryEntry> entries;
};

struct RegistryData {
    std::vector<RegistryKey> keys;
    // Lines that could not be read; written back verbatim so a hand-edited
    // file that went wrong loses nothing.
    std::vector<std::string> unreadLines;
};

// Never fails: unreadable lines go to unreadLines.
RegistryData parseRegistryText(std::string_view text);
std::string formatRegistryText(const RegistryData& data);

const RegistryValue* findRegistryValue(const RegistryData& data, std::string_view key, std::string_view name);
// Sets (or replaces) a value, creating the key when needed.
void setRegistryValue(RegistryData& data, std::string_view key, std::string_view name, RegistryValue value);
// Removes a value; false when it was not there.
bool deleteRegistryValue(RegistryData& data, std::string_view key, std::string_view name);

} // namespace pictra
