#include "core/album/album_read.h"
#include "core/album/album_write.h"

#include "core/album/album_file.h"

#include "album_test_support.h"
#include "support/status_print.h"
#include "core/util/file_io.h"
#include "core/util/fixed_text.h"
#include "core/util/paths.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>

namespace pictra {
namespace {

using test::AlbumSpec;
using test::readText;

class AlbumReadWrite : public ::testing::Test {
protected:
    std::string writeAlbumFile(const std::string& name, const std::vector<AlbumSpec>& images)
    {
        const std::string path = ws.file(name);
        const auto bytes = test::albumFileBytes(images);
        test::writeBytes(path, std::string(bytes.begin(), bytes.end()));
        return path;
    }
    std::string copyOf(const std::string& album, const std::string& source) const
    {
        return storeCopyPath(ws.programFolder, album, source);
    }
    std::vector<AlbumSpec> threeImages()
    {
        test::writeBytes(ws.file("src/a.jpg"), "source a");
        test::writeBytes(ws.file("src/c.jpg"), "source c");
        return {{ws.file("src/a.jpg"), "JPEG-A", "阿部"}, {ws.file("moved/b.jpg"), "JPEG-BB", ""},
                {ws.file("src/c.jpg"), "JPEG-CCC", "memo"}};
    }
    test::AlbumWorkspace ws;
};

// Bytes equal apart from the identity stamps of `count` entries.
void expectSameExceptStamps(std::string a, std::string b, int count)
{
    ASSERT_EQ(a.size(), b.size());
    for (int i = 0; i < count; ++i) {
        const std::size_t at = 104 + static_cast<std::size_t>(i) * kImageEntryBytes + 360;
        a.replace(at, 4, 4, '\0');
        b.replace(at, 4, 4, '\0');
    }
    EXPECT_TRUE(a == b);
}

TEST_F(AlbumReadWrite, ReadFillsTheWorkingCopyAndItsSlotAndExtractsTheStoreCopies)
{
    const std::string path = writeAlbumFile("trip.abm", threeImages());
    auto report = readAlbum(*ws.table, ws.programFolder, path, 5000);
    ASSERT_TRUE(report) << statusName(report.status());
    const AlbumRecord& w = ws.table->working;
    EXPECT_EQ(fieldText(w.path), path);
    EXPECT_EQ(w.imageCount, 3);
    EXPECT_EQ(w.images[2].stamp, 5002); // stamps in the file are replaced
    EXPECT_EQ(w.images[0].year, 2001);
    EXPECT_EQ(fieldText(w.images[0].author), "阿部");
    EXPECT_EQ(ws.table->windowSlots[0].imageCount, 3);
    EXPECT_EQ(fieldText(ws.table->windowSlots[0].path), path);
    EXPECT_EQ(readText(copyOf(path, ws.file("moved/b.jpg"))), "JPEG-BB");
    EXPECT_EQ(report->missingSources.paths(), std::vector<std::string>{ws.file("moved/b.jpg")});
    EXPECT_EQ(report->missingIndices, std::vector<int>{1});
    EXPECT_FALSE(folderExists(ws.programFolder + "/CMP/新規-1")); // the empty window's folder went
}

TEST_F(AlbumReadWrite, ReadThenWriteGivesTheSameBytesExceptTheStamps)
{
    const std::string path = writeAlbumFile("trip.abm", threeImages());
    ASSERT_TRUE(readAlbum(*ws.table, ws.programFolder, path, 1));
    ASSERT_TRUE(writeAlbum(ws.table->working, ws.programFolder, path, path));
    const auto original = test::albumFileBytes(threeImages());
    expectSameExceptStamps(readText(path), std::string(original.begin(), original.end()), 3);
}

TEST_F(AlbumReadWrite, RefusedFileLeavesTheTableAndStoreUntouched)
{
    const std::string path = writeAlbumFile("bad.abm", threeImages());
    auto bytes = test::albumFileBytes(threeImages());
    bytes[17] = 'X';
    test::writeBytes(path, std::string(bytes.begin(), bytes.end()));
    const std::string before = std::string(fieldText(ws.table->working.path));
    EXPECT_EQ(readAlbum(*ws.table, ws.programFolder, path, 1).status(), Status::Corrupt);
    EXPECT_EQ(readAlbum(*ws.table, ws.programFolder, ws.file("none.abm"), 1).status(), Status::NotFound);
    bytes = test::albumFileBytes(threeImages());
    bytes.resize(bytes.size() - 1);
    test::writeBytes(ws.file("short.abm"), std::string(bytes.begin(), bytes.end()));
    EXPECT_EQ(readAlbum(*ws.table, ws.programFolder, ws.file("short.abm"), 1).status(), Status::Truncated);
    EXPECT_EQ(fieldText(ws.table->working.path), before);
    EXPECT_EQ(fieldText(ws.table->windowSlots[0].path), before);
    EXPECT_EQ(ws.table->working.imageCount, 0);
    EXPECT_FALSE(folderExists(StoreFolder(ws.programFolder, path)));
    EXPECT_FALSE(folderExists(StoreFolder(ws.programFolder, ws.file("short.abm"))));
}

TEST_F(AlbumReadWrite, ReadRefusesAWindowWithImagesOrAStoreFolderInUse)
{
    const std::string path = writeAlbumFile("trip.abm", threeImages());
    AlbumTable& t = *ws.table;
    t.windowSlots[1] = t.windowSlots[0];
    t.windowSlots[1].viewId = 2;
    setFieldText(t.windowSlots[1].path, "/elsewhere/trip.abm"); // same store folder
    t.openCount = 2;
    EXPECT_EQ(readAlbum(t, ws.programFolder, path, 1).status(), Status::InvalidArgument);
    EXPECT_TRUE(storeFolderInUse(t, path));
    t.openCount = 1;
    t.working.imageCount = 1;
    EXPECT_EQ(readAlbum(t, ws.programFolder, path, 1).status(), Status::InvalidArgument);
}

TEST_F(AlbumReadWrite, EntriesWithTheSameBaseNameAreReported)
{
    test::writeBytes(ws.file("x/IMG.jpg"), "1");
    test::writeBytes(ws.file("y/IMG.jpg"), "2");
    const std::string path =
        writeAlbumFile("dup.abm", {{ws.file("x/IMG.jpg"), "FIRST", ""}, {ws.file("y/IMG.jpg"), "SECOND", ""}});
    auto report = readAlbum(*ws.table, ws.programFolder, path, 1);
    ASSERT_TRUE(report);
    EXPECT_EQ(report->sharingStoreCopy, (std::vector<int>{0, 1}));
}

TEST_F(AlbumReadWrite, MissingStoreCopyIsWrittenAsAnEmptyBlock)
{
    const std::string path = writeAlbumFile("trip.abm", threeImages());
    ASSERT_TRUE(readAlbum(*ws.table, ws.programFolder, path, 1));
    std::filesystem::remove(copyOf(path, ws.file("moved/b.jpg")));
    // Known before the save, so the user can be asked.
    EXPECT_EQ(entriesWithoutStoreCopy(ws.table->working, ws.programFolder, path), std::vector<int>{1});
    auto report = writeAlbum(ws.table->working, ws.programFolder, path, path);
    ASSERT_TRUE(report);
    EXPECT_EQ(report->missingStoreCopies, std::vector<int>{1});
    const std::string saved = readText(path);
    auto parsed = parseAlbumFile(std::span(reinterpret_cast<const std::uint8_t*>(saved.data()), saved.size()));
    ASSERT_TRUE(parsed);
    EXPECT_TRUE(parsed->storeCopies[1].empty());
    EXPECT_EQ(parsed->storeCopies[2].size(), 8u);
}

TEST_F(AlbumReadWrite, SaveAsMovesTheStoreCopiesAndRemovesTheOldFolder)
{
    const std::string path = writeAlbumFile("trip.abm", threeImages());
    ASSERT_TRUE(readAlbum(*ws.table, ws.programFolder, path, 1));
    const std::string renamed = ws.file("other/holiday.abm");
    ASSERT_TRUE(makeFolders(ws.file("other")));
    ASSERT_TRUE(writeAlbum(ws.table->working, ws.programFolder, renamed, path));
    EXPECT_EQ(readText(copyOf(renamed, ws.file("src/c.jpg"))), "JPEG-CCC");
    EXPECT_FALSE(folderExists(StoreFolder(ws.programFolder, path)));
    expectSameExceptStamps(readText(renamed), readText(path), 3);

    // The same base name in another folder shares the store folder: nothing moves.
    const std::string sameName = ws.file("other/sub/holiday.abm");
    ASSERT_TRUE(makeFolders(ws.file("other/sub")));
    ASSERT_TRUE(writeAlbum(ws.table->working, ws.programFolder, sameName, renamed));
    EXPECT_EQ(readText(copyOf(sameName, ws.file("src/a.jpg"))), "JPEG-A");
    expectSameExceptStamps(readText(sameName), readText(renamed), 3);
}

TEST_F(AlbumReadWrite, EmptyAlbumIsWrittenAs104Bytes)
{
    ASSERT_TRUE(writeAlbum(ws.table->working, ws.programFolder, ws.file("empty.abm"), ws.file("empty.abm")));
    EXPECT_EQ(readText(ws.file("empty.abm")).size(), 104u);
    EXPECT_EQ(writeAlbum(ws.table->working, ws.programFolder, ws.file("nofolder/x.abm"), ws.file("x.abm")).status(),
              Status::IoError);
}

// A file-size limit makes the write fail part-way, as a full disk would.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limited = m_old;
        limited.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

TEST_F(AlbumReadWrite, AFailedSaveLeavesTheOldAlbumAndTheStoreCopies)
{
    const std::string path = writeAlbumFile("trip.abm", threeImages());
    ASSERT_TRUE(readAlbum(*ws.table, ws.programFolder, path, 1));
    const std::string before = readText(path);
    ws.table->working.imageCount = 2; // the edit that is being saved
    const std::string target = ws.file("new.abm");
    Status status = Status::Ok;
    {
        FileSizeLimit limit(3000);
        status = writeAlbum(ws.table->working, ws.programFolder, path, path).status();
        EXPECT_EQ(writeAlbum(ws.table->working, ws.programFolder, target, path).status(), Status::DiskFull);
    }
    EXPECT_EQ(status, Status::DiskFull);
    EXPECT_EQ(readText(path), before);
    EXPECT_FALSE(fileExists(target));
    EXPECT_EQ(readText(copyOf(path, ws.file("src/a.jpg"))), "JPEG-A");
    EXPECT_FALSE(folderExists(StoreFolder(ws.programFolder, target)));
    int files = 0; // no temporary file left behind
    for (const auto& e : std::filesystem::directory_iterator(ws.dir.path()))
        files += e.is_regular_file() ? 1 : 0;
    EXPECT_EQ(files, 1);
}

} // namespace
} // namespace pictra
