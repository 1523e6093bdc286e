// The sheet of a DTP print: a paper of the table (or a free size typed by
// the user), its orientation and the margin. Lives only while the DTP
// dialog is open; the stored print defaults give the margin and the free
// size's first numbers.
#pragma once

#include "core/print/working_sheet.h"

#include <array>
#include <string>
#include <string_view>

namespace pictra {

struct PrintSettings;

inline constexpr std::array<std::string_view, 12> kDtpPapers = {"A0", "A1", "A2", "A3", "A4", "A5",
                                                                "A6", "B3", "B4", "B5", "B6", "FREEｻｲｽﾞ"};

struct DtpSetup {
    std::string paper = "A4";
    SheetOrientation orientation = SheetOrientation::Landscape;
    int margin = 0;
    // The paper in force as shown, mm: across and down with the orientation,
    // before the margin (a free size's typed numbers).
    int paperWidth = 0;
    int paperHeight = 0;
    // The sheet the page is laid out on: the paper minus the margin.
    int width() const { return paperWidth - margin; }
    int height() const { return paperHeight - margin; }
    bool freeSize() const;
    friend bool operator==(const DtpSetup&, const DtpSetup&) = default;
};

// "A4" landscape with the stored margin (0 when it would leave no sheet).
DtpSetup openDtpSetup(const PrintSettings& defaults);

// A table paper takes its sides; the free size keeps the numbers in force
// (then typed with setDtpFreeSize). False for a name outside the list, or
// a paper the margin would leave nothing of.
bool chooseDtpPaper(DtpSetup& setup, std::string_view name);
// Swaps width and height; false when that orientation is already in force.
bool setDtpOrientation(DtpSetup& setup, SheetOrientation orientation);
// False (nothing changes) for a negative margin or one that leaves no sheet.
bool setDtpMargin(DtpSetup& setup, int margin);
// The typed size of the free paper, across and down as shown. False when
// the paper is not the free size, nothing would be left of the sheet, or a
// side is above kMaxFreePaperSideMm.
bool setDtpFreeSize(DtpSetup& setup, int width, int height);

} // namespace pictra
