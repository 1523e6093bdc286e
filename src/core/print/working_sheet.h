// The working sheet of a print dialog: paper, orientation, margin, offsets
// and the image grid. Made from the stored print defaults when a dialog
// opens and never written back. All lengths are whole millimetres.
#pragma once

#include "core/settings/settings_sanitize.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace pictra {

struct PrintSettings;

enum class SheetOrientation : std::uint8_t { Landscape = 0, Portrait = 1 }; // "横向き", "縦向き"

// A print grid holds at most this many cells in all (the preview's cell
// table); kMaxImagesAcross bounds each side.
inline constexpr int kMaxPreviewCells = 500;

struct WorkingSheet {
    std::string paper;     // UTF-8 name; may be one the table does not hold
    int width = 0;         // W: paper width in force, margin taken off once
    int height = 0;        // H
    SheetOrientation orientation = SheetOrientation::Landscape;
    int margin = 0;        // m
    int offsetLeft = 0;    // offL: inset of the image frame from each side edge
    int offsetTop = 0;     // offT: inset from the top and the bottom edge
    int across = 1;        // a
    int down = 1;          // d
    int gapX = 0;          // between columns
    int gapY = 0;          // between rows
    bool several = false;  // several images per sheet

    int cellsPerSheet() const { return several ? across * down : 1; }
    friend bool operator==(const WorkingSheet&, const WorkingSheet&) = default;
};

// The sheet a print dialog opens with: W and H are the stored paper minus the
// margin, always landscape; across and down take the stored low bytes.
WorkingSheet sheetFromSettings(const PrintSettings& settings);

// Choosing a paper: a table paper sets W and H from its sides (long side
// across when landscape) minus the margin; the free size, or a name the table
// does not hold, keeps the numbers in force. The name is recorded either way.
void choosePaper(WorkingSheet& sheet, std::string_view name);

bool isFreeSize(const WorkingSheet& sheet);

// A new margin applies to the paper and orientation in force: the paper is
// W + old margin wide, so W becomes that minus the new margin.
void setMargin(WorkingSheet& sheet, int margin);

// Switching orientation swaps W and H; the orientation in force does nothing.
// True when the sheet changed.
bool setOrientation(WorkingSheet& sheet, SheetOrientation orientation);

// What keeps a sheet from being laid out; None when it can be.
enum class LayoutProblem {
    None,
    BadGrid,     // across or down outside 1..255, or more than 500 cells
    BadMargin,   // a margin below zero
    EmptySheet,  // W or H not above zero
    EmptyFrame,  // an offset below zero, or W <= 2 offL or H <= 2 offT
    EmptyCells,  // a gap below zero, or the gaps leave no room for the cells
};

LayoutProblem checkLayout(const WorkingSheet& sheet);

} // namespace pictra
