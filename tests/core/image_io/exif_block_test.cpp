#include "core/image_io/exif_block.h"

#include "core/image_io/image_file_io.h"
#include "core/util/file_io.h"
#include "support/synthetic_image.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace pictra {
namespace {

using namespace std::string_literals;
using Bytes = std::vector<std::uint8_t>;

// A small Exif body: a big-endian TIFF header and an IFD0 with one entry.
const std::string kTiff = "MM\0*\0\0\0\x08\0\x01\x01\x12\0\x03\0\0\0\x01\0\x06\0\0\0\0\0\0"s;

std::string be32(std::size_t v)
{
    return {static_cast<char>(v >> 24), static_cast<char>(v >> 16), static_cast<char>(v >> 8), static_cast<char>(v)};
}

std::string le32(std::size_t v)
{
    return {static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16), static_cast<char>(v >> 24)};
}

std::string jpegWith(const std::string& app1)
{
    const std::size_t length = app1.size() + 2;
    return "\xFF\xD8\xFF\xE0\0\x04\0\0\xFF\xE1"s + static_cast<char>(length >> 8) + static_cast<char>(length) + app1 +
           "\xFF\xDA\0\x02\xFF\xD9"s;
}

std::string pngChunk(const std::string& type, const std::string& data) { return be32(data.size()) + type + data + "CRC!"; }

std::string pngWith(const std::string& chunks)
{
    return "\x89PNG\r\n\x1A\n"s + pngChunk("IHDR", std::string(13, '\1')) + chunks + pngChunk("IEND", "");
}

std::string riffChunk(const std::string& fourCc, const std::string& data)
{
    return fourCc + le32(data.size()) + data + (data.size() % 2 ? "\0"s : ""s);
}

std::string webpWith(const std::string& chunks)
{
    const std::string body = "WEBP" + riffChunk("VP8X", std::string(10, '\0')) + chunks;
    return "RIFF" + le32(body.size()) + body;
}

Result<Bytes> exifOf(const std::string& file)
{
    return exifBlockOf(ByteSpan(reinterpret_cast<const std::uint8_t*>(file.data()), file.size()));
}

struct ExifCase {
    const char* what;
    std::string file;
    Status status;
};

class ExifBlockOf : public ::testing::TestWithParam<ExifCase> {};

TEST_P(ExifBlockOf, FindsTheBlockFromItsTiffHeader)
{
    const ExifCase& c = GetParam();
    const Result<Bytes> block = exifOf(c.file);
    ASSERT_EQ(block.status(), c.status) << c.what;
    if (block) {
        EXPECT_EQ(std::string(block->begin(), block->end()), kTiff) << c.what;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Formats, ExifBlockOf,
    ::testing::Values(
        ExifCase{"jpeg app1", jpegWith("Exif\0\0"s + kTiff), Status::Ok},
        ExifCase{"jpeg without exif", jpegWith("http://ns.adobe.com/xap/1.0/\0<x/>"s), Status::NotFound},
        ExifCase{"jpeg exif without a tiff header", jpegWith("Exif\0\0garbage!"s), Status::Corrupt},
        ExifCase{"png exif", pngWith(pngChunk("tEXt", "a\0b"s) + pngChunk("eXIf", kTiff)), Status::Ok},
        ExifCase{"png exif with the jpeg prefix", pngWith(pngChunk("eXIf", "Exif\0\0"s + kTiff)), Status::Ok},
        ExifCase{"png exif after the data", pngWith(pngChunk("IDAT", "xyz") + pngChunk("eXIf", kTiff)), Status::Ok},
        ExifCase{"png without exif", pngWith(pngChunk("IDAT", "xyz")), Status::NotFound},
        ExifCase{"png exif past IEND", pngWith("") + pngChunk("eXIf", kTiff), Status::NotFound},
        ExifCase{"png chunk longer than the file", pngWith(be32(4000) + "eXIf" + kTiff), Status::NotFound},
        ExifCase{"webp exif", webpWith(riffChunk("VP8L", "abc") + riffChunk("EXIF", kTiff)), Status::Ok},
        ExifCase{"webp exif with the jpeg prefix", webpWith(riffChunk("EXIF", "Exif\0\0"s + kTiff)), Status::Ok},
        ExifCase{"webp without exif", webpWith(riffChunk("VP8L", "abc")), Status::NotFound},
        ExifCase{"webp chunk longer than the file", webpWith("EXIF" + le32(1000) + kTiff), Status::NotFound},
        ExifCase{"bmp", "BM\x36\0\0\0\0\0\0\0"s, Status::NotFound},
        ExifCase{"not a picture", "hello"s, Status::NotFound}));

TEST(ExifBlockOfDamagedFiles, EveryTruncationAndFlipFailsCleanly)
{
    for (const std::string& whole :
         {jpegWith("Exif\0\0"s + kTiff), pngWith(pngChunk("eXIf", kTiff)), webpWith(riffChunk("EXIF", kTiff))}) {
        for (std::size_t n = 0; n < whole.size(); ++n) {
            const Result<Bytes> cut = exifOf(whole.substr(0, n));
            if (cut) {
                EXPECT_EQ(std::string(cut->begin(), cut->end()), kTiff);
            }
            std::string flipped = whole;
            flipped[n] = static_cast<char>(flipped[n] ^ 0xA5);
            const Result<Bytes> broken = exifOf(flipped);
            if (broken) {
                EXPECT_GE(broken->size(), 4u);
            }
        }
    }
}

TEST(ReadExifBlock, ReadsTheFileAndTellsAMissingOne)
{
    test::TempDir dir;
    test::writeBytes(dir.file("a.png"), pngWith(pngChunk("eXIf", kTiff)));
    const Result<Bytes> block = readExifBlock(dir.file("a.png"));
    ASSERT_TRUE(block);
    EXPECT_EQ(std::string(block->begin(), block->end()), kTiff);
    EXPECT_EQ(readExifBlock(dir.file("none.png")).status(), Status::NotFound);
}

// Files whose Exif was put in by independent tools: exiftool writes a PNG's
// eXIf chunk, webpmux a WebP's EXIF chunk (the block exiftool cuts out).
TEST(ReadExifBlock, FindsWhatExiftoolAndWebpmuxWrote)
{
    for (const char* tool : {"/usr/bin/exiftool", "/usr/bin/webpmux"})
        if (!fileExists(tool))
            GTEST_SKIP() << tool << " is not installed";
    test::TempDir dir;
    ImageBuffers buffers(1 << 16);
    test::fillRecord(test::makePhotoLike(4, 3), buffers);
    ImageFileIO io;
    ASSERT_EQ(io.saveImage(dir.file("a.png"), buffers.record()), Status::Ok);
    ASSERT_EQ(io.saveImage(dir.file("plain.webp"), buffers.record()), Status::Ok);
    const std::string commands =
        "/usr/bin/exiftool -q -overwrite_original -Orientation=6 -n -Make=Pictra " + dir.file("a.png") + " && " +
        "/usr/bin/exiftool -b -exif " + dir.file("a.png") + " > " + dir.file("exif.bin") + " && " +
        "/usr/bin/webpmux -set exif " + dir.file("exif.bin") + " " + dir.file("plain.webp") + " -o " + dir.file("a.webp");
    ASSERT_EQ(std::system(("(" + commands + ") >/dev/null 2>&1").c_str()), 0);
    const auto expected = readFile(dir.file("exif.bin"));
    ASSERT_TRUE(expected);
    ASSERT_GE(expected->size(), 8u);
    for (const char* name : {"a.png", "a.webp"}) {
        const Result<Bytes> block = readExifBlock(dir.file(name));
        ASSERT_TRUE(block) << name << " " << statusName(block.status());
        EXPECT_EQ(*block, *expected) << name;
    }
}

} // namespace
} // namespace pictra
