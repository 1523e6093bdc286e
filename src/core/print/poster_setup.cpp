// Poster and sheet papers, orientations and margin.
#include "core/print/poster_setup.h"

#include "core/print/paper_table.h"

#include <algorithm>
#include <tuple>
#include <utility>

namespace pictra {
namespace {

template <std::size_t N>
const PaperSize* listedPaper(const std::array<std::string_view, N>& list, std::string_view name)
{
    if (std::find(list.begin(), list.end(), name) == list.end())
        return nullptr;
    return findPaper(name);
}

// Width and height of a paper of the lists with an orientation, minus `margin`.
std::pair<int, int> paperSize(std::string_view name, SheetOrientation orientation, int margin)
{
    const PaperSize* paper = findPaper(name);
    int w = paper ? paper->longSide : 0;
    int h = paper ? paper->shortSide : 0;
    if (orientation == SheetOrientation::Portrait)
        std::swap(w, h);
    return {w - margin, h - margin};
}

void applySizes(PosterSetup& s)
{
    std::tie(s.posterWidth, s.posterHeight) = paperSize(s.poster, s.posterOrientation, s.margin);
    std::tie(s.sheetWidth, s.sheetHeight) = paperSize(s.sheet, s.sheetOrientation, s.margin);
}

bool leavesSheet(const PosterSetup& s, int margin)
{
    const auto [w, h] = paperSize(s.sheet, s.sheetOrientation, margin);
    return margin >= 0 && w > 0 && h > 0;
}

} // namespace

PosterSetup openPosterSetup(int margin)
{
    PosterSetup s;
    s.margin = leavesSheet(s, margin) ? margin : 0;
    applySizes(s);
    return s;
}

bool choosePosterPaper(PosterSetup& s, std::string_view name)
{
    const PaperSize* paper = listedPaper(kPosterPapers, name);
    if (!paper || !(s.sheetWidth < paper->longSide && s.sheetHeight < paper->shortSide))
        return false;
    s.poster = std::string(name);
    applySizes(s);
    return true;
}

bool chooseSheetPaper(PosterSetup& s, std::string_view name)
{
    const PaperSize* paper = listedPaper(kPosterSheetPapers, name);
    if (!paper || !(paper->longSide < s.posterWidth && paper->shortSide < s.posterHeight))
        return false;
    PosterSetup chosen = s;
    chosen.sheet = std::string(name);
    if (!leavesSheet(chosen, s.margin))
        return false; // the margin would leave nothing of the smaller sheet
    s.sheet = std::string(name);
    applySizes(s);
    return true;
}

bool setPosterOrientation(PosterSetup& s, SheetOrientation orientation)
{
    if (s.posterOrientation == orientation)
        return false;
    s.posterOrientation = orientation;
    applySizes(s);
    return true;
}

bool setSheetOrientation(PosterSetup& s, SheetOrientation orientation)
{
    if (s.sheetOrientation == orientation)
        return false;
    s.sheetOrientation = orientation;
    applySizes(s);
    return true;
}

bool setPosterMargin(PosterSetup& s, int margin)
{
    if (!leavesSheet(s, margin))
        return false;
    s.margin = margin;
    applySizes(s);
    return true;
}

PosterGrid posterGrid(const PosterSetup& s)
{
    if (s.sheetWidth <= 0 || s.sheetHeight <= 0 || s.posterWidth <= 0 || s.posterHeight <= 0)
        return {};
    return {(s.posterWidth + s.sheetWidth - 1) / s.sheetWidth, (s.posterHeight + s.sheetHeight - 1) / s.sheetHeight};
}

} // namespace pictra
