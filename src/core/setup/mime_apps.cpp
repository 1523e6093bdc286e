// Editing the [Default Applications] section of mimeapps.list.
#include "core/setup/mime_apps.h"

#include <vector>

namespace pictra {
namespace {

constexpr std::string_view kSection = "[Default Applications]";

std::vector<std::string> linesOf(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::string joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

bool isSectionHeader(std::string_view line) { return !line.empty() && line.front() == '['; }

// The index of the key's line inside the section, or -1; `sectionEnd` is
// where a new key would go (-1 when there is no such section).
int findKey(const std::vector<std::string>& lines, std::string_view key, int& sectionEnd)
{
    sectionEnd = -1;
    int found = -1;
    bool inSection = false;
    for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
        const std::string& line = lines[i];
        if (isSectionHeader(line)) {
            if (inSection)
                return found;
            inSection = line == kSection;
            if (inSection)
                sectionEnd = i + 1;
            continue;
        }
        if (!inSection)
            continue;
        if (!line.empty())
            sectionEnd = i + 1;
        const std::size_t eq = line.find('=');
        if (eq != std::string::npos && std::string_view(line).substr(0, eq) == key)
            found = i;
    }
    return found;
}

} // namespace

std::string withDefaultApplication(std::string_view text, std::string_view mimeType, std::string_view desktopId)
{
    std::vector<std::string> lines = linesOf(text);
    const std::string entry = std::string(mimeType) + "=" + std::string(desktopId) + ";";
    int sectionEnd = -1;
    const int at = findKey(lines, mimeType, sectionEnd);
    if (at >= 0) {
        lines[at] = entry;
    } else if (sectionEnd >= 0) {
        lines.insert(lines.begin() + sectionEnd, entry);
    } else {
        if (!lines.empty() && !lines.back().empty())
            lines.emplace_back();
        lines.emplace_back(kSection);
        lines.push_back(entry);
    }
    return joined(lines);
}

std::string withoutDefaultApplication(std::string_view text, std::string_view mimeType, std::string_view desktopId)
{
    std::vector<std::string> lines = linesOf(text);
    int sectionEnd = -1;
    const int at = findKey(lines, mimeType, sectionEnd);
    if (at < 0)
        return std::string(text);
    const std::string& line = lines[at];
    const std::string_view value = std::string_view(line).substr(mimeType.size() + 1);
    if (value != desktopId && value != std::string(desktopId) + ";")
        return std::string(text);
    lines.erase(lines.begin() + at);
    return joined(lines);
}

} // namespace pictra
