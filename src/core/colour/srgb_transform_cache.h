// The process's few recently used sRGB transforms, looked up by the profile's
// bytes, so a folder of phone photos parses its one profile once. Safe to use
// from several threads.
#pragma once

#include "core/colour/srgb_transform.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

namespace pictra {

// How many profiles the cache remembers; the least recently used goes first.
inline constexpr std::size_t kCachedTransforms = 8;

// The transform of `profile` for `input` pixels, made on first use (null as
// SrgbTransform::make says; that answer is remembered too).
std::shared_ptr<const SrgbTransform> cachedSrgbTransform(std::span<const std::uint8_t> profile, ProfileInput input);

// How many transforms have been made since the program started: lets tests
// see that a second picture with the same profile made none.
std::size_t srgbTransformsMade();

} // namespace pictra
