// ICC profiles built from a description of an RGB colour space (primaries,
// white point, tone curve), for files that name their colours by numbers
// (HEIF's nclx, for one) instead of embedding a profile. The result goes to
// convertToSrgb like any embedded profile.
#pragma once

#include <cstdint>
#include <vector>

namespace pictra {

struct Chromaticity {
    double x = 0;
    double y = 0;
};

enum class ToneCurve { Srgb, Linear, Gamma22, Gamma28 };

struct RgbColourSpace {
    Chromaticity red;
    Chromaticity green;
    Chromaticity blue;
    Chromaticity white;
    ToneCurve curve = ToneCurve::Srgb;
};

// Display P3 (the primaries iPhones record in) with the sRGB tone curve.
RgbColourSpace displayP3();

// The ICC profile of the colour space; empty when lcms2 cannot build one
// (primaries that span no colour space, say).
std::vector<std::uint8_t> buildRgbProfile(const RgbColourSpace& space);

} // namespace pictra
