// Lossless JPEG turns, the Exif block carried through, and safe replacement.
#include "core/filters/rotation.h"
#include "core/image_io/image_file_io.h"
#include "core/imaging_library/exif_info.h"
#include "core/imaging_library/jpeg_exif_segment.h"
#include "core/tools/jpeg_lossless.h"
#include "core/tools/picture_replacement.h"
#include "core/tools/tool_edit.h"
#include "core/util/byte_writer.h"
#include "core/util/file_io.h"
#include "support/synthetic_image.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include <sys/stat.h>

namespace pictra {
namespace {

using test::RgbImage;

// An APP1 Exif segment whose IFD0 holds only the orientation tag.
std::vector<std::uint8_t> exifSegment(int orientation, bool bigEndian)
{
    ByteWriter tiff;
    const auto u16 = [&](std::uint16_t v) { bigEndian ? tiff.u16be(v) : tiff.u16(v); };
    const auto u32 = [&](std::uint32_t v) { bigEndian ? tiff.u32be(v) : tiff.u32(v); };
    tiff.u8(bigEndian ? 'M' : 'I');
    tiff.u8(bigEndian ? 'M' : 'I');
    u16(42);
    u32(8);
    u16(1);
    u16(0x0112);
    u16(3);
    u32(1);
    u16(static_cast<std::uint16_t>(orientation));
    u16(0);
    u32(0);
    ByteWriter seg;
    seg.u8(0xFF);
    seg.u8(0xE1);
    seg.u16be(static_cast<std::uint16_t>(2 + 6 + tiff.size()));
    for (const char c : std::string_view("Exif\0\0", 6))
        seg.u8(static_cast<std::uint8_t>(c));
    seg.bytes(tiff.data());
    return seg.take();
}

// Top-down RGB turned a quarter counter-clockwise.
RgbImage turnedCounterClockwise(const RgbImage& in)
{
    RgbImage out{in.height, in.width, std::vector<std::uint8_t>(in.rgb.size())};
    for (int y = 0; y < in.height; ++y)
        for (int x = 0; x < in.width; ++x)
            for (int c = 0; c < 3; ++c)
                out.rgb[(static_cast<std::size_t>(in.width - 1 - x) * out.width + y) * 3 + c] =
                    in.rgb[(static_cast<std::size_t>(y) * in.width + x) * 3 + c];
    return out;
}

// The largest difference of two pictures' bytes. The decoder's integer
// IDCT rounds rows before columns, so a turned block decodes up to a step
// or two away from the turned decode; four turns give the very same blocks.
int largestDifference(const RgbImage& a, const RgbImage& b)
{
    if (a.width != b.width || a.height != b.height || a.rgb.size() != b.rgb.size())
        return 256;
    int most = 0;
    for (std::size_t i = 0; i < a.rgb.size(); ++i)
        most = std::max(most, std::abs(a.rgb[i] - b.rgb[i]));
    return most;
}

std::optional<int> orientationOf(const std::vector<std::uint8_t>& jpeg)
{
    const auto at = findExifSegment(jpeg);
    if (!at)
        return std::nullopt;
    return exifOrientation(ByteSpan(jpeg).subspan(at->offset, at->size));
}

// Room for the small pictures these tests turn.
constexpr std::size_t kLimit = 1 << 20;

TEST(JpegLossless, FourTurnsGiveTheOriginalPixelsAndOneTurnTheTurnedOnes)
{
    const std::vector<std::uint8_t> jpeg = encodeWithTurbo(test::makePhotoLike(64, 48), 85, test::TurboSampling::S420);
    const RgbImage original = test::decodeWithTurbo(jpeg);
    std::vector<std::uint8_t> bytes = jpeg;
    for (int i = 0; i < 4; ++i) {
        auto turned = transformJpegLossless(bytes, {1, false}, kLimit);
        ASSERT_TRUE(turned) << i;
        bytes = std::move(*turned);
        if (i == 0) {
            EXPECT_LE(largestDifference(test::decodeWithTurbo(bytes), turnedCounterClockwise(original)), 2);
        }
    }
    EXPECT_EQ(test::decodeWithTurbo(bytes).rgb, original.rgb);
}

TEST(JpegLossless, PartialEdgeBlocksAreRefusedNotTrimmed)
{
    const std::vector<std::uint8_t> jpeg = encodeWithTurbo(test::makePhotoLike(61, 45), 85, test::TurboSampling::S420);
    EXPECT_EQ(transformJpegLossless(jpeg, {1, false}, kLimit).status(), Status::Unsupported);
    EXPECT_TRUE(transformJpegLossless(jpeg, {3, true}, kLimit)); // a transpose never meets an edge block
    const std::vector<std::uint8_t> junk = {0xFF, 0xD8, 0xFF, 0xC0, 0, 2};
    EXPECT_EQ(transformJpegLossless(junk, {1, false}, kLimit).status(), Status::Corrupt);
}

TEST(JpegLossless, APictureOverTheLimitIsRefusedBeforeItIsRead)
{
    std::vector<std::uint8_t> jpeg = encodeWithTurbo(test::makePhotoLike(64, 48), 85, test::TurboSampling::S420);
    constexpr std::size_t kBytes = 64 * 3 * 48; // 24-bit rows of 192 bytes
    EXPECT_TRUE(transformJpegLossless(jpeg, {2, false}, kBytes));
    EXPECT_EQ(transformJpegLossless(jpeg, {2, false}, kBytes - 1).status(), Status::TooLarge);
    // A header claiming 60000 x 60000 pixels would have libjpeg-turbo ask for gigabytes.
    const std::uint8_t sof[] = {0xFF, 0xC0};
    const auto at = std::search(jpeg.begin(), jpeg.end(), std::begin(sof), std::end(sof));
    ASSERT_NE(at, jpeg.end());
    for (std::size_t i : {5u, 7u}) { // height, then width, after the length and precision
        at[static_cast<std::ptrdiff_t>(i)] = 0xEA;
        at[static_cast<std::ptrdiff_t>(i) + 1] = 0x60;
    }
    EXPECT_EQ(transformJpegLossless(jpeg, {1, false}, kLimit).status(), Status::TooLarge);
}

TEST(JpegLossless, FoldsTheExifOrientationIntoTheTurnAndResetsIt)
{
    const RgbImage image = test::makePhotoLike(64, 32);
    const std::vector<std::uint8_t> plain = encodeWithTurbo(image, 90, test::TurboSampling::S444);
    for (const bool bigEndian : {false, true}) {
        // Orientation 8: shown upright after a quarter turn counter-clockwise.
        const auto tagged = withExifSegment(plain, exifSegment(8, bigEndian));
        ASSERT_TRUE(tagged);
        EXPECT_EQ(orientationOf(*tagged), 8);
        const auto turned = transformJpegLossless(*tagged, {0, false}, kLimit);
        ASSERT_TRUE(turned);
        EXPECT_EQ(orientationOf(*turned), 1);
        EXPECT_LE(largestDifference(test::decodeWithTurbo(*turned), turnedCounterClockwise(test::decodeWithTurbo(plain))), 2);
    }
}

// The Exif segment of the camera sample (Korvale KV-10, 2004:05:06 07:08:09),
// or the same segment naming another maker ("Nikkoro").
std::vector<std::uint8_t> cameraExif(bool otherMaker = false)
{
    const auto sample = readFile(std::string(std::getenv("PICTRA_TEST_DATA")) + "/exif/korvale_kv10.jpg");
    if (!sample)
        return {};
    const auto at = findExifSegment(*sample);
    if (!at)
        return {};
    std::vector<std::uint8_t> segment(sample->begin() + static_cast<std::ptrdiff_t>(at->offset),
                                      sample->begin() + static_cast<std::ptrdiff_t>(at->offset + at->size));
    if (otherMaker) {
        const std::string_view from = "Korvale", to = "Nikkoro";
        const auto hit = std::search(segment.begin(), segment.end(), from.begin(), from.end());
        if (hit != segment.end())
            std::copy(to.begin(), to.end(), hit);
    }
    return segment;
}

std::string makerOf(const std::string& path)
{
    const Result<ExifInfo> info = IKJpegExifInfo(path);
    if (!info)
        return std::string(statusName(info.status()));
    std::string text = info->maker;
    text += ' ';
    text += info->dateTime;
    return text;
}

TEST(PictureReplacement, ReplacesThroughARenameAndLeavesNothingOnFailure)
{
    test::TempDir dir;
    const std::string photo = dir.file("photo.jpg");
    const auto tagged = withExifSegment(encodeWithTurbo(test::makePhotoLike(40, 30), 90, test::TurboSampling::S444),
                                        exifSegment(6, false));
    ASSERT_EQ(writeFile(photo, *tagged), Status::Ok);
    ::chmod(photo.c_str(), 0640);
    ImageBuffers buffers(1 << 20);
    test::fillRecord(test::makePhotoLike(30, 40, 9), buffers);
    ImageFileIO io;
    ASSERT_EQ(writePictureSafely(io, buffers.record(), photo), Status::Ok);
    const auto written = readFile(photo);
    ASSERT_TRUE(written);
    EXPECT_FALSE(findExifSegment(*written)); // the replaced file's camera data is not carried over
    EXPECT_EQ(test::decodeWithTurbo(*written).width, 30);
    struct stat st {};
    ASSERT_EQ(::stat(photo.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);

    // A picture that cannot be written leaves the original as it was and no temporary behind.
    buffers.record().clearHeaders();
    EXPECT_NE(writePictureSafely(io, buffers.record(), photo), Status::Ok);
    EXPECT_EQ(readFile(photo).value(), *written);
    int files = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path()))
        ++files;
    EXPECT_EQ(files, 1);
}

// What "変更", "追加" and pictra-cli edit write: the source's camera data
// (never the replaced file's), losslessly where a JPEG allows it.
TEST(PictureReplacement, EditedPicturesCarryTheSourcesExifAndTurnLosslesslyWherePossible)
{
    enum class Source { Camera, CameraOddSize, PlainJpeg, Bmp, Missing };
    struct Case {
        const char* name;
        Source source;
        const char* edit;
        bool replaceCameraFile; // the target exists and holds another camera's data
        bool allowReencode;
        EditWriting writing;
        const char* maker; // of the target afterwards
        bool asked;        // whether the re-encoding was asked about
    };
    const Case cases[] = {
        {"turn, camera", Source::Camera, "rotate=3", true, true, EditWriting::Lossless, "Korvale 2004:05:06 07:08:09", false},
        {"flip, camera", Source::Camera, "flip=h", false, true, EditWriting::Lossless, "Korvale 2004:05:06 07:08:09", false},
        {"turn, odd size", Source::CameraOddSize, "rotate=1", true, true, EditWriting::Reencoded, "Korvale 2004:05:06 07:08:09", true},
        {"turn, odd size, refused", Source::CameraOddSize, "rotate=1", true, false, EditWriting::Declined, "Nikkoro 2004:05:06 07:08:09", true},
        {"filter, camera over camera", Source::Camera, "negative", true, true, EditWriting::Reencoded, "Korvale 2004:05:06 07:08:09", false},
        {"filter, plain over camera", Source::PlainJpeg, "negative", true, true, EditWriting::Reencoded, "NotFound", false},
        {"turn, plain over camera", Source::PlainJpeg, "rotate=2", true, true, EditWriting::Lossless, "NotFound", false},
        {"bitmap over camera", Source::Bmp, "rotate=1", true, true, EditWriting::Reencoded, "NotFound", false},
        {"source gone", Source::Missing, "rotate=1", true, true, EditWriting::Reencoded, "NotFound", false},
    };
    const std::vector<std::uint8_t> camera = cameraExif();
    ASSERT_FALSE(camera.empty());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempDir dir;
        const bool odd = c.source == Source::CameraOddSize;
        const test::RgbImage image = test::makePhotoLike(odd ? 61 : 64, odd ? 45 : 48);
        const std::vector<std::uint8_t> plain = encodeWithTurbo(image, 90, test::TurboSampling::S420);
        std::string source = dir.file(c.source == Source::Bmp ? "source.bmp" : "source.jpg");
        ImageBuffers edited(1 << 20);
        test::fillRecord(image, edited);
        ImageFileIO io;
        Status made = Status::Ok;
        if (c.source == Source::Bmp)
            made = io.saveImage(source, edited.record());
        else if (c.source == Source::PlainJpeg)
            made = writeFile(source, plain);
        else if (c.source != Source::Missing)
            made = writeFile(source, withExifSegment(plain, camera).value());
        ASSERT_EQ(made, Status::Ok);
        const std::string target = dir.file("target.jpg");
        if (c.replaceCameraFile) {
            ASSERT_EQ(writeFile(target, withExifSegment(plain, cameraExif(true)).value()), Status::Ok);
            ::chmod(target.c_str(), 0640);
        }
        const auto edit = parseToolEdit(c.edit);
        ASSERT_TRUE(edit);
        ASSERT_EQ(applyToolEdit(*edit, edited.record()), Status::Ok);
        bool asked = false;
        const auto written = writeEditedPicture(io, *edit, edited.record(), source, target, [&] {
            asked = true;
            return c.allowReencode;
        });
        ASSERT_TRUE(written) << statusName(written.status());
        EXPECT_EQ(*written, c.writing);
        EXPECT_EQ(asked, c.asked);
        EXPECT_EQ(makerOf(target), c.maker);
        const auto bytes = readFile(target);
        ASSERT_TRUE(bytes);
        if (c.writing != EditWriting::Declined) {
            EXPECT_EQ(orientationOf(*bytes).value_or(1), 1);
        }
        struct stat st {};
        ASSERT_EQ(::stat(target.c_str(), &st), 0);
        if (c.replaceCameraFile) {
            EXPECT_EQ(st.st_mode & 0777, 0640u); // the replaced file's mode stays
        }
        int files = 0;
        for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path()))
            ++files;
        EXPECT_EQ(files, c.source == Source::Missing ? 1 : 2); // no temporary left

        if (c.writing == EditWriting::Lossless) {
            // The very blocks of the source, turned: decoding four such turns gives it back.
            std::vector<std::uint8_t> back = *bytes;
            for (int i = 0; i < 3; ++i)
                back = transformJpegLossless(back, transformOfEdit(*edit), kLimit).value();
            EXPECT_EQ(test::decodeWithTurbo(back).rgb, test::decodeWithTurbo(plain).rgb);
        }
        if (c.writing != EditWriting::Declined) {
            const test::RgbImage out = test::decodeWithTurbo(*bytes);
            EXPECT_EQ(out.width, edited.record().width());
            EXPECT_EQ(out.height, edited.record().height());
        }
    }

    // A re-encoded picture is upright, and says so.
    test::TempDir dir;
    const std::string turned = dir.file("turned.jpg");
    const test::RgbImage image = test::makePhotoLike(32, 16);
    ASSERT_EQ(writeFile(turned, withExifSegment(encodeWithTurbo(image, 90, test::TurboSampling::S444),
                                                exifSegment(6, true)).value()), Status::Ok);
    ImageBuffers edited(1 << 20);
    test::fillRecord(image, edited);
    ImageFileIO io;
    const auto written = writeEditedPicture(io, toolEditFor(ImageTool::Negative), edited.record(), turned, turned,
                                            [] { return false; });
    ASSERT_TRUE(written);
    EXPECT_EQ(*written, EditWriting::Reencoded);
    EXPECT_EQ(orientationOf(readFile(turned).value()), 1);
}

} // namespace
} // namespace pictra
