// Paper, orientation and margin of the DTP sheet.
#include "core/print/dtp_setup.h"

#include "core/print/paper_table.h"
#include "core/print/print_defaults_paper.h"
#include "core/settings/work_mode_settings.h"

#include <algorithm>
#include <utility>

namespace pictra {
namespace {

bool leavesSheet(int width, int height, int margin) { return margin >= 0 && width > margin && height > margin; }

} // namespace

bool DtpSetup::freeSize() const { return paper == kFreeSizePaper; }

DtpSetup openDtpSetup(const PrintSettings& defaults)
{
    DtpSetup s;
    s.paperWidth = 297;
    s.paperHeight = 210;
    if (const PaperSize* a4 = findPaper("A4")) {
        s.paperWidth = a4->longSide;
        s.paperHeight = a4->shortSide;
    }
    s.margin = leavesSheet(s.paperWidth, s.paperHeight, defaults.margin) ? defaults.margin : 0;
    return s;
}

bool chooseDtpPaper(DtpSetup& s, std::string_view name)
{
    if (std::find(kDtpPapers.begin(), kDtpPapers.end(), name) == kDtpPapers.end())
        return false;
    const PaperSize* paper = findPaper(name);
    if (!paper)
        return false;
    int w = s.paperWidth;
    int h = s.paperHeight;
    if (name != kFreeSizePaper) {
        w = paper->longSide;
        h = paper->shortSide;
        if (s.orientation == SheetOrientation::Portrait)
            std::swap(w, h);
    }
    if (!leavesSheet(w, h, s.margin))
        return false;
    s.paper = std::string(name);
    s.paperWidth = w;
    s.paperHeight = h;
    return true;
}

bool setDtpOrientation(DtpSetup& s, SheetOrientation orientation)
{
    if (s.orientation == orientation)
        return false;
    s.orientation = orientation;
    std::swap(s.paperWidth, s.paperHeight);
    return true;
}

bool setDtpMargin(DtpSetup& s, int margin)
{
    if (!leavesSheet(s.paperWidth, s.paperHeight, margin))
        return false;
    s.margin = margin;
    return true;
}

bool setDtpFreeSize(DtpSetup& s, int width, int height)
{
    if (!s.freeSize() || !leavesSheet(width, height, s.margin) || width > kMaxFreePaperSideMm ||
        height > kMaxFreePaperSideMm)
        return false;
    s.paperWidth = width;
    s.paperHeight = height;
    return true;
}

} // namespace pictra
