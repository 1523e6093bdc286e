#include "core/album/store_copy.h"
#include "core/image_io/image_file_io.h"
#include "core/imaging_library/jpeg_exif_segment.h"
#include "core/util/byte_writer.h"
#include "core/util/file_io.h"
#include "core/util/paths.h"
#include "support/synthetic_image.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace pictra {
namespace {

// An upright picture with a different colour in each corner region.
test::RgbImage upright(int width, int height)
{
    test::RgbImage image{width, height, std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height * 3)};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            std::uint8_t* p = image.rgb.data() + (static_cast<std::size_t>(y) * width + x) * 3;
            p[0] = static_cast<std::uint8_t>(x * 255 / width);
            p[1] = static_cast<std::uint8_t>(y * 255 / height);
            p[2] = x < width / 3 && y < height / 4 ? 255 : 0;
        }
    }
    return image;
}

// How a camera lying in orientation o stores the upright picture `u`.
test::RgbImage stored(const test::RgbImage& u, int o)
{
    const int w = u.width;
    const int h = u.height;
    const bool turned = o >= 5;
    test::RgbImage s{turned ? h : w, turned ? w : h, std::vector<std::uint8_t>(u.rgb.size())};
    for (int y = 0; y < s.height; ++y) {
        for (int x = 0; x < s.width; ++x) {
            int ux = x, uy = y;
            switch (o) {
            case 2: ux = w - 1 - x; break;                      // mirrored
            case 3: ux = w - 1 - x; uy = h - 1 - y; break;      // upside down
            case 4: uy = h - 1 - y; break;                      // mirrored upside down
            case 5: ux = y; uy = x; break;                      // transposed
            case 6: ux = w - 1 - y; uy = x; break;              // turned anticlockwise
            case 7: ux = w - 1 - y; uy = h - 1 - x; break;      // transposed the other way
            case 8: ux = y; uy = h - 1 - x; break;              // turned clockwise
            default: break;
            }
            std::copy_n(u.rgb.data() + (static_cast<std::size_t>(uy) * w + ux) * 3, 3,
                        s.rgb.data() + (static_cast<std::size_t>(y) * s.width + x) * 3);
        }
    }
    return s;
}

// A JPEG with an Exif segment holding just the orientation tag.
std::vector<std::uint8_t> withOrientation(const std::vector<std::uint8_t>& jpeg, int orientation, bool bigEndian)
{
    ByteWriter w;
    const auto put = [&](std::uint32_t v, int bytes) {
        if (bytes == 2)
            bigEndian ? w.u16be(static_cast<std::uint16_t>(v)) : w.u16(static_cast<std::uint16_t>(v));
        else
            bigEndian ? w.u32be(v) : w.u32(v);
    };
    put(bigEndian ? 0x4D4D : 0x4949, 2);
    put(42, 2);
    put(8, 4);      // first directory
    put(1, 2);      // one entry:
    put(0x0112, 2); // orientation
    put(3, 2);      // SHORT
    put(1, 4);
    put(static_cast<std::uint32_t>(orientation), 2);
    put(0, 2);
    put(0, 4); // no next directory
    const std::vector<std::uint8_t> tiff = w.take();
    static constexpr std::uint8_t kExif[] = {'E', 'x', 'i', 'f', 0, 0};
    ByteWriter out;
    out.bytes(std::span(jpeg).first(2)); // SOI
    out.u16be(0xFFE1);
    out.u16be(static_cast<std::uint16_t>(2 + sizeof kExif + tiff.size()));
    out.bytes(kExif);
    out.bytes(tiff);
    out.bytes(std::span(jpeg).subspan(2));
    return out.take();
}

double meanDifference(const test::RgbImage& a, const test::RgbImage& b)
{
    double sum = 0;
    for (std::size_t i = 0; i < a.rgb.size(); ++i)
        sum += std::abs(int(a.rgb[i]) - int(b.rgb[i]));
    return sum / static_cast<double>(a.rgb.size());
}

TEST(ExifOrientation, IsReadInBothByteOrders)
{
    const auto jpeg = test::encodeWithTurbo(upright(16, 8), 90, test::TurboSampling::S444);
    EXPECT_EQ(jpegOrientation(jpeg), 1);
    for (int o = 1; o <= 8; ++o) {
        EXPECT_EQ(jpegOrientation(withOrientation(jpeg, o, false)), o);
        EXPECT_EQ(jpegOrientation(withOrientation(jpeg, o, true)), o);
    }
    EXPECT_EQ(jpegOrientation(withOrientation(jpeg, 9, false)), 1);
    EXPECT_EQ(jpegOrientation(withOrientation(jpeg, 0, true)), 1);
}

// Every orientation of one scene gives the same upright picture, both
// loaded whole and as a store copy.
TEST(ExifOrientation, AllEightGiveTheSameUprightPicture)
{
    const test::RgbImage scene = upright(1280, 960);
    test::TempDir dir;
    ImageFileIO io;
    ImageBuffers buffers(0, 1 << 24);
    test::RgbImage reference;
    for (int o = 1; o <= 8; ++o) {
        SCOPED_TRACE(o);
        const auto plain = test::encodeWithTurbo(stored(scene, o), 95, test::TurboSampling::S444);
        std::string name = std::to_string(o);
        name += ".jpg";
        const std::string source = dir.file(name);
        ASSERT_EQ(writeFile(source, withOrientation(plain, o, o % 2 == 0)), Status::Ok);

        ASSERT_EQ(io.loadImage(source, buffers.record()), Status::Ok);
        ASSERT_EQ(buffers.record().width(), 1280);
        ASSERT_EQ(buffers.record().height(), 960);
        EXPECT_LT(meanDifference(test::fromRecord(buffers.record()), scene), 2.0);

        ASSERT_EQ(makeStoreCopy(io, buffers.record(), dir.file("prog"), dir.file("a.abm"), source), Status::Ok);
        ImageBuffers copy(0, 1 << 22);
        ASSERT_EQ(io.loadImage(storeCopyPath(dir.file("prog"), dir.file("a.abm"), source), copy.record()), Status::Ok);
        ASSERT_EQ(copy.record().width(), 640);
        ASSERT_EQ(copy.record().height(), 480);
        const test::RgbImage got = test::fromRecord(copy.record());
        if (o == 1)
            reference = got;
        else
            EXPECT_LT(meanDifference(got, reference), 2.0);
    }
}

} // namespace
} // namespace pictra
