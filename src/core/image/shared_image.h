// The shared image record's buffers, sized from the image-buffer setting
// (megabytes × 1,000,000 bytes).
#pragma once

#include "core/image/image_record.h"
#include "core/settings/work_mode_settings.h"
#include "core/util/result.h"

#include <cstddef>
#include <memory>

namespace pictra {

// A setting below 1 MB (a missing settings file reads as zero) gives this size.
inline constexpr int kSharedImageFallbackMb = 64;
// The largest buffer we ask for, whatever the setting says.
inline constexpr int kSharedImageMaxMb = 1000;

// The pixel-buffer size the setting asks for, within the bounds above.
std::size_t imageBufferBytes(const WorkModeSettings& settings);

// Makes the shared buffers, or makes them again when the setting changed.
// Nothing happens when they already have the asked size. TooLarge when the
// system cannot give the memory; `shared` is then empty.
Status makeSharedImage(std::unique_ptr<ImageBuffers>& shared, const WorkModeSettings& settings);

} // namespace pictra
