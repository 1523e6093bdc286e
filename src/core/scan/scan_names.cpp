// Scanned-file names.
#include "core/scan/scan_names.h"

namespace pictra {

std::string_view scanExtension(ScanFileType type)
{
    return type == ScanFileType::Bmp ? "bmp" : "jpg";
}

std::string scanStem(std::uint32_t tick)
{
    return "ABM" + std::to_string(tick);
}

std::string scanName(std::string_view stem, int number)
{
    return std::string(stem) + "_" + std::to_string(number);
}

int firstFreeScanNumber(std::string_view stem, int from, const std::function<bool(const std::string&)>& taken)
{
    int number = from < 0 ? 0 : from;
    while (taken(scanName(stem, number)))
        ++number;
    return number;
}

std::string scanTempName(std::string_view stem, int k)
{
    return "twain_" + std::string(stem) + "_" + std::to_string(k) + ".bmp";
}

} // namespace pictra
