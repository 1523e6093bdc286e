// One embedded profile's conversion to sRGB, made once and then used by any
// number of threads at the same time (it is never changed after it is made).
#pragma once

#include "core/colour/lcms_handles.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

namespace pictra {

// What the pixels a profile is applied to hold.
enum class ProfileInput : std::uint8_t {
    Rgb,  // blue, green, red bytes
    Grey, // one byte
    Cmyk, // cyan, magenta, yellow, black bytes, each the amount of ink
};

class SrgbTransform {
public:
    // The conversion of `profile` for pixels of kind `input`; null when lcms2
    // cannot open the profile, its colour space is not the pixels', no
    // transform can be made from it, or it changes no colour by more than
    // one level (the profile is sRGB already, and the pixels stay as read).
    static std::unique_ptr<const SrgbTransform> make(std::span<const std::uint8_t> profile, ProfileInput input);

    ProfileInput input() const { return m_input; }

    // `count` pixels of the transform's input kind to blue, green, red bytes.
    // `in` and `out` may be the same buffer for Rgb.
    void toBgr(const std::uint8_t* in, std::uint8_t* out, std::size_t count) const;

    // `rows` lines of `width` pixels, `inStride`/`outStride` bytes apart.
    void rowsToBgr(const std::uint8_t* in, std::size_t inStride, std::uint8_t* out, std::size_t outStride,
                   int width, int rows) const;

    // A grey level's sRGB colour (Grey transforms only): blue, green, red.
    const std::array<std::uint8_t, 3>& greyToBgr(std::uint8_t level) const { return m_greyTable[level]; }

    // Takes over a transform from `input` pixels to TYPE_BGR_8.
    SrgbTransform(TransformHandle transform, ProfileInput input);

private:
    bool changesColours() const;

    TransformHandle m_transform;
    ProfileInput m_input;
    std::array<std::array<std::uint8_t, 3>, 256> m_greyTable{};
};

} // namespace pictra
