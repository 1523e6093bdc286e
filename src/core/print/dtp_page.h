// What a DTP page holds: the picture fitted into the sheet and a text in
// character cells of a typed size, written across ("横書き": lines from the
// top) or down ("縦書き": columns from the right, characters from the top).
// Millimetres from the sheet's top-left, y down, unless said otherwise.
#pragma once

#include "core/print/dtp_setup.h"
#include "core/print/paper_layout.h"
#include "core/print/preview_layout.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pictra {

enum class TextDirection { Horizontal, Vertical };

// A sheet for the preview and page geometry (no offsets, one image).
WorkingSheet dtpWorkingSheet(const DtpSetup& setup);

// The picture fitted into the whole sheet, centred, in 0.1 mm with y up
// (the print geometry's fitting); nullopt without a picture.
std::optional<PaperPlacement> dtpPicturePlacement(const DtpSetup& setup, int bw, int bh);

struct VerticalGlyph {
    std::string character; // one UTF-8 character
    RectD cell;            // its cell on the sheet
    bool rotated = false;  // drawn turned a quarter right (long vowel mark, dashes, brackets)
    // Where the upright glyph is drawn, moved right and up from the cell's
    // centre, as shares of the cell: set for the characters whose vertical
    // form sits elsewhere than their horizontal one (、。 move from the
    // bottom-left to the top-right, small kana towards the top-right).
    double shiftRight = 0;
    double shiftUp = 0;
};

struct VerticalText {
    std::vector<VerticalGlyph> glyphs;
    int dropped = 0; // characters that found no room on the sheet
};

// Between columns, and between the text frame and the sheet's edges, as a
// share of the column width.
inline constexpr double kVerticalColumnGap = 0.25;

// Columns charWidth wide, cells charHeight high, right to left from the
// right edge of the text frame: the sheetWidth x sheetHeight sheet less a
// column gap on every side. A line break or a full column starts the next
// column to the left; characters past the frame's left edge are dropped.
// Invalid UTF-8 bytes become U+FFFD.
VerticalText layoutVerticalText(std::string_view utf8, double charWidth, double charHeight, double sheetWidth,
                                double sheetHeight);

} // namespace pictra
