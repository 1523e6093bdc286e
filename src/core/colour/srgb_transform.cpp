// Making a profile's sRGB transform with lcms2 and telling whether it does
// anything at all.
#include "core/colour/srgb_transform.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace pictra {
namespace {

// Perceptual intent: for matrix/shaper profiles (Display P3, Adobe RGB, most
// camera and phone pictures) lcms2 has no perceptual tables and gives the
// relative colorimetric result, white mapped to white; for table-based
// profiles (press CMYK above all) the profile maker's perceptual tables
// compress out-of-gamut colours smoothly instead of clipping them flat, which
// is what a photo wants. It is also what other programs do by default.
constexpr cmsUInt32Number kIntent = INTENT_PERCEPTUAL;

// The transform has no one-pixel cache, so several threads may run it at once.
constexpr cmsUInt32Number kFlags = cmsFLAGS_NOCACHE;

// A conversion that moves no channel further than this is taken as none.
constexpr int kSameColourLevels = 1;

cmsColorSpaceSignature spaceOf(ProfileInput input)
{
    switch (input) {
    case ProfileInput::Rgb: return cmsSigRgbData;
    case ProfileInput::Grey: return cmsSigGrayData;
    case ProfileInput::Cmyk: return cmsSigCmykData;
    }
    return cmsSigRgbData;
}

cmsUInt32Number formatOf(ProfileInput input)
{
    switch (input) {
    case ProfileInput::Rgb: return TYPE_BGR_8;
    case ProfileInput::Grey: return TYPE_GRAY_8;
    case ProfileInput::Cmyk: return TYPE_CMYK_8;
    }
    return TYPE_BGR_8;
}

bool near(std::uint8_t a, std::uint8_t b) { return std::abs(int{a} - int{b}) <= kSameColourLevels; }

} // namespace

std::unique_ptr<const SrgbTransform> SrgbTransform::make(std::span<const std::uint8_t> profile, ProfileInput input)
{
    if (profile.empty())
        return nullptr;
    const ProfileHandle source(cmsOpenProfileFromMem(profile.data(), static_cast<cmsUInt32Number>(profile.size())));
    if (!source || cmsGetColorSpace(source.get()) != spaceOf(input))
        return nullptr;
    const ProfileHandle srgb(cmsCreate_sRGBProfile());
    if (!srgb)
        return nullptr;
    TransformHandle transform(
        cmsCreateTransform(source.get(), formatOf(input), srgb.get(), TYPE_BGR_8, kIntent, kFlags));
    if (!transform)
        return nullptr;
    auto made = std::make_unique<SrgbTransform>(std::move(transform), input);
    if (!made->changesColours())
        return nullptr;
    return made;
}

SrgbTransform::SrgbTransform(TransformHandle transform, ProfileInput input)
    : m_transform(std::move(transform)), m_input(input)
{
    if (m_input != ProfileInput::Grey)
        return;
    std::array<std::uint8_t, 256> levels{};
    for (std::size_t i = 0; i < levels.size(); ++i)
        levels[i] = static_cast<std::uint8_t>(i);
    cmsDoTransform(m_transform.get(), levels.data(), m_greyTable.data(), static_cast<cmsUInt32Number>(levels.size()));
}

// Samples the colour cube (or the grey ramp): a profile that is sRGB under
// another name maps every sample onto itself.
bool SrgbTransform::changesColours() const
{
    if (m_input == ProfileInput::Cmyk)
        return true;
    if (m_input == ProfileInput::Grey) {
        for (int level = 0; level < 256; ++level) {
            for (std::uint8_t channel : m_greyTable[static_cast<std::size_t>(level)])
                if (!near(channel, static_cast<std::uint8_t>(level)))
                    return true;
        }
        return false;
    }
    std::vector<std::uint8_t> samples;
    for (int b = 0; b <= 255; b += 51)
        for (int g = 0; g <= 255; g += 51)
            for (int r = 0; r <= 255; r += 51)
                samples.insert(samples.end(), {static_cast<std::uint8_t>(b), static_cast<std::uint8_t>(g),
                                               static_cast<std::uint8_t>(r)});
    std::vector<std::uint8_t> converted(samples.size());
    toBgr(samples.data(), converted.data(), samples.size() / 3);
    return !std::equal(samples.begin(), samples.end(), converted.begin(), near);
}

void SrgbTransform::toBgr(const std::uint8_t* in, std::uint8_t* out, std::size_t count) const
{
    cmsDoTransform(m_transform.get(), in, out, static_cast<cmsUInt32Number>(count));
}

void SrgbTransform::rowsToBgr(const std::uint8_t* in, std::size_t inStride, std::uint8_t* out,
                              std::size_t outStride, int width, int rows) const
{
    for (int y = 0; y < rows; ++y, in += inStride, out += outStride)
        toBgr(in, out, static_cast<std::size_t>(width));
}

} // namespace pictra
