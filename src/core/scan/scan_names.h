// Names of scanned files. One name stem per import session ("ABM" + tick
// count); pictures are named stem_N with N rising over the session and never
// reusing a name that a file (or an image of the album) already has.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace pictra {

enum class ScanFileType {
    Jpg,
    Bmp,
};

// "jpg" or "bmp": the extension and the list's "属性" column.
std::string_view scanExtension(ScanFileType type);

// "ABM" followed by the tick count in decimal.
std::string scanStem(std::uint32_t tick);

// stem + "_" + number.
std::string scanName(std::string_view stem, int number);

// The first number from `from` on whose name `taken` refuses. `taken`
// is asked about names (without folder or extension).
int firstFreeScanNumber(std::string_view stem, int from, const std::function<bool(const std::string&)>& taken);

// The temporary file of one acquired picture: "twain_" + stem + "_" + k + ".bmp".
std::string scanTempName(std::string_view stem, int k);

} // namespace pictra
