// The shell's open command arrives over a local socket from any process of
// the user: the parser must take any bytes.
#include "core/commands/open_command.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (const auto path = pictra::parseOpenCommand(text)) {
        if (path->size() >= text.size())
            __builtin_trap();
    }
    return 0;
}
