// PSD files exchanged with ImageMagick.
#include "core/codecs/psd/psd_file.h"

#include "codec_test_support.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace pictra {
namespace {

TEST(PsdInterop, ConvertAgreesWithUsBothWays)
{
    if (!test::haveTool(test::kConvert))
        GTEST_SKIP() << "ImageMagick convert is not installed";
    const std::string convert = test::kConvert;
    test::TempDir dir;
    const auto image = test::makePhotoLike(41, 13, 6);
    ImageBuffers buffers(test::kTestBufferBytes);
    test::fillRecord(image, buffers);
    ASSERT_EQ(writePsd(dir.file("ours.psd"), buffers.record()), Status::Ok);
    ASSERT_TRUE(test::runCommand(convert + " " + dir.file("ours.psd") + "[0] " + dir.file("back.ppm")));
    const auto back = test::fromPpm(test::readAll(dir.file("back.ppm")));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->rgb, image.rgb);

    test::writeAll(dir.file("in.ppm"), test::toPpm(image));
    for (const char* options : {"-compress RLE", "-compress none"}) {
        ASSERT_TRUE(test::runCommand(convert + " " + dir.file("in.ppm") + " " + options + " " + dir.file("theirs.psd")));
        ImageBuffers theirs(test::kTestBufferBytes);
        ASSERT_EQ(readPsd(dir.file("theirs.psd"), theirs.record()), Status::Ok) << options;
        EXPECT_EQ(test::fromRecord(theirs.record()).rgb, image.rgb) << options;
    }
}

} // namespace
} // namespace pictra
