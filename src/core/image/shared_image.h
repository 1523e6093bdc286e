// The shared image record's buffers, capped by the image-buffer setting
// (megabytes × 1,000,000 bytes). The pixel buffer starts empty and grows to
// the picture it is given.
#pragma once

#include "core/image/image_record.h"
#include "core/settings/work_mode_settings.h"
#include "core/util/result.h"

#include <cstddef>
#include <memory>

namespace pictra {

// A setting below 1 MB (a missing settings file reads as zero) gives this cap.
inline constexpr int kSharedImageFallbackMb = 64;

// The pixel-buffer cap the setting asks for, within the bounds above and the
// settings' own limit.
std::size_t imageBufferBytes(const WorkModeSettings& settings);

// Makes the shared buffers, or gives them the new cap when the setting
// changed. Asks for no memory: the buffer grows only when a picture needs
// it, and a load the system cannot give the memory for fails with TooLarge.
void makeSharedImage(std::unique_ptr<ImageBuffers>& shared, const WorkModeSettings& settings);

} // namespace pictra
