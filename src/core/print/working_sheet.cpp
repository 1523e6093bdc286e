#include "core/print/working_sheet.h"

#include "core/print/paper_table.h"
#include "core/settings/work_mode_settings.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace pictra {

WorkingSheet sheetFromSettings(const PrintSettings& settings)
{
    WorkingSheet sheet;
    sheet.paper = storedPaperName(settings);
    sheet.margin = settings.margin;
    sheet.width = settings.paperWidth - sheet.margin;
    sheet.height = settings.paperHeight - sheet.margin;
    sheet.orientation = SheetOrientation::Landscape;
    sheet.offsetLeft = settings.leftOffset;
    sheet.offsetTop = settings.topOffset;
    sheet.across = settings.imagesAcross & 0xFF;
    sheet.down = settings.imagesDown & 0xFF;
    sheet.gapX = settings.gapX;
    sheet.gapY = settings.gapY;
    sheet.several = settings.allowSeveral != 0;
    return sheet;
}

void choosePaper(WorkingSheet& sheet, std::string_view name)
{
    sheet.paper = std::string(name);
    const PaperSize* paper = findPaper(name);
    if (!paper || name == kFreeSizePaper)
        return;
    sheet.width = paper->longSide;
    sheet.height = paper->shortSide;
    if (sheet.orientation == SheetOrientation::Portrait)
        std::swap(sheet.width, sheet.height);
    sheet.width -= sheet.margin;
    sheet.height -= sheet.margin;
}

bool isFreeSize(const WorkingSheet& sheet)
{
    return sheet.paper == kFreeSizePaper;
}

namespace {

int saturated(long long v)
{
    return static_cast<int>(std::clamp<long long>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

} // namespace

void setMargin(WorkingSheet& sheet, int margin)
{
    const long long change = static_cast<long long>(sheet.margin) - margin;
    sheet.width = saturated(sheet.width + change);
    sheet.height = saturated(sheet.height + change);
    sheet.margin = margin;
}

bool setOrientation(WorkingSheet& sheet, SheetOrientation orientation)
{
    if (sheet.orientation == orientation)
        return false;
    std::swap(sheet.width, sheet.height);
    sheet.orientation = orientation;
    return true;
}

LayoutProblem checkLayout(const WorkingSheet& sheet)
{
    if (sheet.several) {
        const bool inRange = sheet.across >= 1 && sheet.across <= kMaxImagesAcross && sheet.down >= 1
                             && sheet.down <= kMaxImagesAcross;
        if (!inRange || sheet.across * sheet.down > kMaxPreviewCells)
            return LayoutProblem::BadGrid;
    }
    if (sheet.margin < 0)
        return LayoutProblem::BadMargin;
    if (sheet.width <= 0 || sheet.height <= 0)
        return LayoutProblem::EmptySheet;
    // Compared in 64 bits: the numbers come straight from edit boxes.
    const auto frameWidth = static_cast<long long>(sheet.width) - 2LL * sheet.offsetLeft;
    const auto frameHeight = static_cast<long long>(sheet.height) - 2LL * sheet.offsetTop;
    if (sheet.offsetLeft < 0 || sheet.offsetTop < 0 || frameWidth <= 0 || frameHeight <= 0)
        return LayoutProblem::EmptyFrame;
    if (sheet.several) {
        if (sheet.gapX < 0 || sheet.gapY < 0)
            return LayoutProblem::EmptyCells;
        if (frameWidth - static_cast<long long>(sheet.across - 1) * sheet.gapX <= 0
            || frameHeight - static_cast<long long>(sheet.down - 1) * sheet.gapY <= 0)
            return LayoutProblem::EmptyCells;
    }
    return LayoutProblem::None;
}

} // namespace pictra
