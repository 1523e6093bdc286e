// Applying an embedded colour profile to a picture's pixels or palette.
#include "core/colour/embedded_profile.h"

#include "core/colour/srgb_transform_cache.h"

#include <algorithm>
#include <optional>

namespace pictra {
namespace {

// The colour space signature sits at bytes 16..19 of an ICC header; lcms2
// checks the rest when the transform is made.
std::optional<ProfileInput> declaredInput(std::span<const std::uint8_t> profile)
{
    if (profile.size() < 20)
        return std::nullopt;
    const auto space = std::string_view(reinterpret_cast<const char*>(profile.data()) + 16, 4);
    if (space == "RGB ")
        return ProfileInput::Rgb;
    if (space == "GRAY")
        return ProfileInput::Grey;
    if (space == "CMYK")
        return ProfileInput::Cmyk;
    return std::nullopt;
}

bool holdsPicture(const ImageRecord& record)
{
    return record.width() > 0 && record.height() > 0 && record.imageBytes() > 0 &&
           record.imageBytes() <= record.pixels.size();
}

bool isGrey(const std::uint8_t* bgr) { return bgr[0] == bgr[1] && bgr[1] == bgr[2]; }

bool allPixelsGrey(const ImageRecord& record)
{
    for (int y = 0; y < record.height(); ++y) {
        const std::uint8_t* p = record.row(y);
        for (int x = 0; x < record.width(); ++x, p += 3)
            if (!isGrey(p))
                return false;
    }
    return true;
}

void greyToSrgb(const SrgbTransform& transform, std::uint8_t* bgr)
{
    const auto& colour = transform.greyToBgr(bgr[0]);
    std::copy(colour.begin(), colour.end(), bgr);
}

void convertPixels(const SrgbTransform& transform, ImageRecord& record)
{
    if (transform.input() == ProfileInput::Rgb) {
        transform.rowsToBgr(record.row(0), record.stride(), record.row(0), record.stride(), record.width(),
                            record.height());
        return;
    }
    if (!allPixelsGrey(record))
        return;
    for (int y = 0; y < record.height(); ++y) {
        std::uint8_t* p = record.row(y);
        for (int x = 0; x < record.width(); ++x, p += 3)
            greyToSrgb(transform, p);
    }
}

// Palette entries are blue, green, red, 0; the fourth byte stays.
void convertPalette(const SrgbTransform& transform, ImageRecord& record)
{
    const std::size_t entries =
        std::min(record.palette.size() / 4, std::size_t{1} << std::min(record.bitCount(), 8));
    const std::span<std::uint8_t> palette = record.palette.first(entries * 4);
    if (transform.input() == ProfileInput::Grey) {
        for (std::size_t i = 0; i < entries; ++i)
            if (!isGrey(&palette[4 * i]))
                return;
        for (std::size_t i = 0; i < entries; ++i)
            greyToSrgb(transform, &palette[4 * i]);
        return;
    }
    std::vector<std::uint8_t> bgr(entries * 3);
    for (std::size_t i = 0; i < entries; ++i)
        std::copy_n(&palette[4 * i], 3, &bgr[3 * i]);
    transform.toBgr(bgr.data(), bgr.data(), entries);
    for (std::size_t i = 0; i < entries; ++i)
        std::copy_n(&bgr[3 * i], 3, &palette[4 * i]);
}

std::uint8_t light(unsigned ink, unsigned black) { return static_cast<std::uint8_t>(((255 - ink) * (255 - black) + 127) / 255); }

void plainCmykRow(const std::uint8_t* ink, std::uint8_t* bgr, int width)
{
    for (int x = 0; x < width; ++x, ink += 4, bgr += 3) {
        bgr[0] = light(ink[2], ink[3]);
        bgr[1] = light(ink[1], ink[3]);
        bgr[2] = light(ink[0], ink[3]);
    }
}

} // namespace

void convertToSrgb(std::span<const std::uint8_t> profile, ImageRecord& record)
{
    const std::optional<ProfileInput> input = declaredInput(profile);
    if (!input || *input == ProfileInput::Cmyk || !holdsPicture(record))
        return;
    const int bits = record.bitCount();
    if (bits != 24 && (bits < 1 || bits > 8))
        return;
    const std::shared_ptr<const SrgbTransform> transform = cachedSrgbTransform(profile, *input);
    if (!transform)
        return;
    if (bits == 24)
        convertPixels(*transform, record);
    else
        convertPalette(*transform, record);
}

void convertCmykToSrgb(std::span<const std::uint8_t> profile, std::span<const std::uint8_t> ink,
                       ImageRecord& record)
{
    if (record.bitCount() != 24 || !holdsPicture(record))
        return;
    const std::size_t inkStride = static_cast<std::size_t>(record.width()) * 4;
    if (ink.size() / 4 / static_cast<std::size_t>(record.width()) < static_cast<std::size_t>(record.height()))
        return;
    const std::shared_ptr<const SrgbTransform> transform =
        declaredInput(profile) == ProfileInput::Cmyk ? cachedSrgbTransform(profile, ProfileInput::Cmyk) : nullptr;
    if (transform) {
        transform->rowsToBgr(ink.data(), inkStride, record.row(0), record.stride(), record.width(), record.height());
        return;
    }
    for (int y = 0; y < record.height(); ++y)
        plainCmykRow(ink.data() + inkStride * static_cast<std::size_t>(y), record.row(y), record.width());
}

} // namespace pictra
