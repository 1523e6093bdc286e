// The installation record on arbitrary bytes: what is accepted writes back
// and reads again as the same record.
#include "core/setup/install_manifest.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    auto manifest = pictra::parseManifest(text);
    if (!manifest)
        return 0;
    auto again = pictra::parseManifest(pictra::formatManifest(*manifest));
    if (!again || !(*again == *manifest))
        __builtin_trap();
    return 0;
}
