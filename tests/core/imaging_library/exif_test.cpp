#include "core/imaging_library/exif_info.h"
#include "core/imaging_library/exif_text.h"
#include "core/imaging_library/jpeg_exif_segment.h"
#include "core/util/byte_writer.h"
#include "support/synthetic_image.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pictra {
namespace {

enum Type : std::uint16_t { kAscii = 2, kShort = 3, kLong = 4, kRational = 5, kSRational = 10 };

struct Tag {
    std::uint16_t id;
    Type type;
    std::string ascii;
    std::int64_t a = 0; // SHORT/LONG value, or numerator
    std::int64_t b = 0; // denominator
};

// Writes a TIFF structure by hand: IFD0 (with a pointer to the Exif IFD) and
// the Exif IFD, each value that does not fit four bytes placed after its IFD.
class TiffBuilder {
public:
    explicit TiffBuilder(bool bigEndian) : m_big(bigEndian) {}

    std::vector<std::uint8_t> build(const std::vector<Tag>& ifd0, const std::vector<Tag>& exif)
    {
        m_out = ByteWriter();
        m_out.bytes(std::vector<std::uint8_t>(m_big ? std::vector<std::uint8_t>{'M', 'M'}
                                                     : std::vector<std::uint8_t>{'I', 'I'}));
        u16(42);
        u32(8);
        std::vector<Tag> first = ifd0;
        first.push_back({0x8769, kLong, "", 0, 0}); // Exif IFD pointer, patched below
        const std::size_t pointerAt = writeIfd(first, 8);
        const std::size_t exifAt = m_out.size();
        writeIfd(exif, exifAt);
        patch(pointerAt, static_cast<std::uint32_t>(exifAt));
        return m_out.take();
    }

private:
    void u16(std::uint16_t v) { m_big ? m_out.u16be(v) : m_out.u16(v); }
    void u32(std::uint32_t v) { m_big ? m_out.u32be(v) : m_out.u32(v); }
    void patch(std::size_t at, std::uint32_t v)
    {
        if (m_big)
            v = (v >> 24) | ((v >> 8) & 0xFF00) | ((v << 8) & 0xFF0000) | (v << 24);
        m_out.patchU32(at, v);
    }

    // Returns the offset of the last entry's value field.
    std::size_t writeIfd(const std::vector<Tag>& tags, std::size_t start)
    {
        std::size_t dataAt = start + 2 + tags.size() * 12 + 4;
        std::vector<std::uint8_t> extra;
        std::size_t lastValue = 0;
        u16(static_cast<std::uint16_t>(tags.size()));
        for (const Tag& t : tags) {
            u16(t.id);
            u16(t.type);
            lastValue = m_out.size() + 4;
            if (t.type == kAscii) {
                u32(static_cast<std::uint32_t>(t.ascii.size() + 1));
                u32(static_cast<std::uint32_t>(dataAt + extra.size()));
                extra.insert(extra.end(), t.ascii.begin(), t.ascii.end());
                extra.push_back(0);
            } else if (t.type == kRational || t.type == kSRational) {
                u32(1);
                u32(static_cast<std::uint32_t>(dataAt + extra.size()));
                ByteWriter w;
                m_big ? w.u32be(static_cast<std::uint32_t>(t.a)) : w.u32(static_cast<std::uint32_t>(t.a));
                m_big ? w.u32be(static_cast<std::uint32_t>(t.b)) : w.u32(static_cast<std::uint32_t>(t.b));
                extra.insert(extra.end(), w.data().begin(), w.data().end());
            } else if (t.type == kShort) {
                u32(1);
                u16(static_cast<std::uint16_t>(t.a));
                u16(0);
            } else {
                u32(1);
                u32(static_cast<std::uint32_t>(t.a));
            }
        }
        u32(0);
        m_out.bytes(extra);
        return lastValue;
    }

    bool m_big;
    ByteWriter m_out;
};

std::vector<Tag> ifd0Tags() { return {{0x010F, kAscii, "Korvale"}, {0x0110, kAscii, "KV-10"}, {0x0132, kAscii, "2001:01:01 00:00:00"}}; }

std::vector<Tag> exifTags()
{
    return {
        {0x829A, kRational, "", 1, 250},     {0x829D, kRational, "", 28, 10},  {0x8822, kShort, "", 2},
        {0x8827, kShort, "", 400},           {0x9003, kAscii, "2003:04:05 06:07:08"},
        {0x9201, kSRational, "", 7965784, 1000000}, {0x9202, kRational, "", 297, 100},
        {0x9203, kSRational, "", -125, 100}, {0x9204, kSRational, "", -2, 3}, {0x9205, kRational, "", 3, 1},
        {0x9206, kRational, "", 4000000000, 1000},  {0x9207, kShort, "", 5}, {0x9208, kShort, "", 21},
        {0x920A, kRational, "", 63, 10},     {0xA20B, kRational, "", 12, 1},
    };
}

// A JPEG file with an APP1 Exif segment holding `tiff` after SOI and APP0.
std::vector<std::uint8_t> jpegWithExif(const std::vector<std::uint8_t>& tiff)
{
    const auto plain = test::encodeWithTurbo(test::makePhotoLike(16, 16), 80, test::TurboSampling::S420);
    const std::size_t app0End = 4 + ((std::size_t{plain[4]} << 8) | plain[5]);
    ByteWriter out;
    out.bytes(std::span(plain).first(app0End));
    out.u16be(0xFFE1);
    out.u16be(static_cast<std::uint16_t>(2 + 6 + tiff.size()));
    out.bytes(std::vector<std::uint8_t>{'E', 'x', 'i', 'f', 0, 0});
    out.bytes(tiff);
    out.bytes(std::span(plain).subspan(app0End));
    return out.take();
}

class ExifFields : public ::testing::TestWithParam<bool> {};

TEST_P(ExifFields, ReadsEveryFieldTheInformationBarShows)
{
    const auto jpeg = jpegWithExif(TiffBuilder(GetParam()).build(ifd0Tags(), exifTags()));
    auto info = exifInfoFromJpeg(jpeg);
    ASSERT_TRUE(info.ok()) << static_cast<int>(info.status());
    EXPECT_EQ(info->maker, "Korvale");
    EXPECT_EQ(info->model, "KV-10");
    EXPECT_EQ(info->dateTime, "2003:04:05 06:07:08"); // when taken, not when last changed
    EXPECT_EQ(info->exposureTime, (RationalValue{1, 250}));
    EXPECT_EQ(info->fNumber, (RationalValue{28, 10}));
    EXPECT_EQ(info->exposureProgram, 2);
    EXPECT_EQ(info->isoSpeed, 400u);
    EXPECT_EQ(info->shutterSpeed, (RationalValue{7965784, 1000000}));
    EXPECT_EQ(info->aperture, (RationalValue{297, 100}));
    EXPECT_EQ(info->brightness, (RationalValue{-125, 100}));
    EXPECT_EQ(info->exposureBias, (RationalValue{-2, 3}));
    EXPECT_EQ(info->maxAperture, (RationalValue{3, 1}));
    EXPECT_EQ(info->subjectDistance, (RationalValue{4000000000, 1000})); // unsigned, no wrap
    EXPECT_EQ(info->meteringMode, 5);
    EXPECT_EQ(info->lightSource, 21);
    EXPECT_EQ(info->focalLength, (RationalValue{63, 10}));
    EXPECT_EQ(info->flashEnergy, (RationalValue{12, 1}));
}

INSTANTIATE_TEST_SUITE_P(ByteOrder, ExifFields, ::testing::Values(false, true));

TEST(ExifInfo, TellsMissingExifFromBrokenFiles)
{
    const auto plain = test::encodeWithTurbo(test::makePhotoLike(8, 8), 80, test::TurboSampling::S420);
    EXPECT_EQ(exifInfoFromJpeg(plain).status(), Status::NotFound);
    const std::vector<std::uint8_t> notJpeg = {'B', 'M', 0, 0};
    EXPECT_EQ(exifInfoFromJpeg(notJpeg).status(), Status::Corrupt);
    EXPECT_EQ(exifInfoFromJpeg(jpegWithExif({1, 2, 3, 4, 5, 6, 7, 8})).status(), Status::Corrupt);

    test::TempDir dir;
    EXPECT_EQ(IKJpegExifInfo(dir.file("none.jpg")).status(), Status::NotFound);
    const auto jpeg = jpegWithExif(TiffBuilder(false).build(ifd0Tags(), {}));
    test::writeBytes(dir.file("a.jpg"), std::string(jpeg.begin(), jpeg.end()));
    auto info = IKJpegExifInfo(dir.file("a.jpg"));
    ASSERT_TRUE(info.ok());
    EXPECT_EQ(info->dateTime, "2001:01:01 00:00:00"); // no original date: the file's date
    EXPECT_EQ(info->meteringMode, 0);
}

TEST(ExifText, ListsTheItemsWithTheirNamesAndValues)
{
    ExifInfo info;
    info.maker = "Korvale";
    info.model = "\x83\x4A\x83\x81\x83\x89"; // CP932 "カメラ" from an older camera
    info.dateTime = "2003:04:05 06:07:08";
    info.exposureTime = {1, 250};
    info.exposureBias = {-2, 3};
    info.meteringMode = 255;
    info.lightSource = 18;
    info.exposureProgram = 8;
    info.isoSpeed = 100;
    const std::string text = exifText(info);
    EXPECT_EQ(text.rfind("■メーカー\r\nKorvale\r\n■機種\r\nカメラ\r\n■日時\r\n2003:04:05 06:07:08\r\n■露出時間\r\n1/250\r\n", 0), 0u);
    EXPECT_NE(text.find("■露光補正値\r\n-2/3\r\n"), std::string::npos);
    EXPECT_NE(text.find("■測光方式\r\nその他\r\n■光源の種類\r\n標準光\r\n"), std::string::npos);
    EXPECT_NE(text.find("■露出プログラム\r\nランドスケープモード\r\n■ISO\r\n100\r\n■ストロボエネルギー\r\n0/0\r\n"),
              std::string::npos);
    EXPECT_TRUE(text.ends_with("■ストロボエネルギー\r\n0/0\r\n"));
    info.meteringMode = 7; // no name: an empty value line
    EXPECT_NE(exifText(info).find("■測光方式\r\n\r\n"), std::string::npos);
}

TEST(ExifBlock, ARawBlockGivesTheFieldsAndItsOrientationInEitherByteOrder)
{
    std::vector<Tag> ifd0 = ifd0Tags();
    ifd0.insert(ifd0.begin() + 2, {0x0112, kShort, "", 6});
    for (const bool big : {false, true}) {
        const std::vector<std::uint8_t> block = TiffBuilder(big).build(ifd0, exifTags());
        const Result<ExifInfo> info = exifInfoFromBlock(block);
        ASSERT_TRUE(info) << big;
        EXPECT_EQ(info->maker, "Korvale");
        EXPECT_EQ(info->dateTime, "2003:04:05 06:07:08");
        EXPECT_EQ(info->isoSpeed, 400u);
        EXPECT_EQ(exifBlockOrientation(block), 6);
    }
    EXPECT_EQ(exifBlockOrientation(TiffBuilder(false).build(ifd0Tags(), {})), std::nullopt);
    EXPECT_FALSE(exifInfoFromBlock(std::vector<std::uint8_t>{'I', 'I', 42, 0}));
    EXPECT_EQ(exifBlockOrientation(std::vector<std::uint8_t>{'I', 'I', 42, 0, 0xFF, 0xFF, 0xFF, 0x7F}), std::nullopt);
}

} // namespace
} // namespace pictra
