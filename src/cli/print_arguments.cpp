// Argument values of the print commands.
#include "print_arguments.h"

#include <charconv>

namespace pictra::cli {

std::optional<int> argNumber(std::string_view text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<SheetOrientation> argOrientation(std::string_view text)
{
    if (text == "landscape")
        return SheetOrientation::Landscape;
    if (text == "portrait")
        return SheetOrientation::Portrait;
    return std::nullopt;
}

} // namespace pictra::cli
