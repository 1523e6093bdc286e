// Parsing and formatting of the registry store's text file.
#include "core/platform/registry_text.h"

#include "core/util/paths.h"

#include <algorithm>
#include <cstdio>

namespace pictra {
namespace {

std::string_view trim(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

// Reads a quoted string at the start of `s` (which begins with '"'), removing
// it from `s`. nullopt when the closing quote is missing or an escape is bad.
std::optional<std::string> takeQuoted(std::string_view& s)
{
    std::string out;
    for (std::size_t i = 1; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '"') {
            s.remove_prefix(i + 1);
            return out;
        }
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++i == s.size())
            return std::nullopt;
        switch (s[i]) {
        case '\\': out += '\\'; break;
        case '"': out += '"'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        default: return std::nullopt;
        }
    }
    return std::nullopt;
}

std::optional<std::uint32_t> parseDword(std::string_view hex)
{
    if (hex.empty() || hex.size() > 8)
        return std::nullopt;
    std::uint32_t v = 0;
    for (const char c : hex) {
        int d = -1;
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        if (d < 0)
            return std::nullopt;
        v = (v << 4) | static_cast<std::uint32_t>(d);
    }
    return v;
}

std::optional<RegistryEntry> parseValueLine(std::string_view line)
{
    auto name = takeQuoted(line);
    line = trim(line);
    if (!name || line.empty() || line.front() != '=')
        return std::nullopt;
    line = trim(line.substr(1));
    if (!line.empty() && line.front() == '"') {
        auto text = takeQuoted(line);
        if (!text || !trim(line).empty())
            return std::nullopt;
        return RegistryEntry{*name, *text};
    }
    constexpr std::string_view kDword = "dword:";
    if (line.size() < kDword.size() || !equalsIgnoreCase(line.substr(0, kDword.size()), kDword))
        return std::nullopt;
    const auto number = parseDword(line.substr(kDword.size()));
    if (!number)
        return std::nullopt;
    return RegistryEntry{*name, *number};
}

std::string quoted(std::string_view s)
{
    std::string out = "\"";
    for (const char c : s) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '"': out += "\\\""; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        default: out += c;
        }
    }
    out += '"';
    return out;
}

// Works on const and mutable data alike.
template <typename Data>
auto findKey(Data& data, std::string_view key) -> decltype(&data.keys.front())
{
    auto it = std::find_if(data.keys.begin(), data.keys.end(),
                           [&](const RegistryKey& k) { return equalsIgnoreCase(k.name, key); });
    return it == data.keys.end() ? nullptr : &*it;
}

} // namespace

RegistryData parseRegistryText(std::string_view text)
{
    RegistryData data;
    RegistryKey* current = nullptr;
    while (!text.empty()) {
        const std::size_t eol = text.find('\n');
        const std::string_view raw = text.substr(0, eol);
        text.remove_prefix(eol == std::string_view::npos ? text.size() : eol + 1);
        const std::string_view line = trim(raw);
        if (line.empty() || line.front() == ';')
            continue;
        if (line.front() == '[' && line.back() == ']' && line.size() > 2) {
            const std::string_view name = line.substr(1, line.size() - 2);
            current = findKey(data, name);
            if (!current)
                current = &data.keys.emplace_back(RegistryKey{std::string(name), {}});
            continue;
        }
        auto entry = line.front() == '"' && current ? parseValueLine(line) : std::nullopt;
        if (entry)
            setRegistryValue(data, current->name, entry->name, std::move(entry->value));
        else
            data.unreadLines.emplace_back(trim(raw));
    }
    return data;
}

std::string formatRegistryText(const RegistryData& data)
{
    std::string out = "; Pictra settings store\n";
    for (const RegistryKey& key : data.keys) {
        out += "\n[" + key.name + "]\n";
        for (const RegistryEntry& e : key.entries) {
            out += quoted(e.name) + "=";
            if (const auto* s = std::get_if<std::string>(&e.value)) {
                out += quoted(*s);
            } else {
                char hex[16];
                std::snprintf(hex, sizeof hex, "dword:%08x", std::get<std::uint32_t>(e.value));
                out += hex;
            }
            out += '\n';
        }
    }
    if (!data.unreadLines.empty()) {
        out += "\n; lines that could not be read are kept below\n";
        for (const std::string& line : data.unreadLines)
            out += line + '\n';
    }
    return out;
}

const RegistryValue* findRegistryValue(const RegistryData& data, std::string_view key, std::string_view name)
{
    const RegistryKey* k = findKey(data, key);
    if (!k)
        return nullptr;
    for (const RegistryEntry& e : k->entries) {
        if (equalsIgnoreCase(e.name, name))
            return &e.value;
    }
    return nullptr;
}

void setRegistryValue(RegistryData& data, std::string_view key, std::string_view name, RegistryValue value)
{
    RegistryKey* k = findKey(data, key);
    if (!k)
        k = &data.keys.emplace_back(RegistryKey{std::string(key), {}});
    for (RegistryEntry& e : k->entries) {
        if (equalsIgnoreCase(e.name, name)) {
            e.value = std::move(value);
            return;
        }
    }
    k->entries.push_back(RegistryEntry{std::string(name), std::move(value)});
}

bool deleteRegistryValue(RegistryData& data, std::string_view key, std::string_view name)
{
    RegistryKey* k = findKey(data, key);
    if (!k)
        return false;
    const auto it = std::find_if(k->entries.begin(), k->entries.end(),
                                 [&](const RegistryEntry& e) { return equalsIgnoreCase(e.name, name); });
    if (it == k->entries.end())
        return false;
    k->entries.erase(it);
    return true;
}

} // namespace pictra
