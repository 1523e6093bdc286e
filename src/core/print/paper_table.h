// The paper table of the print dialogs: each paper's name as the combo boxes
// show it and its long and short side in millimetres, in combo-box order.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace pictra {

struct PrintSettings;

struct PaperSize {
    std::string_view name; // UTF-8, exactly as listed
    int longSide = 0;      // mm
    int shortSide = 0;     // mm
};

// The free size has no sizes of its own: the user types width and height.
inline constexpr std::string_view kFreeSizePaper = "FREEｻｲｽﾞ";

// All rows, "A0" first and "FREEｻｲｽﾞ" last.
std::span<const PaperSize> paperTable();

// The row named exactly `name` (byte-wise), or nullptr.
const PaperSize* findPaper(std::string_view name);

// The stored paper name of the print defaults (CP932) as UTF-8.
std::string storedPaperName(const PrintSettings& settings);

} // namespace pictra
