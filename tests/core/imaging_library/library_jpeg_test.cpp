#include "core/imaging_library/library_jpeg_decoder.h"
#include "core/imaging_library/library_jpeg_encoder.h"
#include "core/imaging_library/packed_bitmap.h"
#include "core/util/file_io.h"
#include "support/synthetic_image.h"

#include <gtest/gtest.h>

#include <turbojpeg.h>

#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>
#include <map>
#include <string>

namespace pictra {
namespace {

// Marker -> payload of the segments before the first scan.
std::multimap<int, std::vector<std::uint8_t>> segments(const std::vector<std::uint8_t>& jpeg)
{
    std::multimap<int, std::vector<std::uint8_t>> out;
    std::size_t i = 2;
    while (i + 4 <= jpeg.size() && jpeg[i] == 0xFF) {
        const int marker = jpeg[i + 1];
        const std::size_t len = (std::size_t{jpeg[i + 2]} << 8) | jpeg[i + 3];
        out.emplace(marker, std::vector<std::uint8_t>(jpeg.begin() + i + 4, jpeg.begin() + i + 2 + len));
        if (marker == 0xDA)
            break;
        i += 2 + len;
    }
    return out;
}

struct OptionCase {
    JpegCoding coding;
    JpegSampling sampling;
    int sofMarker;
    std::uint8_t lumaFactors; // horizontal << 4 | vertical
};

class LibraryJpegSave : public ::testing::TestWithParam<OptionCase> {};

TEST_P(LibraryJpegSave, HonoursCodingSamplingAndComment)
{
    const OptionCase c = GetParam();
    ImageBuffers buffers(1 << 20);
    test::fillRecord(test::makePhotoLike(50, 30), buffers);
    const JpegSaveOptions options{c.coding, 85, c.sampling, "Pictra \x83\x65\x83\x58\x83\x67"};
    const auto jpeg = encodeLibraryJpegBytes(viewOf(buffers.record()), options);
    ASSERT_TRUE(jpeg.ok());

    const auto seg = segments(*jpeg);
    ASSERT_EQ(seg.count(c.sofMarker), 1u);
    const auto& sof = seg.find(c.sofMarker)->second;
    ASSERT_EQ(sof[5], 3); // components
    EXPECT_EQ(sof[7], c.lumaFactors);
    EXPECT_EQ(sof[10], 0x11);
    ASSERT_EQ(seg.count(0xFE), 1u);
    const auto& com = seg.find(0xFE)->second;
    EXPECT_EQ(std::string(com.begin(), com.end()), options.comment);

    const test::RgbImage decoded = test::decodeWithTurbo(*jpeg);
    EXPECT_EQ(decoded.width, 50);
    EXPECT_EQ(decoded.height, 30);
}

INSTANTIATE_TEST_SUITE_P(Table, LibraryJpegSave,
                         ::testing::Values(OptionCase{JpegCoding::Baseline, JpegSampling::S411, 0xC0, 0x22},
                                           OptionCase{JpegCoding::Baseline, JpegSampling::S421, 0xC0, 0x21},
                                           OptionCase{JpegCoding::Progressive, JpegSampling::S444, 0xC2, 0x11},
                                           OptionCase{JpegCoding::Progressive, JpegSampling::S411, 0xC2, 0x22}));

TEST(LibraryJpegSave, WritesNoCommentSegmentForAnEmptyComment)
{
    ImageBuffers buffers(1 << 16);
    test::fillRecord(test::makePhotoLike(8, 8), buffers);
    const auto jpeg = encodeLibraryJpegBytes(viewOf(buffers.record()), JpegSaveOptions{});
    ASSERT_TRUE(jpeg.ok());
    EXPECT_EQ(segments(*jpeg).count(0xFE), 0u);
}

TEST(LibraryJpegSave, ExpandsPalettedPictures)
{
    ImageBuffers buffers(1 << 16);
    ImageRecord& rec = buffers.record();
    rec.infoHeader = {40, 16, 8, 1, 8, 0, 0, 0, 0, 2, 0};
    const std::uint8_t palette[] = {0, 0, 255, 0, 255, 0, 0, 0}; // red, blue
    std::copy(std::begin(palette), std::end(palette), rec.palette.begin());
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 16; ++x)
            rec.row(y)[x] = x < 8 ? 0 : 1;
    const auto jpeg = encodeLibraryJpegBytes(viewOf(rec), JpegSaveOptions{JpegCoding::Baseline, 100, JpegSampling::S444, ""});
    ASSERT_TRUE(jpeg.ok());
    const test::RgbImage back = test::decodeWithTurbo(*jpeg, false);
    ASSERT_EQ(back.width, 16);
    EXPECT_NEAR(back.rgb[0], 255, 4);     // left: red
    EXPECT_NEAR(back.rgb[2], 0, 4);
    EXPECT_NEAR(back.rgb[15 * 3 + 2], 255, 4); // right: blue
    EXPECT_NEAR(back.rgb[15 * 3 + 0], 0, 4);
}

// A JPEG written with libjpeg's own API, for variants the TurboJPEG helper does not make.
// CMYK is written with Adobe's inverted inks and marker, or with plain inks and no marker.
std::vector<std::uint8_t> encodeWithLibjpeg(const test::RgbImage& image, J_COLOR_SPACE space, int restartRows,
                                            bool adobe = true)
{
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr jerr{};
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &out, &size);
    cinfo.image_width = static_cast<JDIMENSION>(image.width);
    cinfo.image_height = static_cast<JDIMENSION>(image.height);
    cinfo.input_components = space == JCS_CMYK ? 4 : 3;
    cinfo.in_color_space = space;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 95, TRUE);
    cinfo.restart_in_rows = restartRows;
    cinfo.write_Adobe_marker = adobe ? cinfo.write_Adobe_marker : FALSE;
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<std::uint8_t> row(static_cast<std::size_t>(image.width) * cinfo.input_components);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const std::uint8_t* p = image.rgb.data() + (static_cast<std::size_t>(y) * image.width + x) * 3;
            if (space == JCS_CMYK) { // inverted inks: C = R, M = G, Y = B, K = 255
                const std::uint8_t flip = adobe ? 0 : 0xFF;
                row[4 * x + 0] = p[0] ^ flip;
                row[4 * x + 1] = p[1] ^ flip;
                row[4 * x + 2] = p[2] ^ flip;
                row[4 * x + 3] = 255 ^ flip;
            } else {
                std::copy_n(p, 3, row.data() + 3 * x);
            }
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::vector<std::uint8_t> jpeg(out, out + size);
    std::free(out);
    return jpeg;
}

void expectNear(const test::RgbImage& a, const test::RgbImage& b, int tolerance)
{
    ASSERT_EQ(a.width, b.width);
    ASSERT_EQ(a.height, b.height);
    for (std::size_t i = 0; i < a.rgb.size(); ++i)
        ASSERT_NEAR(a.rgb[i], b.rgb[i], tolerance) << "byte " << i;
}

TEST(LibraryJpegLoad, ReadsCameraVariantsAsTwentyFourBit)
{
    const test::RgbImage image = test::makePhotoLike(61, 43, 9);
    const std::vector<std::vector<std::uint8_t>> files = {
        test::encodeWithTurbo(image, 90, test::TurboSampling::S420, true),
        test::encodeWithTurbo(image, 90, test::TurboSampling::S422),
        test::encodeWithTurbo(image, 90, test::TurboSampling::Gray),
        encodeWithLibjpeg(image, JCS_RGB, 1),
    };
    for (std::size_t i = 0; i < files.size(); ++i) {
        ImageBuffers buffers(1 << 20);
        ASSERT_EQ(decodeLibraryJpegBytes(files[i], buffers.record()), Status::Ok) << i;
        EXPECT_EQ(buffers.record().bitCount(), 24);
        EXPECT_EQ(buffers.record().fileHeader.type, kBitmapType);
        EXPECT_EQ(test::fromRecord(buffers.record()).rgb, test::decodeWithTurbo(files[i], false).rgb) << i;
    }
}

TEST(LibraryJpegLoad, ReadsAFileWithAnExifSegment)
{
    auto jpeg = readFile(std::string(std::getenv("PICTRA_TEST_DATA")) + "/exif/korvale_kv10.jpg");
    ASSERT_TRUE(jpeg.ok());
    ImageBuffers buffers(1 << 16);
    ASSERT_EQ(decodeLibraryJpegBytes(*jpeg, buffers.record()), Status::Ok);
    EXPECT_EQ(buffers.record().width(), 16);
    EXPECT_EQ(buffers.record().height(), 12);
}

TEST(LibraryJpegLoad, TheAdobeMarkerDecidesWhetherCmykInksAreInverted)
{
    const test::RgbImage image = test::makePhotoLike(24, 16, 2);
    for (bool adobe : {true, false}) {
        const auto jpeg = encodeWithLibjpeg(image, JCS_CMYK, 0, adobe);
        ImageBuffers buffers(1 << 20);
        ASSERT_EQ(decodeLibraryJpegBytes(jpeg, buffers.record()), Status::Ok);
        expectNear(test::fromRecord(buffers.record()), image, 12);
    }
}

TEST(LibraryJpegLoad, RefusesAHeaderClaimingFarMorePixelsThanTheFileCanHold)
{
    std::vector<std::uint8_t> jpeg = test::encodeWithTurbo(test::makePhotoLike(16, 16), 90, test::TurboSampling::S420);
    // Patch the frame header's sides to 65000 x 65000.
    for (std::size_t i = 0; i + 8 < jpeg.size(); ++i) {
        if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xC0) {
            jpeg[i + 5] = jpeg[i + 7] = 0xFD;
            jpeg[i + 6] = jpeg[i + 8] = 0xE8;
            break;
        }
    }
    ImageBuffers buffers(0, 1u << 31);
    EXPECT_EQ(decodeLibraryJpegBytes(jpeg, buffers.record()), Status::Corrupt);
    EXPECT_EQ(buffers.capacity(), 0u); // nothing was reserved for it
}

TEST(LibraryJpegLoad, DamagedInputFailsCleanlyOrDecodes)
{
    const auto jpeg = test::encodeWithTurbo(test::makePhotoLike(40, 40, 4), 80, test::TurboSampling::S420, true);
    ImageBuffers buffers(40 * 40 * 3 + 400);
    for (std::size_t cut = 0; cut < jpeg.size(); cut += 7) {
        const std::vector<std::uint8_t> part(jpeg.begin(), jpeg.begin() + cut);
        const Status status = decodeLibraryJpegBytes(part, buffers.record());
        if (!pictureLoaded(status)) {
            EXPECT_EQ(buffers.record().width(), 0);
        }
    }
    for (std::size_t at = 0; at < jpeg.size(); at += 5) {
        std::vector<std::uint8_t> bad = jpeg;
        bad[at] ^= 0x5A;
        (void)decodeLibraryJpegBytes(bad, buffers.record());
    }
    EXPECT_EQ(decodeLibraryJpegBytes({}, buffers.record()), Status::Truncated);
}

// How a damaged file decodes: a cut-off file gives its readable part as
// Partial (never Ok, so no caller takes it for whole); stray bytes after
// the scan lose nothing.
enum class Damage { None, CutInScan, NoEndMarker, StrayBytesBeforeEnd };

struct DamageCase {
    Damage damage;
    Status expected;
};

class LibraryJpegDamage : public ::testing::TestWithParam<DamageCase> {};

TEST_P(LibraryJpegDamage, TellsACutOffFileFromAWholeOne)
{
    std::vector<std::uint8_t> jpeg =
        test::encodeWithTurbo(test::makePhotoLike(64, 48, 9), 85, test::TurboSampling::S420, false);
    switch (GetParam().damage) {
    case Damage::None: break;
    case Damage::CutInScan: jpeg.resize(jpeg.size() * 2 / 3); break;
    case Damage::NoEndMarker: jpeg.resize(jpeg.size() - 2); break;
    case Damage::StrayBytesBeforeEnd: jpeg.insert(jpeg.end() - 2, {0x12, 0x34, 0x56}); break;
    }
    ImageBuffers buffers(64 * 48 * 3 + 256);
    EXPECT_EQ(decodeLibraryJpegBytes(jpeg, buffers.record()), GetParam().expected);
    EXPECT_EQ(buffers.record().width(), 64); // a picture either way
    EXPECT_EQ(buffers.record().height(), 48);
}

INSTANTIATE_TEST_SUITE_P(Table, LibraryJpegDamage,
                         ::testing::Values(DamageCase{Damage::None, Status::Ok},
                                           DamageCase{Damage::CutInScan, Status::Partial},
                                           DamageCase{Damage::NoEndMarker, Status::Partial},
                                           DamageCase{Damage::StrayBytesBeforeEnd, Status::Ok}));

TEST(PackedBitmap, CopiesARecordAndUnpacksItAgain)
{
    ImageBuffers buffers(1 << 16);
    ImageRecord& rec = buffers.record();
    rec.infoHeader = {40, 5, 3, 1, 8, 0, 0, 0, 0, 3, 0};
    for (int i = 0; i < 12; ++i)
        rec.palette[i] = static_cast<std::uint8_t>(i + 1);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            rec.row(y)[x] = static_cast<std::uint8_t>((x + y) % 3);

    auto block = IKCopyImage(viewOf(rec));
    ASSERT_TRUE(block.ok());
    EXPECT_EQ(block->bytes().size(), 40u + 12 + 8 * 3);
    ImageBuffers back(1 << 16);
    ASSERT_EQ(unpackToRecord(*block, back.record()), Status::Ok);
    EXPECT_EQ(back.record().infoHeader.width, 5);
    EXPECT_EQ(back.record().fileHeader.offBits, 54u + 12);
    EXPECT_TRUE(std::equal(rec.palette.begin(), rec.palette.begin() + 12, back.record().palette.begin()));
    EXPECT_TRUE(std::equal(rec.pixels.begin(), rec.pixels.begin() + 24, back.record().pixels.begin()));

    ImageBuffers tiny(8);
    EXPECT_EQ(unpackToRecord(*block, tiny.record()), Status::TooLarge);
    IKFreeMemory(*block);
    EXPECT_TRUE(block->empty());
    EXPECT_EQ(unpackToRecord(*block, back.record()), Status::Unsupported);
}

TEST(PackedBitmap, RefusesViewsWhoseBuffersAreShort)
{
    BitmapInfoHeader info{40, 100, 100, 1, 24, 0, 0, 0, 0, 0, 0};
    const std::vector<std::uint8_t> rows(100);
    EXPECT_EQ(IKCopyImage(BitmapView{info, {}, rows}).status(), Status::Corrupt);
    info.bitCount = 16;
    EXPECT_EQ(IKCopyImage(BitmapView{info, {}, rows}).status(), Status::Unsupported);
}

} // namespace
} // namespace pictra
