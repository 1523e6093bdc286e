// A JPEG with a small Exif block (camera maker and model, date, exposure,
// F-number, ISO, codes), built byte by byte for the information bar's tests.
#pragma once

#include "core/util/byte_writer.h"

#include <cstdint>
#include <string>
#include <vector>

namespace pictra::test {

// Returns `jpeg` with an APP1 Exif segment inserted after its SOI marker.
inline std::vector<std::uint8_t> withExif(const std::vector<std::uint8_t>& jpeg)
{
    struct Tag {
        std::uint16_t id;
        std::uint16_t type; // 2 ASCII, 3 SHORT, 4 LONG, 5 RATIONAL
        std::string ascii;
        std::uint32_t a = 0, b = 0;
    };
    const std::vector<Tag> ifd0 = {{0x010F, 2, "Korvale"}, {0x0110, 2, "PX-100"}, {0x8769, 4, "", 0}};
    const std::vector<Tag> exif = {{0x829A, 5, "", 1, 125},   {0x829D, 5, "", 28, 10},
                                   {0x8822, 3, "", 2},        {0x8827, 3, "", 200},
                                   {0x9003, 2, "2024:05:03 10:20:30"}, {0x9207, 3, "", 5},
                                   {0x9208, 3, "", 1},        {0x920A, 5, "", 50, 1}};
    ByteWriter tiff;
    tiff.u8('I');
    tiff.u8('I');
    tiff.u16(42);
    tiff.u32(8);
    // Each IFD: count, 12-byte entries, next-IFD offset, then values that do not fit 4 bytes.
    auto writeIfd = [&tiff](const std::vector<Tag>& tags, std::uint32_t exifAt) {
        const auto start = static_cast<std::uint32_t>(tiff.size());
        std::uint32_t data = start + 2 + 12 * static_cast<std::uint32_t>(tags.size()) + 4;
        std::vector<std::uint8_t> extra;
        tiff.u16(static_cast<std::uint16_t>(tags.size()));
        for (const Tag& t : tags) {
            tiff.u16(t.id);
            tiff.u16(t.type);
            if (t.type == 2) {
                tiff.u32(static_cast<std::uint32_t>(t.ascii.size() + 1));
                tiff.u32(data + static_cast<std::uint32_t>(extra.size()));
                extra.insert(extra.end(), t.ascii.begin(), t.ascii.end());
                extra.push_back(0);
            } else if (t.type == 5) {
                tiff.u32(1);
                tiff.u32(data + static_cast<std::uint32_t>(extra.size()));
                for (std::uint32_t v : {t.a, t.b})
                    for (int k = 0; k < 4; ++k)
                        extra.push_back(static_cast<std::uint8_t>(v >> (8 * k)));
            } else if (t.type == 3) {
                tiff.u32(1);
                tiff.u16(static_cast<std::uint16_t>(t.a));
                tiff.u16(0);
            } else {
                tiff.u32(1);
                tiff.u32(t.id == 0x8769 ? exifAt : t.a);
            }
        }
        tiff.u32(0);
        tiff.bytes(extra);
    };
    // IFD0 is 2 + 3 × 12 + 4 bytes plus its two texts; the Exif IFD follows it.
    const auto exifAt = static_cast<std::uint32_t>(8 + 2 + 3 * 12 + 4 + 8 + 7);
    writeIfd(ifd0, exifAt);
    writeIfd(exif, 0);
    const std::vector<std::uint8_t> body = tiff.take();

    const auto length = static_cast<std::uint16_t>(2 + 6 + body.size());
    ByteWriter out;
    out.u8(0xFF);
    out.u8(0xD8);
    out.u8(0xFF);
    out.u8(0xE1);
    out.u16be(length);
    for (std::uint8_t c : {'E', 'x', 'i', 'f', '\0', '\0'})
        out.u8(c);
    out.bytes(body);
    out.bytes(std::span<const std::uint8_t>(jpeg).subspan(2));
    return out.take();
}

} // namespace pictra::test
