// What a confirmed options sheet must change in the running program besides
// the settings file: the shared image buffer, the album pages, the slide timer.
#pragma once

#include "core/settings/work_mode_settings.h"

namespace pictra {

struct OptionsEffects {
    bool imageBuffer = false;   // the image-buffer size changed
    bool pageLayout = false;    // columns, rows, frame gaps or the thumbnail source changed
    bool slideInterval = false; // the slide-show timer needs the new period
    friend bool operator==(const OptionsEffects&, const OptionsEffects&) = default;
};

OptionsEffects optionsEffects(const WorkModeSettings& before, const WorkModeSettings& after);

} // namespace pictra
