// pictra-cli end to end: the built binary run as scripts would run it.
#include "cli_fixture.h"

#include "core/image_io/image_file_io.h"
#include "core/util/byte_reader.h"
#include "core/util/file_io.h"
#include "support/synthetic_image.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace pictra {
namespace {

TEST_F(PictraCli, CreatesListsAndExtractsAnAlbumOfEveryFormat)
{
    std::vector<std::string> images = writeImages({"big.jpg"}, 1600, 1200);
    for (const std::string& p : writeImages({"pic.bmp", "pic2.tif", "pic3.psd", "pic4.pcx"}, 321, 203))
        images.push_back(p);
    const std::string album = dir.file("trip.abm");
    std::string args = "create " + album;
    for (const std::string& p : images)
        args += " " + p;
    args += " " + dir.file("src/missing.jpg");

    const CliRun created = cli(args);
    EXPECT_EQ(created.exitCode, 3) << created.err; // done, one image skipped
    EXPECT_NE(created.err.find("missing.jpg"), std::string::npos) << created.err;

    const CliRun info = cli("info --json " + album);
    ASSERT_EQ(info.exitCode, 0) << info.err;
    EXPECT_NE(info.out.find("\"count\": 5"), std::string::npos) << info.out;
    for (const std::string& p : images)
        EXPECT_NE(info.out.find("\"path\": \"" + p + "\""), std::string::npos) << p;

    const CliRun extracted = cli("extract " + album + " " + dir.file("out"));
    ASSERT_EQ(extracted.exitCode, 0) << extracted.err;
    for (const char* name : {"big", "pic", "pic2", "pic3", "pic4"}) {
        auto jpeg = readFile(dir.file("out/" + std::string(name) + ".jpg"));
        ASSERT_TRUE(jpeg.ok()) << name;
        const test::RgbImage copy = test::decodeWithTurbo(*jpeg);
        EXPECT_GT(copy.width, 0) << name;
        EXPECT_LE(copy.width, 640) << name;
        EXPECT_LE(copy.height, 480) << name;
    }
    EXPECT_EQ(test::decodeWithTurbo(*readFile(dir.file("out/big.jpg"))).width, 533);
}

TEST_F(PictraCli, AlbumFileBytesFollowTheAlbumFormat)
{
    const std::vector<std::string> images = writeImages({"a.jpg", "b.bmp"}, 64, 48);
    const std::string album = dir.file("two.abm");
    ASSERT_EQ(cli("create " + album + " " + images[0] + " " + images[1]).exitCode, 0);
    auto bytes = readFile(album);
    ASSERT_TRUE(bytes.ok());
    ByteReader in(*bytes);
    EXPECT_EQ(in.fixedString(100), "Pictra version1.0");
    ASSERT_EQ(in.i32(), 2);
    for (int i = 0; i < 2; ++i) {
        in.seek(104 + static_cast<std::size_t>(i) * 2162);
        EXPECT_EQ(in.fixedString(360), images[static_cast<std::size_t>(i)]);
        in.skip(4);
        EXPECT_EQ(in.i16(), 0); // a new entry has no date yet
    }
    in.seek(104 + 2 * 2162);
    for (int i = 0; i < 2; ++i) {
        const auto length = static_cast<std::size_t>(in.i32());
        const ByteSpan jpeg = in.view(length);
        ASSERT_EQ(jpeg.size(), length);
        EXPECT_EQ(jpeg[0], 0xFF);
        EXPECT_EQ(jpeg[1], 0xD8);
    }
    EXPECT_EQ(in.remaining(), 0u);
    EXPECT_FALSE(in.truncated());
}

TEST_F(PictraCli, RefusesBadArgumentsAndInputsWithClearExitCodes)
{
    EXPECT_EQ(cli("").exitCode, 2);
    EXPECT_EQ(cli("--help").exitCode, 0);
    EXPECT_EQ(cli("frobnicate").exitCode, 2);
    EXPECT_EQ(cli("info").exitCode, 2);
    const CliRun missing = cli("info " + dir.file("none.abm"));
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("none.abm"), std::string::npos);
    test::writeBytes(dir.file("junk.abm"), "Pictra version1.0X");
    EXPECT_EQ(cli("info " + dir.file("junk.abm")).exitCode, 1);
    test::writeBytes(dir.file("exists.abm"), "keep me");
    EXPECT_EQ(cli("create " + dir.file("exists.abm")).exitCode, 1);
    EXPECT_EQ(*readFile(dir.file("exists.abm")), std::vector<std::uint8_t>({'k', 'e', 'e', 'p', ' ', 'm', 'e'}));
    EXPECT_EQ(cli("convert " + dir.file("none.jpg") + " " + dir.file("x.bmp")).exitCode, 1);

    // A second image whose store copy would overwrite the first one's.
    const std::string first = writeImages({"same.jpg"}, 16, 16)[0];
    const std::string other = dir.file("other/same.bmp");
    ASSERT_TRUE(makeFolders(dir.file("other")));
    ASSERT_EQ(cli("convert " + first + " " + other).exitCode, 0);
    const CliRun clash = cli("create " + dir.file("clash.abm") + " " + first + " " + other + " " + first);
    EXPECT_EQ(clash.exitCode, 3);
    EXPECT_NE(clash.err.find("clashes with " + first), std::string::npos) << clash.err;
    EXPECT_NE(cli("info " + dir.file("clash.abm")).out.find("images: 2"), std::string::npos);
}

TEST_F(PictraCli, ConvertsBetweenFormatsWithEitherJpegCodec)
{
    const std::vector<std::string> images = writeImages({"a.bmp"}, 99, 41);
    for (const char* codec : {"library", "own"}) {
        const std::string jpeg = dir.file(std::string(codec) + ".jpg");
        const std::string back = dir.file(std::string(codec) + ".tif");
        ASSERT_EQ(cli(std::string("convert --codec ") + codec + " " + images[0] + " " + jpeg).exitCode, 0) << codec;
        ASSERT_EQ(cli(std::string("convert --codec ") + codec + " " + jpeg + " " + back).exitCode, 0) << codec;
        ImageBuffers buffers(1 << 20);
        ImageFileIO io;
        ASSERT_EQ(io.loadImage(back, buffers.record()), Status::Ok) << codec;
        EXPECT_EQ(buffers.record().width(), 99);
    }
}

TEST_F(PictraCli, EditsAFileWithOneToolAndRefusesUnknownTools)
{
    const std::vector<std::string> images = writeImages({"a.bmp"}, 9, 5);
    const std::string turned = dir.file("turned.bmp");
    ASSERT_EQ(cli("edit rotate=1 " + images[0] + " " + turned).exitCode, 0);
    ImageBuffers source(1 << 16), result(1 << 16);
    ImageFileIO io;
    ASSERT_EQ(io.loadImage(images[0], source.record()), Status::Ok);
    ASSERT_EQ(io.loadImage(turned, result.record()), Status::Ok);
    ASSERT_EQ(result.record().width(), 5);
    // A quarter turn counter-clockwise: the old right column is the new top row.
    const std::uint8_t* topRight = source.record().row(4) + 8 * 3;
    const std::uint8_t* newTopLeft = result.record().row(8);
    EXPECT_EQ(std::vector<std::uint8_t>(topRight, topRight + 3), std::vector<std::uint8_t>(newTopLeft, newTopLeft + 3));

    const std::string negative = dir.file("neg.bmp");
    ASSERT_EQ(cli("edit negative " + images[0] + " " + negative).exitCode, 0);
    ASSERT_EQ(io.loadImage(negative, result.record()), Status::Ok);
    EXPECT_EQ(result.record().row(0)[0], 255 - source.record().row(0)[0]);

    EXPECT_EQ(cli("edit rgb=150,0,0 " + images[0] + " " + negative).exitCode, 2);
    EXPECT_EQ(cli("edit sharpen " + images[0] + " " + negative).exitCode, 2);
    EXPECT_EQ(cli("edit noise " + dir.file("none.bmp") + " " + negative).exitCode, 1);
}

TEST_F(PictraCli, PrintsTheExifPage)
{
    const std::string sample = std::string(std::getenv("PICTRA_TEST_DATA")) + "/exif/korvale_kv10.jpg";
    const CliRun exif = cli("exif " + sample);
    ASSERT_EQ(exif.exitCode, 0) << exif.err;
    EXPECT_EQ(exif.out.rfind("■メーカー\nKorvale\n■機種\nKV-10\n■日時\n2004:05:06 07:08:09\n", 0), 0u) << exif.out;
    EXPECT_NE(exif.out.find("■測光方式\n分割測光\n"), std::string::npos);
    const auto plain = test::encodeWithTurbo(test::makePhotoLike(8, 8), 80, test::TurboSampling::S420);
    test::writeBytes(dir.file("plain.jpg"), std::string(plain.begin(), plain.end()));
    const CliRun none = cli("exif " + dir.file("plain.jpg"));
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_NE(none.err.find("no Exif"), std::string::npos);
}

TEST_F(PictraCli, SearchesAFolderOrAnAlbum)
{
    test::writeBytes(dir.file("tree/IMG0001.JPG"), "x");
    test::writeBytes(dir.file("tree/sub/IMG3.tif"), "x");
    test::writeBytes(dir.file("tree/sub/img2.bmp"), "x");

    const CliRun typed = cli("search --pattern IMG " + dir.file("tree/sub"));
    EXPECT_EQ(typed.exitCode, 0) << typed.err;
    EXPECT_EQ(typed.out, dir.file("tree/sub/img2.bmp") + "\n");

    const CliRun all = cli("search " + dir.file("tree"));
    EXPECT_EQ(all.exitCode, 0) << all.err;
    EXPECT_NE(all.out.find(dir.file("tree/sub/IMG3.tif") + "\n"), std::string::npos);
    EXPECT_NE(all.out.find(dir.file("tree/IMG0001.JPG") + "\n"), std::string::npos);

    const std::vector<std::string> images = writeImages({"kyoto.jpg", "nara.bmp"}, 64, 48);
    const std::string album = dir.file("trip.abm");
    ASSERT_EQ(cli("create " + album + " " + images[0] + " " + images[1]).exitCode, 0);
    EXPECT_EQ(cli("search --pattern KYOTO " + album).out, images[0] + "\n");

    EXPECT_EQ(cli("search " + dir.file("tree/IMG0001.JPG")).exitCode, 1); // not an album
    EXPECT_EQ(cli("search " + dir.file("missing")).exitCode, 1);
    EXPECT_EQ(cli("search").exitCode, 2);
    EXPECT_EQ(cli("search --pattern").exitCode, 2);
    EXPECT_EQ(cli("search a b").exitCode, 2);
}

} // namespace
} // namespace pictra
