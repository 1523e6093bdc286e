// Marker names as the decoder's segment walk reports them.
#include "core/codecs/jpeg/jpeg_markers.h"

namespace pictra::jpeg {

std::string markerName(std::uint8_t code)
{
    const auto numbered = [](const char* prefix, int n) { return std::string(prefix) + std::to_string(n); };
    if (code >= 0xC0 && code <= 0xCF) {
        switch (code) {
        case 0xC4: return "DHT";
        case 0xC8: return "JPG";
        case 0xCC: return "DAC";
        default: return numbered("SOF", code - 0xC0);
        }
    }
    if (isRestart(code))
        return numbered("RST", code - kRst0);
    if (code >= 0xE0 && code <= 0xEF)
        return numbered("APP", code - 0xE0);
    if (code >= 0xF0 && code <= 0xFD) {
        const int n = code - 0xF0;
        return n < 10 ? numbered("JPG", n) : std::string("JPG") + static_cast<char>('A' + n - 10);
    }
    switch (code) {
    case 0xD8: return "SOI";
    case 0xD9: return "EOI";
    case 0xDA: return "SOS";
    case 0xDB: return "DQT";
    case 0xDC: return "DNL";
    case 0xDD: return "DRI";
    case 0xDE: return "DHP";
    case 0xDF: return "EXP";
    case 0xFE: return "COM";
    case 0x01: return "TEM";
    case 0x02:
    case 0xBF: return "RES";
    default: return "";
    }
}

std::string readMarker(ByteSpan data, std::size_t pos)
{
    if (pos >= data.size() || data.size() - pos < 2 || data[pos] != kMarkerPrefix)
        return "";
    return markerName(data[pos + 1]);
}

} // namespace pictra::jpeg
