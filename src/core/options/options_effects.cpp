// Changes of a confirmed options sheet that the running program applies.
#include "core/options/options_effects.h"

namespace pictra {

OptionsEffects optionsEffects(const WorkModeSettings& before, const WorkModeSettings& after)
{
    OptionsEffects e;
    e.imageBuffer = before.imageBufferMb != after.imageBufferMb;
    e.pageLayout = before.columns != after.columns || before.rows != after.rows || before.gapX != after.gapX ||
                   before.gapY != after.gapY || (before.thumbnailQuality != 0) != (after.thumbnailQuality != 0);
    e.slideInterval = before.slideIntervalMs != after.slideIntervalMs;
    return e;
}

} // namespace pictra
