// Registry store text on arbitrary bytes: formatting what was parsed and
// parsing it again settles after one round (nothing is lost or invented).
#include "core/platform/registry_text.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string once = pictra::formatRegistryText(pictra::parseRegistryText(text));
    const std::string twice = pictra::formatRegistryText(pictra::parseRegistryText(once));
    const std::string thrice = pictra::formatRegistryText(pictra::parseRegistryText(twice));
    if (twice != thrice)
        __builtin_trap();
    return 0;
}
