#include "core/album/store_copy.h"
#include "core/util/file_io.h"
#include "core/util/fixed_text.h"
#include "core/util/paths.h"
#include "support/synthetic_image.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace pictra {
namespace {

class StoreCopyTest : public ::testing::Test {
protected:
    void writeJpeg(const std::string& path, int width, int height)
    {
        const auto jpeg = test::encodeWithTurbo(test::makePhotoLike(width, height), 80, test::TurboSampling::S420);
        test::writeBytes(path, std::string(jpeg.begin(), jpeg.end()));
    }

    test::TempDir dir;
    std::string program = dir.file("prog");
    std::string album = dir.file("albums/trip.abm");
    ImageBuffers buffers{1600 * 1200 * 3};
    ImageFileIO io;
};

TEST_F(StoreCopyTest, MakesAReducedCopyNamedAfterTheImage)
{
    const std::string source = dir.file("pics/beach.jpg");
    writeJpeg(source, 1600, 1200);
    ASSERT_EQ(makeStoreCopy(io, buffers.record(), program, album, source), Status::Ok);
    const std::string copy = program + "/CMP/trip/beach.jpg";
    ASSERT_EQ(storeCopyPath(program, album, source), copy);
    ASSERT_TRUE(fileExists(copy));

    ImageBuffers loaded(1 << 20);
    ASSERT_EQ(loadStoreCopy(io, loaded.record(), program, album, source), Status::Ok);
    EXPECT_EQ(loaded.record().width(), 533);
    EXPECT_EQ(loaded.record().height(), 400);
}

TEST_F(StoreCopyTest, ReportsEveryFailureInsteadOfSuccess)
{
    EXPECT_EQ(makeStoreCopy(io, buffers.record(), program, album, ""), Status::InvalidArgument);
    EXPECT_EQ(makeStoreCopy(io, buffers.record(), program, album, dir.file("gone.jpg")), Status::NotFound);
    test::writeBytes(dir.file("junk.jpg"), "not a picture at all");
    EXPECT_NE(makeStoreCopy(io, buffers.record(), program, album, dir.file("junk.jpg")), Status::Ok);
    EXPECT_FALSE(fileExists(program + "/CMP/trip/junk.jpg"));

    // The store folder cannot be made where a file already sits.
    writeJpeg(dir.file("ok.jpg"), 64, 48);
    test::writeBytes(dir.file("blocked/CMP"), "file, not folder");
    EXPECT_EQ(makeStoreCopy(io, buffers.record(), dir.file("blocked"), album, dir.file("ok.jpg")), Status::IoError);
    EXPECT_EQ(replaceStoreCopy(io, buffers.record(), program, album, ""), Status::InvalidArgument);
}

TEST_F(StoreCopyTest, ACutOffSourceGivesACopyButSaysSo)
{
    const std::string source = dir.file("pics/cut.jpg");
    auto jpeg = test::encodeWithTurbo(test::makePhotoLike(800, 600), 80, test::TurboSampling::S420);
    jpeg.resize(jpeg.size() / 2);
    test::writeBytes(source, std::string(jpeg.begin(), jpeg.end()));
    EXPECT_EQ(makeStoreCopy(io, buffers.record(), program, album, source), Status::Partial);
    EXPECT_TRUE(fileExists(program + "/CMP/trip/cut.jpg")); // the user may still take it
    ImageBuffers whole(1600 * 1200 * 3);
    EXPECT_EQ(io.loadImage(source, whole.record()), Status::Partial);
    EXPECT_EQ(whole.record().width(), 800);
}

TEST_F(StoreCopyTest, ReplaceReducesTheGivenPictureAndOverwrites)
{
    const std::string source = dir.file("cat.bmp");
    test::fillRecord(test::makePhotoLike(1280, 960), buffers);
    ASSERT_EQ(replaceStoreCopy(io, buffers.record(), program, album, source), Status::Ok);
    EXPECT_EQ(buffers.record().width(), 640);
    ImageBuffers loaded(1 << 20);
    ASSERT_EQ(io.loadImage(program + "/CMP/trip/cat.jpg", loaded.record()), Status::Ok);
    EXPECT_EQ(loaded.record().height(), 480);
}

TEST_F(StoreCopyTest, LoadNeedsTheSourceFileEvenWhenTheCopyExists)
{
    const std::string source = dir.file("dog.jpg");
    writeJpeg(source, 100, 80);
    ASSERT_EQ(makeStoreCopy(io, buffers.record(), program, album, source), Status::Ok);
    std::remove(source.c_str());
    ASSERT_TRUE(fileExists(program + "/CMP/trip/dog.jpg"));
    EXPECT_EQ(loadStoreCopy(io, buffers.record(), program, album, source), Status::NotFound);
    EXPECT_EQ(buffers.record().width(), 0);
}

TEST(StoreNameClash, RefusesOnlyADifferentFileWithTheSameBaseName)
{
    std::vector<ImageEntry> entries(2);
    setFieldText(entries[0].path, "/pics/a/beach.jpg");
    setFieldText(entries[1].path, "C:\\old\\cat.BMP");
    EXPECT_EQ(storeNameClash(entries, "/pics/b/beach.jpg"), "/pics/a/beach.jpg");
    EXPECT_EQ(storeNameClash(entries, "/pics/a/beach.tif"), "/pics/a/beach.jpg");
    EXPECT_EQ(storeNameClash(entries, "/x/cat.jpg"), "C:\\old\\cat.BMP");
    EXPECT_EQ(storeNameClash(entries, "/pics/a/beach.jpg"), std::nullopt); // the same file again
    EXPECT_EQ(storeNameClash(entries, "/pics/a/Beach.jpg"), std::nullopt); // another name on Linux
    EXPECT_EQ(storeNameClash({}, "/pics/a/beach.jpg"), std::nullopt);
}

} // namespace
} // namespace pictra
