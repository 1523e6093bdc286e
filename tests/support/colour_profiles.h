// ICC profiles made with lcms2 for colour tests, and colour differences
// measured in CIE L*a*b*.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace pictra::test {

// Display P3 (DCI-P3 primaries, D65 white, the sRGB tone curve), as phones embed it.
std::vector<std::uint8_t> displayP3Profile();
// Adobe RGB (1998): its primaries, D65 white, gamma 563/256.
std::vector<std::uint8_t> adobeRgbProfile();
// lcms2's own sRGB.
std::vector<std::uint8_t> srgbProfile();
// A grey profile with D65 white and a pure gamma curve.
std::vector<std::uint8_t> greyGammaProfile(double gamma);

// The JPEG file with `profile` as one APP2 ICC_PROFILE chunk right after its SOI.
std::vector<std::uint8_t> withIccSegment(const std::vector<std::uint8_t>& jpeg, const std::vector<std::uint8_t>& profile);

using Rgb8 = std::array<std::uint8_t, 3>; // red, green, blue

// The CIE76 colour difference (Euclidean distance in L*a*b*, D50) of two sRGB colours.
double deltaE76(const Rgb8& a, const Rgb8& b);

} // namespace pictra::test
