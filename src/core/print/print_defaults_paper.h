// The paper of the stored print defaults, as the options sheet's print page
// chooses it: no orientation and no margin are applied here.
#pragma once

#include "core/settings/work_mode_settings.h"

#include <string_view>

namespace pictra {

// The free size's sides, mm, at most (the largest table paper is 1200 long).
inline constexpr int kMaxFreePaperSideMm = 10'000;

// Stores the paper name (UTF-8, one of the paper table's names) and, for a
// table paper, its long side as the width and its short side as the height.
// The free size keeps the width and height in force. Returns false, storing
// nothing, for a name the table does not hold.
bool choosePrintDefaultsPaper(PrintSettings& settings, std::string_view name);

// True when the stored paper is the free size (its sizes are typed).
bool printDefaultsFreeSize(const PrintSettings& settings);

} // namespace pictra
