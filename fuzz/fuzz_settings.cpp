// Settings block on arbitrary bytes: reading then writing gives back the
// first 205 bytes (zero-filled when short), and sanitised values are usable.
#include "core/settings/settings_file.h"
#include "core/settings/settings_sanitize.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto stored = pictra::decodeSettings(pictra::ByteSpan(data, size));
    const auto bytes = pictra::encodeSettings(stored);
    if (bytes.size() != pictra::kWorkModeSettingsBytes)
        __builtin_trap();
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != (i < size ? data[i] : 0))
            __builtin_trap();
    }
    const auto s = pictra::sanitizeSettings(stored);
    if (!pictra::layoutFits(s.columns, s.rows) || s.slideIntervalMs <= 0 || s.imageBufferMb < 1 ||
        s.imageBufferMb > pictra::kMaxImageBufferMb || s.jpegQuality < 1 || s.jpegQuality > 100 ||
        s.recentCount < 0 || s.recentCount > pictra::kMaxRecentMenuItems)
        __builtin_trap();
    return 0;
}
