// Parsing and making the [open("...")] command text.
#include "core/commands/open_command.h"

#include "core/image/image_format.h"
#include "core/util/paths.h"

namespace pictra {

std::optional<std::string> parseOpenCommand(std::string_view text)
{
    text = text.substr(0, kOpenCommandMaxBytes);
    if (!text.starts_with("[open"))
        return std::nullopt;
    // The first "(" rather than the last: folder names often hold brackets
    // ("Photos (2020)"), and the path between the quotes must stay whole.
    const std::size_t a = text.find('(');
    const std::size_t b = text.rfind(')');
    if (a == std::string_view::npos || b == std::string_view::npos || b < a + 3)
        return std::nullopt;
    // Characters a + 2 .. b - 2: the path without its surrounding quotes.
    std::string path(text.substr(a + 2, b - a - 3));
    // Albums, and the pictures "Open with" hands over.
    if (!endsWithIgnoreCase(path, ".abm") && loadFormatOf(path) == ImageFormat::Unknown)
        return std::nullopt;
    return path;
}

std::string makeOpenCommand(std::string_view albumPath)
{
    std::string text = "[open(\"";
    text += albumPath;
    text += "\")]";
    return text;
}

} // namespace pictra
