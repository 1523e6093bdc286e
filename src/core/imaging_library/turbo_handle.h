// Owning handles for libjpeg-turbo's TurboJPEG API. A handle that once failed
// can keep failing on later valid input, so every call makes a fresh one.
#pragma once

#include <turbojpeg.h>

#include <memory>

namespace pictra {

struct TurboHandleDestroy {
    void operator()(void* handle) const { tjDestroy(handle); }
};
using TurboHandle = std::unique_ptr<void, TurboHandleDestroy>;

struct TurboBufferFree {
    void operator()(unsigned char* buffer) const { tjFree(buffer); }
};
using TurboBuffer = std::unique_ptr<unsigned char, TurboBufferFree>;

} // namespace pictra
