// Making the shared image buffers and re-capping them.
#include "core/image/shared_image.h"

#include "core/settings/settings_sanitize.h"

#include <algorithm>

namespace pictra {

std::size_t imageBufferBytes(const WorkModeSettings& settings)
{
    const int mb = settings.imageBufferMb < 1 ? kSharedImageFallbackMb
                                              : std::min(settings.imageBufferMb, kMaxImageBufferMb);
    return static_cast<std::size_t>(mb) * 1'000'000;
}

void makeSharedImage(std::unique_ptr<ImageBuffers>& shared, const WorkModeSettings& settings)
{
    const std::size_t cap = imageBufferBytes(settings);
    if (shared)
        shared->setCap(cap);
    else
        shared = std::make_unique<ImageBuffers>(0, cap);
}

} // namespace pictra
