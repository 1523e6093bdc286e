// Fuzz target: the enlarged view's zoom stack file reader.
#include "core/tools/zoom_stack.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto levels = pictra::parseZoomStack(pictra::ByteSpan(data, size));
    if (levels)
        (void)pictra::serializeZoomStack(*levels);
    return 0;
}
