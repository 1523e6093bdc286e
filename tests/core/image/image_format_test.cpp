#include "core/image/image_format.h"
#include "core/image/image_format_sniff.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>
#include <vector>

namespace pictra {
namespace {

using namespace std::string_literals;

TEST(FormatTable, NamesEachFormatOnceWithItsOwnExtensions)
{
    std::set<ImageFormat> formats;
    std::set<std::string_view> extensions;
    for (const ImageFormatInfo& info : imageFormats()) {
        EXPECT_TRUE(formats.insert(info.format).second) << info.name;
        EXPECT_FALSE(info.name.empty());
        EXPECT_FALSE(info.mimeTypes.empty()) << info.name;
        ASSERT_FALSE(info.extensions.empty()) << info.name;
        for (std::string_view ext : info.extensions) {
            EXPECT_TRUE(extensions.insert(ext).second) << ext;
            EXPECT_TRUE(std::none_of(ext.begin(), ext.end(), [](char c) { return c == '.' || std::isupper(c); }))
                << ext;
            EXPECT_EQ(formatOfExtension(ext), info.format) << ext;
            EXPECT_EQ(loadFormatOf("/a/b." + std::string(ext)), info.readable ? info.format : ImageFormat::Unknown);
            EXPECT_EQ(saveFormatOf("/a/b." + std::string(ext)), info.writable ? info.format : ImageFormat::Unknown);
        }
        EXPECT_EQ(formatInfo(info.format), &info);
    }
    EXPECT_EQ(formatInfo(ImageFormat::Unknown), nullptr);
    EXPECT_EQ(formats.size(), 11u);
}

TEST(FormatTable, ListsWhatIsReadWrittenAndItsMimeTypes)
{
    const std::vector<std::string_view> readable = readableExtensions();
    const std::vector<std::string_view> writable = writableExtensions();
    for (const char* ext : {"bmp", "jpg", "jpeg", "tif", "tiff", "psd", "pcx", "png", "gif", "webp", "heic", "heif",
                            "avif", "jxl"})
        EXPECT_EQ(std::count(readable.begin(), readable.end(), ext), 1) << ext;
    EXPECT_EQ(writable, (std::vector<std::string_view>{"bmp", "jpg", "jpeg", "tif", "tiff", "psd", "pcx", "png",
                                                       "webp"}));
    const std::vector<std::string_view> mimes = readableMimeTypes();
    for (const char* mime : {"image/jpeg", "image/png", "image/gif", "image/webp", "image/heic", "image/heif",
                             "image/avif", "image/jxl", "image/bmp", "image/tiff"})
        EXPECT_EQ(std::count(mimes.begin(), mimes.end(), mime), 1) << mime;
}

struct NameCase {
    const char* path;
    ImageFormat load;
    ImageFormat save;
};

class FormatByName : public ::testing::TestWithParam<NameCase> {};

TEST_P(FormatByName, ChoosesReaderAndWriter)
{
    const NameCase c = GetParam();
    EXPECT_EQ(loadFormatOf(c.path), c.load);
    EXPECT_EQ(saveFormatOf(c.path), c.save);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FormatByName,
    ::testing::Values(NameCase{"/a/b.bmp", ImageFormat::Bmp, ImageFormat::Bmp},
                      NameCase{"/a/B.JPG", ImageFormat::Jpeg, ImageFormat::Jpeg},
                      NameCase{"/a/b.Jpeg", ImageFormat::Jpeg, ImageFormat::Jpeg},
                      NameCase{"/a/b.tiff", ImageFormat::Tiff, ImageFormat::Tiff},
                      NameCase{"/a/b.PSD", ImageFormat::Psd, ImageFormat::Psd},
                      NameCase{"/a/b.pcx", ImageFormat::Pcx, ImageFormat::Pcx},
                      NameCase{"/a/b.PNG", ImageFormat::Png, ImageFormat::Png},
                      NameCase{"/a/b.webp", ImageFormat::Webp, ImageFormat::Webp},
                      NameCase{"/a/b.gif", ImageFormat::Gif, ImageFormat::Unknown},
                      NameCase{"/a/IMG_1.HEIC", ImageFormat::Heif, ImageFormat::Unknown},
                      NameCase{"/a/b.heif", ImageFormat::Heif, ImageFormat::Unknown},
                      NameCase{"/a/b.avif", ImageFormat::Avif, ImageFormat::Unknown},
                      NameCase{"/a/b.jxl", ImageFormat::Jxl, ImageFormat::Unknown},
                      NameCase{"/a/jpg", ImageFormat::Unknown, ImageFormat::Unknown},
                      NameCase{"/a.jpg/b", ImageFormat::Unknown, ImageFormat::Unknown},
                      NameCase{"C:\\a.jpg\\b", ImageFormat::Unknown, ImageFormat::Unknown},
                      NameCase{"/a/b.jpg.txt", ImageFormat::Unknown, ImageFormat::Unknown},
                      NameCase{"/a/b.", ImageFormat::Unknown, ImageFormat::Unknown}));

struct SniffCase {
    const char* what;
    std::string head;
    ImageFormat format;
};

// An ISO-BMFF head: an ftyp box of the given brands, then the start of a meta box.
std::string ftyp(const std::string& major, const std::vector<std::string>& compatible)
{
    const std::size_t size = 16 + 4 * compatible.size();
    std::string box = {'\0', '\0', '\0', static_cast<char>(size)};
    box += "ftyp" + major + "\0\0\0\0"s;
    for (const std::string& brand : compatible)
        box += brand;
    return box + "\0\0\0\x40meta"s;
}

class FormatBySniff : public ::testing::TestWithParam<SniffCase> {};

TEST_P(FormatBySniff, RecognisesTheFirstBytes)
{
    const SniffCase& c = GetParam();
    const auto* data = reinterpret_cast<const std::uint8_t*>(c.head.data());
    EXPECT_EQ(sniffFormat(ByteSpan(data, c.head.size())), c.format) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, FormatBySniff,
    ::testing::Values(
        SniffCase{"jpeg", "\xFF\xD8\xFF\xE1\0\x10"s, ImageFormat::Jpeg},
        SniffCase{"png", "\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR"s, ImageFormat::Png},
        SniffCase{"gif87", "GIF87a\x10\0"s, ImageFormat::Gif},
        SniffCase{"gif89", "GIF89a"s, ImageFormat::Gif},
        SniffCase{"webp", "RIFF\x24\0\0\0WEBPVP8 "s, ImageFormat::Webp},
        SniffCase{"riff wave", "RIFF\x24\0\0\0WAVEfmt "s, ImageFormat::Unknown},
        SniffCase{"heic", ftyp("heic", {"mif1", "heic"}), ImageFormat::Heif},
        SniffCase{"heif by compatible brand", ftyp("isom", {"mif1"}), ImageFormat::Heif},
        SniffCase{"avif", ftyp("avif", {"mif1", "miaf"}), ImageFormat::Avif},
        SniffCase{"avif listed after mif1", ftyp("mif1", {"avif"}), ImageFormat::Avif},
        SniffCase{"avif sequence", ftyp("avis", {"msf1"}), ImageFormat::Avif},
        SniffCase{"mp4 video", ftyp("isom", {"iso2", "mp41"}), ImageFormat::Unknown},
        SniffCase{"brand beyond its box", "\0\0\0\x10" "ftypisom\0\0\0\0heic"s, ImageFormat::Unknown},
        SniffCase{"cut-off ftyp", "\0\0\0\x18" "fty"s, ImageFormat::Unknown},
        SniffCase{"jxl codestream", "\xFF\x0A\xFA\x7F"s, ImageFormat::Jxl},
        SniffCase{"jxl container", "\0\0\0\x0CJXL \r\n\x87\n\0\0\0\x14" "ftypjxl "s, ImageFormat::Jxl},
        SniffCase{"bmp", "BM\x36\0\0\0"s, ImageFormat::Bmp},
        SniffCase{"tiff intel", "II*\0\x08\0\0\0"s, ImageFormat::Tiff},
        SniffCase{"tiff motorola", "MM\0*\0\0\0\x08"s, ImageFormat::Tiff},
        SniffCase{"psd", "8BPS\0\x01"s, ImageFormat::Psd},
        SniffCase{"pcx", "\x0A\x05\x01\x08"s, ImageFormat::Pcx},
        SniffCase{"text starting with a newline", "\nhello"s, ImageFormat::Unknown},
        SniffCase{"one byte of a jpeg", "\xFF"s, ImageFormat::Unknown},
        SniffCase{"empty", ""s, ImageFormat::Unknown}));

} // namespace
} // namespace pictra
