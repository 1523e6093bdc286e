// JPEG marker codes and names, and the marker reader of the decoder's
// segment walk.
#pragma once

#include "core/util/byte_reader.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace pictra::jpeg {

inline constexpr std::uint8_t kMarkerPrefix = 0xFF;
inline constexpr std::uint8_t kSof0 = 0xC0;
inline constexpr std::uint8_t kSof1 = 0xC1;
inline constexpr std::uint8_t kDht = 0xC4;
inline constexpr std::uint8_t kRst0 = 0xD0;
inline constexpr std::uint8_t kRst7 = 0xD7;
inline constexpr std::uint8_t kSoi = 0xD8;
inline constexpr std::uint8_t kEoi = 0xD9;
inline constexpr std::uint8_t kSos = 0xDA;
inline constexpr std::uint8_t kDqt = 0xDB;
inline constexpr std::uint8_t kDri = 0xDD;
inline constexpr std::uint8_t kApp0 = 0xE0;
inline constexpr std::uint8_t kCom = 0xFE;

// The name of marker 0xFF `code` ("SOF0", "DHT", "RST3", "APP1", "JPGA" ...),
// or "" for a code that names no marker.
std::string markerName(std::uint8_t code);

// The name of the marker whose two bytes start at `pos`; "" when fewer than
// two bytes remain, the first is not 0xFF or the second names no marker.
std::string readMarker(ByteSpan data, std::size_t pos);

// True for markers that stand alone, without a length field (SOI, EOI, RSTn, TEM).
constexpr bool isStandalone(std::uint8_t code)
{
    return code == 0x01 || (code >= kRst0 && code <= kEoi);
}

constexpr bool isRestart(std::uint8_t code) { return code >= kRst0 && code <= kRst7; }

} // namespace pictra::jpeg
