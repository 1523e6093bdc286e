#include "core/print/printer_paper.h"

#include "core/print/paper_table.h"
#include "core/util/rounding.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace pictra {
namespace {

bool sameSides(double shortA, double longA, double shortB, double longB)
{
    return std::abs(shortA - shortB) <= kMediaToleranceMm && std::abs(longA - longB) <= kMediaToleranceMm;
}

bool sameSize(double widthA, double heightA, double widthB, double heightB)
{
    return std::abs(widthA - widthB) <= kMediaToleranceMm && std::abs(heightA - heightB) <= kMediaToleranceMm;
}

// The table paper of that size among `names` (all table papers when empty).
std::optional<std::string_view> tablePaperOfSize(double width, double height, std::span<const std::string_view> names)
{
    const double shortSide = std::min(width, height);
    const double longSide = std::max(width, height);
    for (const PaperSize& paper : paperTable()) {
        if (paper.name == kFreeSizePaper)
            continue;
        if (!names.empty() && std::find(names.begin(), names.end(), paper.name) == names.end())
            continue;
        if (sameSides(shortSide, longSide, paper.shortSide, paper.longSide))
            return paper.name;
    }
    return std::nullopt;
}

SheetOrientation orientationOf(double width, double height, SheetOrientation square)
{
    if (width > height)
        return SheetOrientation::Landscape;
    return width < height ? SheetOrientation::Portrait : square;
}

} // namespace

PrinterPage printerPage(const WorkingSheet& sheet)
{
    const double width = static_cast<double>(sheet.width) + sheet.margin;
    const double height = static_cast<double>(sheet.height) + sheet.margin;
    PrinterPage page;
    page.paper = sheet.paper;
    page.shortSide = std::min(width, height);
    page.longSide = std::max(width, height);
    page.orientation = width > height ? SheetOrientation::Landscape : SheetOrientation::Portrait;
    return page;
}

std::optional<std::size_t> matchingMedia(const PrinterPage& page, std::span<const MediaSize> media)
{
    std::optional<std::size_t> best;
    double bestDistance = 0;
    for (std::size_t i = 0; i < media.size(); ++i) {
        const MediaSize& m = media[i];
        if (!sameSides(page.shortSide, page.longSide, m.shortSide, m.longSide))
            continue;
        const double distance = std::abs(page.shortSide - m.shortSide) + std::abs(page.longSide - m.longSide);
        if (!best || distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

bool samePage(const WorkingSheet& sheet, double width, double height)
{
    const PrinterPage page = printerPage(sheet);
    return sameSize(page.width(), page.height(), width, height);
}

bool takeOverPage(WorkingSheet& sheet, double width, double height)
{
    if (samePage(sheet, width, height))
        return false;
    const int w = roundHalfAway(width);
    const int h = roundHalfAway(height);
    if (w - sheet.margin <= 0 || h - sheet.margin <= 0)
        return false;
    WorkingSheet taken = sheet;
    taken.orientation = orientationOf(width, height, sheet.orientation);
    if (const auto name = tablePaperOfSize(width, height, {})) {
        choosePaper(taken, *name);
    } else {
        taken.paper = std::string(kFreeSizePaper);
        taken.width = w - sheet.margin;
        taken.height = h - sheet.margin;
    }
    sheet = taken;
    return true;
}

bool takeOverDtpPage(DtpSetup& setup, double width, double height)
{
    if (sameSize(setup.paperWidth, setup.paperHeight, width, height))
        return false;
    DtpSetup taken = setup;
    // The orientation only swaps the sides in force; the paper chosen below sets them.
    setDtpOrientation(taken, orientationOf(width, height, setup.orientation));
    const auto name = tablePaperOfSize(width, height, kDtpPapers);
    const bool chosen = name ? chooseDtpPaper(taken, *name)
                             : chooseDtpPaper(taken, kFreeSizePaper) &&
                                   setDtpFreeSize(taken, roundHalfAway(width), roundHalfAway(height));
    if (!chosen)
        return false;
    setup = taken;
    return true;
}

bool takeOverPosterSheet(PosterSetup& setup, double width, double height)
{
    if (sameSize(setup.sheetWidth + setup.margin, setup.sheetHeight + setup.margin, width, height))
        return false;
    const auto name = tablePaperOfSize(width, height, kPosterSheetPapers);
    if (!name)
        return false;
    PosterSetup taken = setup;
    setSheetOrientation(taken, orientationOf(width, height, setup.sheetOrientation));
    if (!chooseSheetPaper(taken, *name))
        return false;
    setup = taken;
    return true;
}

WorkingSheet posterPrinterSheet(const PosterSetup& setup)
{
    WorkingSheet sheet;
    sheet.paper = setup.sheet;
    sheet.width = setup.sheetWidth;
    sheet.height = setup.sheetHeight;
    sheet.margin = setup.margin;
    sheet.orientation = setup.sheetOrientation;
    return sheet;
}

} // namespace pictra
