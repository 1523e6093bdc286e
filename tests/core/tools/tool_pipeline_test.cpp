// The tools' in-memory pipeline: edits from a kept source, the scratch file
// checked before use, and pictures brought to 24 bits.
#include "core/codecs/bmp/bmp_file.h"
#include "core/tools/picture24.h"
#include "core/tools/tool_pipeline.h"
#include "core/util/file_io.h"
#include "support/synthetic_image.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace pictra {
namespace {

TEST(ToolPipeline, EditsNeverCompoundAndFourTurnsReturnTheSource)
{
    ImageBuffers source(1 << 16);
    test::fillRecord(test::makePhotoLike(7, 5), source);
    ImageBuffers result(toolResultBytes(source.record()));
    const ToolEdit negative = toolEditFor(ImageTool::Negative);
    ASSERT_EQ(computeToolEdit(source.record(), negative, result.record()), Status::Ok);
    ASSERT_EQ(computeToolEdit(source.record(), negative, result.record()), Status::Ok);
    EXPECT_EQ(test::fromRecord(result.record()).rgb[0], 255 - test::fromRecord(source.record()).rgb[0]);

    ImageBuffers turned(toolResultBytes(source.record()));
    ASSERT_EQ(copyPicture(source.record(), turned.record()), Status::Ok);
    ImageBuffers next(toolResultBytes(source.record()));
    ToolEdit turn = toolEditFor(ImageTool::Rotate);
    turn.rotationStep = 1;
    for (int i = 0; i < 4; ++i) {
        ASSERT_EQ(computeToolEdit(turned.record(), turn, next.record()), Status::Ok);
        ASSERT_EQ(copyPicture(next.record(), turned.record()), Status::Ok);
    }
    EXPECT_EQ(test::fromRecord(turned.record()).rgb, test::fromRecord(source.record()).rgb);
}

TEST(ToolPipeline, AScratchFileThatDiffersFromTheResultIsRefused)
{
    test::TempDir dir;
    ImageBuffers result(1 << 16);
    test::fillRecord(test::makePhotoLike(6, 4), result);
    const std::string scratch = dir.file("TEMP/_rgb.dat");
    ASSERT_EQ(writeScratch(scratch, result.record()), Status::Ok);
    ImageBuffers back(1 << 16);
    EXPECT_EQ(readScratchBack(scratch, result.record(), back.record()), Status::Ok);

    auto bytes = readFile(scratch).value();
    bytes[60] ^= 0xFF;
    ASSERT_EQ(writeFile(scratch, bytes), Status::Ok);
    EXPECT_EQ(readScratchBack(scratch, result.record(), back.record()), Status::Corrupt);
    bytes.resize(70);
    ASSERT_EQ(writeFile(scratch, bytes), Status::Ok);
    EXPECT_NE(readScratchBack(scratch, result.record(), back.record()), Status::Ok);
    EXPECT_EQ(readScratchBack(dir.file("gone.dat"), result.record(), back.record()), Status::NotFound);
}

TEST(Picture24, PalettedPicturesAreExpanded)
{
    ImageBuffers buffers(1 << 12);
    ImageRecord& r = buffers.record();
    ASSERT_EQ(r.setup24(10, 2), Status::Ok);
    r.infoHeader.bitCount = 1;
    const std::uint8_t palette[8] = {10, 20, 30, 0, 200, 210, 220, 0};
    std::copy(std::begin(palette), std::end(palette), r.palette.begin());
    r.row(0)[0] = 0b1010'0000; // bottom row: pixels 0 and 2 take entry 1
    r.row(0)[1] = 0b0100'0000; // pixel 9
    r.row(1)[0] = 0;
    r.row(1)[1] = 0;
    ASSERT_EQ(convertTo24(r), Status::Ok);
    EXPECT_EQ(r.bitCount(), 24);
    EXPECT_EQ(r.row(0)[0], 200);
    EXPECT_EQ(r.row(0)[3], 10);
    EXPECT_EQ(r.row(0)[6 + 2], 220);
    EXPECT_EQ(r.row(0)[27 + 1], 210);
    EXPECT_EQ(r.row(1)[27], 10);
    EXPECT_EQ(convertTo24(r), Status::Ok); // 24-bit stays

    r.infoHeader.bitCount = 16;
    EXPECT_EQ(convertTo24(r), Status::Unsupported);
}

} // namespace
} // namespace pictra
