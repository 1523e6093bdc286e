// Argument values the print commands share.
#pragma once

#include "core/print/working_sheet.h"

#include <optional>
#include <string_view>

namespace pictra::cli {

// The whole argument as a number ("12"); nullopt for "12mm", "", "x".
std::optional<int> argNumber(std::string_view text);

// "landscape" or "portrait".
std::optional<SheetOrientation> argOrientation(std::string_view text);

} // namespace pictra::cli
