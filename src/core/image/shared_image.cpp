// Making and re-making the shared image buffers.
#include "core/image/shared_image.h"

#include <algorithm>
#include <new>

namespace pictra {

std::size_t imageBufferBytes(const WorkModeSettings& settings)
{
    const int mb = settings.imageBufferMb < 1 ? kSharedImageFallbackMb
                                              : std::min(settings.imageBufferMb, kSharedImageMaxMb);
    return static_cast<std::size_t>(mb) * 1'000'000;
}

Status makeSharedImage(std::unique_ptr<ImageBuffers>& shared, const WorkModeSettings& settings)
{
    const std::size_t bytes = imageBufferBytes(settings);
    if (shared && shared->capacity() == bytes)
        return Status::Ok;
    shared.reset(); // free the old buffer before asking for the new one
    try {
        shared = std::make_unique<ImageBuffers>(bytes);
    } catch (const std::bad_alloc&) {
        return Status::TooLarge;
    }
    return Status::Ok;
}

} // namespace pictra
