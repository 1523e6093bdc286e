// Range rules for stored settings.
#include "core/settings/settings_sanitize.h"

#include "core/settings/settings_file.h"
#include "core/util/fixed_text.h"

namespace pictra {
namespace {

template <typename T>
void keepInRange(T& value, int low, int high, T fallback)
{
    if (value < low || value > high)
        value = fallback;
}

void sanitizePrint(PrintSettings& p, const PrintSettings& d)
{
    if (fieldText(p.paper).empty()) {
        p.paper = d.paper;
        p.paperWidth = d.paperWidth;
        p.paperHeight = d.paperHeight;
    }
    keepInRange(p.imagesAcross, 1, kMaxImagesAcross, d.imagesAcross);
    keepInRange(p.imagesDown, 1, kMaxImagesAcross, d.imagesDown);
}

} // namespace

bool layoutFits(int columns, int rows)
{
    return columns >= 1 && rows >= 1 && columns <= kMaxLayoutSide && rows <= kMaxLayoutSide &&
           columns * rows <= kMaxPageCells;
}

WorkModeSettings sanitizeSettings(const WorkModeSettings& stored)
{
    const WorkModeSettings d = defaultWorkModeSettings();
    WorkModeSettings s = stored;
    keepInRange(s.slideIntervalMs, kMinSlideIntervalMs, kMaxSlideIntervalMs, d.slideIntervalMs);
    keepInRange(s.recentCount, 0, kMaxRecentMenuItems, d.recentCount);
    keepInRange(s.tipDelayMs, 0, kMaxTipDelayMs, d.tipDelayMs);
    keepInRange(s.imageBufferMb, 1, kMaxImageBufferMb, d.imageBufferMb);
    if (s.imageBufferMb == kOldShippedImageBufferMb)
        s.imageBufferMb = d.imageBufferMb;
    if (!layoutFits(s.columns, s.rows)) {
        s.columns = d.columns;
        s.rows = d.rows;
    }
    keepInRange(s.gapX, 0, kMaxFrameGap, d.gapX);
    keepInRange(s.gapY, 0, kMaxFrameGap, d.gapY);
    keepInRange(s.jpegCoding, 1, 2, d.jpegCoding);
    keepInRange(s.jpegQuality, 1, 100, d.jpegQuality);
    keepInRange(s.jpegSampling, 1, 3, d.jpegSampling);
    sanitizePrint(s.print, d.print);
    return s;
}

} // namespace pictra
