#include "core/album/album_table.h"
#include "core/album/cell_picture.h"
#include "core/fileops/file_transfer.h"
#include "core/fileops/rename_target.h"
#include "core/fileops/repoint_entries.h"
#include "core/fileops/transfer_job.h"
#include "core/util/fixed_text.h"
#include "core/util/paths.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <sys/stat.h>
#include <unistd.h>

namespace pictra {
namespace {

namespace fs = std::filesystem;
using test::TempDir;
using test::writeBytes;

std::string contents(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(FileTransfer, CopyKeepsTimeAndModeAndNeverTruncatesItself)
{
    TempDir dir;
    const std::string src = dir.file("a/photo.jpg");
    writeBytes(src, "picture");
    ::chmod(src.c_str(), 0640);
    const fs::file_time_type old = fs::last_write_time(src) - std::chrono::hours(48);
    fs::last_write_time(src, old);
    fs::create_directories(dir.file("b"));

    EXPECT_EQ(copyFileKeepingTimes(src, dir.file("b/photo.jpg"), Overwrite::Replace), FileOutcome::Done);
    EXPECT_EQ(contents(dir.file("b/photo.jpg")), "picture");
    EXPECT_EQ(fs::last_write_time(dir.file("b/photo.jpg")), old);
    EXPECT_EQ(fs::status(dir.file("b/photo.jpg")).permissions(), fs::perms(0640));

    // Onto itself, also spelled another way: skipped, the file intact.
    EXPECT_EQ(copyFileKeepingTimes(src, dir.file("a/../a/photo.jpg"), Overwrite::Replace), FileOutcome::SameFile);
    EXPECT_EQ(moveFile(src, dir.file("a/./photo.jpg"), Overwrite::Replace), FileOutcome::SameFile);
    EXPECT_EQ(contents(src), "picture");

    EXPECT_EQ(copyFileKeepingTimes(src, dir.file("b/photo.jpg"), Overwrite::Refuse), FileOutcome::TargetExists);
    writeBytes(src, "edited");
    EXPECT_EQ(copyFileKeepingTimes(src, dir.file("b/photo.jpg"), Overwrite::Replace), FileOutcome::Done);
    EXPECT_EQ(contents(dir.file("b/photo.jpg")), "edited");
    EXPECT_EQ(copyFileKeepingTimes(src, dir.file("none/photo.jpg"), Overwrite::Replace),
              FileOutcome::NoTargetFolder);
    EXPECT_EQ(copyFileKeepingTimes(dir.file("gone.jpg"), dir.file("b/gone.jpg"), Overwrite::Replace),
              FileOutcome::SourceMissing);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.file("b")), fs::directory_iterator()), 1); // no temp left
}

TEST(FileTransfer, RenameNeverReplacesUnasked)
{
    TempDir dir;
    writeBytes(dir.file("photo.JPG"), "photo");
    writeBytes(dir.file("trip.JPG"), "trip");
    EXPECT_EQ(renameFile(dir.file("photo.JPG"), dir.file("trip.JPG"), Overwrite::Refuse), FileOutcome::TargetExists);
    EXPECT_EQ(contents(dir.file("trip.JPG")), "trip");
    EXPECT_EQ(moveFile(dir.file("photo.JPG"), dir.file("trip.JPG"), Overwrite::Refuse), FileOutcome::TargetExists);
    EXPECT_EQ(renameFile(dir.file("photo.JPG"), dir.file("trip.JPG"), Overwrite::Replace), FileOutcome::Done);
    EXPECT_EQ(contents(dir.file("trip.JPG")), "photo");
    EXPECT_FALSE(fs::exists(dir.file("photo.JPG")));
}

TEST(TransferJob, TargetsAndRowsLeftOut)
{
    TempDir dir;
    writeBytes(dir.file("a/IMG_1.jpg"), "1a");
    writeBytes(dir.file("b/IMG_1.jpg"), "1b");
    writeBytes(dir.file("a/IMG_2.jpg"), "2a");
    fs::create_directories(dir.file("t"));
    writeBytes(dir.file("t/IMG_2.jpg"), "old");
    EXPECT_EQ(transferTarget("/t", "/a/x.jpg"), "/t/x.jpg");
    EXPECT_EQ(transferTarget("/t/", "/a/x.jpg"), "/t/x.jpg");
    EXPECT_EQ(transferTarget("/", "/a/x.jpg"), "/x.jpg");

    const std::vector<std::string> sources{dir.file("a/IMG_1.jpg"), dir.file("b/IMG_1.jpg"), dir.file("a/IMG_2.jpg"),
                                           dir.file("a/gone.jpg")};
    std::vector<TransferRow> rows = planTransfer(sources, dir.file("t"));
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].outcome, FileOutcome::Done);
    EXPECT_EQ(rows[1].outcome, FileOutcome::DuplicateName);
    EXPECT_EQ(rows[2].outcome, FileOutcome::Done);
    EXPECT_TRUE(rows[2].targetExists);
    EXPECT_EQ(rows[3].outcome, FileOutcome::SourceMissing);

    EXPECT_EQ(planTransfer(sources, dir.file("a"))[0].outcome, FileOutcome::SameFile);
    EXPECT_EQ(planTransfer(sources, "relative/folder")[0].outcome, FileOutcome::InvalidName);
    EXPECT_EQ(planTransfer(sources, "/" + std::string(350, 'x'))[0].outcome, FileOutcome::PathTooLong);

    int progress = 0;
    runTransfer(rows, TransferMode::Move, Overwrite::Refuse, [&](int done) { progress = done; });
    EXPECT_EQ(progress, 4);
    EXPECT_EQ(rows[0].outcome, FileOutcome::Done);
    EXPECT_EQ(rows[2].outcome, FileOutcome::TargetExists);
    EXPECT_EQ(contents(dir.file("t/IMG_1.jpg")), "1a");
    EXPECT_EQ(contents(dir.file("b/IMG_1.jpg")), "1b"); // the second IMG_1 stays where it was
    EXPECT_EQ(contents(dir.file("t/IMG_2.jpg")), "old");
    EXPECT_FALSE(fs::exists(dir.file("a/IMG_1.jpg")));
}

TEST(TransferJob, AFileListedTwiceGoesOnceWithItsFirstRow)
{
    TempDir dir;
    writeBytes(dir.file("a/IMG_1.jpg"), "1");
    fs::create_directories(dir.file("t"));
    const std::vector<std::string> sources{dir.file("a/IMG_1.jpg"), dir.file("a/IMG_1.jpg")};
    std::vector<TransferRow> rows = planTransfer(sources, dir.file("t"));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].outcome, FileOutcome::Done);
    EXPECT_EQ(rows[1].outcome, FileOutcome::ListedTwice);
    EXPECT_EQ(firstRowOfSource(rows, rows[1]), &rows[0]);
    EXPECT_EQ(firstRowOfSource(rows, rows[0]), nullptr);
    // Onto its own folder the first row is SameFile and the second still only a repeat.
    const std::vector<TransferRow> home = planTransfer(sources, dir.file("a"));
    EXPECT_EQ(home[0].outcome, FileOutcome::SameFile);
    EXPECT_EQ(home[1].outcome, FileOutcome::ListedTwice);

    runTransfer(rows, TransferMode::Move, Overwrite::Refuse, {});
    EXPECT_EQ(rows[0].outcome, FileOutcome::Done);
    EXPECT_EQ(rows[1].outcome, FileOutcome::ListedTwice);
    EXPECT_EQ(contents(dir.file("t/IMG_1.jpg")), "1");
    EXPECT_FALSE(fs::exists(dir.file("a/IMG_1.jpg")));
}

struct RenameCase {
    const char* path;
    const char* name;
    FileOutcome problem;
    const char* expected;
};

class RenameTargets : public testing::TestWithParam<RenameCase> {};

TEST_P(RenameTargets, KeepFolderAndExtension)
{
    const RenameCase& c = GetParam();
    const RenameTarget t = renameTarget(c.path, c.name);
    EXPECT_EQ(t.problem, c.problem);
    if (c.problem == FileOutcome::Done) {
        EXPECT_EQ(t.path, c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RenameTargets,
    testing::Values(RenameCase{"/some/folder/photo.JPG", "trip", FileOutcome::Done, "/some/folder/trip.JPG"},
                    RenameCase{"/home/u/my.photos/IMG", "new", FileOutcome::Done, "/home/u/my.photos/new"},
                    RenameCase{"/p/a.b.jpg", "c", FileOutcome::Done, "/p/c.jpg"},
                    RenameCase{"/p/a.jpg", "", FileOutcome::InvalidName, ""},
                    RenameCase{"/p/a.jpg", ".", FileOutcome::InvalidName, ""},
                    RenameCase{"/p/a.jpg", "..", FileOutcome::InvalidName, ""},
                    RenameCase{"/p/a.jpg", "../b", FileOutcome::InvalidName, ""},
                    RenameCase{"/p/a.jpg", "x/y", FileOutcome::InvalidName, ""}));

TEST(RenameTargets, PathThatNoLongerFits)
{
    EXPECT_EQ(renameTarget("/p/a.jpg", std::string(353, 'n')).problem, FileOutcome::PathTooLong);
    EXPECT_EQ(renameTarget("/p/a.jpg", std::string(352, 'n')).problem, FileOutcome::Done); // 359 bytes
}

TEST(Repoint, EveryOpenAlbumByExactPath)
{
    auto table = makeAlbumTable();
    table->openCount = 2;
    AlbumRecord& a = table->windowSlots[0];
    setFieldText(a.path, "/albums/a.abm");
    a.viewId = 1;
    a.imageCount = 3;
    setFieldText(a.images[0].path, "/p/x.jpg");
    setFieldText(a.images[1].path, "/p/X.jpg"); // another file on this file system
    setFieldText(a.images[2].path, "/p/x.jpg"); // listed twice
    AlbumRecord& b = table->windowSlots[1];
    setFieldText(b.path, "/albums/b.abm");
    b.viewId = 2;
    b.imageCount = 1;
    setFieldText(b.images[0].path, "/p/x.jpg");
    table->working = a;
    SelectionBlock block;
    block.clipboard.push_back(a.images[0]);

    const auto albums = repointEntries(*table, block, "/p/x.jpg", "/q/x.jpg");
    EXPECT_EQ(albums, (std::vector<std::string>{"/albums/a.abm", "/albums/b.abm"}));
    EXPECT_EQ(imageFilePath(table->working.images[0]), "/q/x.jpg");
    EXPECT_EQ(imageFilePath(table->working.images[1]), "/p/X.jpg");
    EXPECT_EQ(imageFilePath(table->windowSlots[0].images[2]), "/q/x.jpg");
    EXPECT_EQ(imageFilePath(table->windowSlots[1].images[0]), "/q/x.jpg");
    EXPECT_EQ(imageFilePath(block.clipboard[0]), "/q/x.jpg");

    // Renaming x to X would take over the other file's store copy in album a.
    EXPECT_EQ(storeCopyRenameClash(*table, "/q/x.jpg", "/q/X.jpg"), "/p/X.jpg");
    EXPECT_EQ(storeCopyRenameClash(*table, "/q/x.jpg", "/q/y.jpg"), std::nullopt);
}

TEST(Repoint, StoreCopyFollowsTheNewName)
{
    TempDir dir;
    writeBytes(storeCopyPath(dir.path(), "/albums/a.abm", "/p/photo.JPG"), "copy");
    EXPECT_TRUE(renameStoreCopy(dir.path(), "/albums/a.abm", "/p/photo.JPG", "/p/trip.JPG"));
    EXPECT_EQ(contents(storeCopyPath(dir.path(), "/albums/a.abm", "/p/trip.JPG")), "copy");
    writeBytes(storeCopyPath(dir.path(), "/albums/a.abm", "/p/other.JPG"), "other");
    EXPECT_FALSE(renameStoreCopy(dir.path(), "/albums/a.abm", "/p/trip.JPG", "/p/other.JPG"));
    EXPECT_EQ(contents(storeCopyPath(dir.path(), "/albums/a.abm", "/p/other.JPG")), "other");
}

} // namespace
} // namespace pictra
