#include "core/album/create_album.h"
#include "core/album/store_copy_batch.h"
#include "core/util/file_io.h"
#include "core/util/paths.h"
#include "support/synthetic_image.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace pictra {
namespace {

class StoreCopyBatchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : {"a.jpg", "b.jpg", "c.jpg"}) {
            const auto jpeg = test::encodeWithTurbo(test::makePhotoLike(800, 600), 80, test::TurboSampling::S420);
            ASSERT_EQ(writeFile(dir.file(name), jpeg), Status::Ok);
        }
        test::writeBytes(dir.file("junk.jpg"), "not a picture");
        job.programFolder = dir.file("work");
        job.albumPath = dir.file("new.abm");
        job.bufferCap = 10'000'000;
    }

    test::TempDir dir;
    StoreCopyBatch job;
};

TEST_F(StoreCopyBatchTest, AnAlbumKeepsTheImagesWhoseCopiesWereMadeAndListsTheRest)
{
    const std::vector<std::string> images = {dir.file("a.jpg"), dir.file("junk.jpg"), dir.file("other/a.jpg"),
                                             dir.file("b.jpg")};
    auto report = createAlbumFile(job, images, [](const StoreCopyBatch& b) { return makeStoreCopiesInOrder(b); });
    ASSERT_TRUE(report.ok());
    EXPECT_EQ(report->added, 2);
    ASSERT_EQ(report->skipped.size(), 2u);
    EXPECT_EQ(report->skipped[0].sharesCopyWith, dir.file("a.jpg")); // the same name: refused before any work
    EXPECT_EQ(report->skipped[1].path, dir.file("junk.jpg"));
    EXPECT_EQ(report->skipped[1].status, Status::Corrupt);
    EXPECT_TRUE(fileExists(storeCopyPath(job.programFolder, job.albumPath, dir.file("b.jpg"))));
    EXPECT_TRUE(fileExists(job.albumPath));
}

TEST_F(StoreCopyBatchTest, AStoppedBatchMakesNoFurtherCopies)
{
    job.sources = {dir.file("a.jpg"), dir.file("b.jpg"), dir.file("c.jpg")};
    ASSERT_TRUE(makeFolders(StoreFolder(job.programFolder, job.albumPath)));
    const BatchResults results = makeStoreCopiesInOrder(job, [](std::size_t done) { return done < 2; });
    ASSERT_EQ(results.size(), 3u);
    EXPECT_EQ(results[0], Status::Ok);
    EXPECT_EQ(results[1], Status::Ok);
    EXPECT_FALSE(results[2].has_value());
    EXPECT_FALSE(fileExists(storeCopyPath(job.programFolder, job.albumPath, dir.file("c.jpg"))));
}

} // namespace
} // namespace pictra
