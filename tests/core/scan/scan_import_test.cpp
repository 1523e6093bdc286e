// Import rounds: names that never collide, data that is never lost, and the
// hand-over list.
#include "core/scan/scan_import.h"

#include "core/image/image_record.h"
#include "core/platform/program_paths.h"
#include "core/scan/scan_hand_over.h"
#include "core/startup/scratch_files.h"
#include "core/util/file_io.h"
#include "core/util/paths.h"
#include "support/fake_scan_source.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace pictra {
namespace {

using test::FakePicture;
using test::FakeScanSource;
using test::TempDir;

class ScanImport : public testing::Test {
protected:
    ScanImport()
    {
        EXPECT_TRUE(makeFolders(saveFolder));
        target.saveFolder = saveFolder;
        target.programFolder = dir.path();
        target.tempFolder = tempFolder();
        target.albumPath = dir.file("trip.abm");
        target.stem = "ABM42";
        source.pictures = {FakePicture{}, FakePicture{16, 12, 0, 0, 255}};
    }

    ScanRoundReport round()
    {
        ScanRoundReport report = runScanRound(source, request, target, io, {});
        target.firstNumber = report.nextNumber;
        return report;
    }

    static std::vector<std::string> names(const ScanRoundReport& report)
    {
        std::vector<std::string> out;
        for (const ScannedFile& f : report.saved)
            out.push_back(f.name);
        return out;
    }

    std::string tempFolder() const { return joinPath(dir.path(), kTempFolder); }
    bool tempIsEmpty() const
    {
        std::error_code ec;
        return !folderExists(tempFolder()) || std::filesystem::is_empty(tempFolder(), ec);
    }

    TempDir dir;
    std::string saveFolder = dir.file("IMAGE");
    ScanSaveTarget target;
    ScanRequest request;
    FakeScanSource source;
    ImageFileIO io;
};

TEST_F(ScanImport, TwoRoundsNumberOnAndMakeFilesAndStoreCopies)
{
    const ScanRoundReport first = round();
    const ScanRoundReport second = round();
    EXPECT_EQ(first.error, ScanError::None);
    EXPECT_EQ(names(first), (std::vector<std::string>{"ABM42_0", "ABM42_1"}));
    EXPECT_EQ(names(second), (std::vector<std::string>{"ABM42_2", "ABM42_3"}));
    EXPECT_EQ(second.nextNumber, 4);
    for (const ScannedFile& f : second.saved) {
        EXPECT_EQ(f.path, joinPath(saveFolder, f.name + ".jpg"));
        EXPECT_TRUE(fileExists(f.path));
        EXPECT_EQ(f.storeCopy, Status::Ok);
        EXPECT_TRUE(fileExists(storeCopyPath(dir.path(), target.albumPath, f.path)));
    }
    EXPECT_TRUE(tempIsEmpty()) << "a saved picture's temporary file stays behind";

    ImageBuffers buffers(1 << 20);
    ASSERT_EQ(io.loadImage(second.saved[1].path, buffers.record()), Status::Ok);
    EXPECT_EQ(buffers.record().width(), 16);
    EXPECT_EQ(buffers.record().height(), 12);
}

TEST_F(ScanImport, NeverReusesANameThatIsTaken)
{
    // stem_0 in the folder (another format), stem_1 an image of the album,
    // stem_2 a store copy of the album.
    test::writeBytes(joinPath(saveFolder, "ABM42_0.bmp"), "keep");
    target.albumPaths = {"/elsewhere/ABM42_1.jpg"};
    test::writeBytes(joinPath(StoreFolder(dir.path(), target.albumPath), "ABM42_2.jpg"), "keep");
    target.fileType = ScanFileType::Bmp;
    const ScanRoundReport report = round();
    EXPECT_EQ(names(report), (std::vector<std::string>{"ABM42_3", "ABM42_4"}));
    EXPECT_EQ(report.saved[0].path, joinPath(saveFolder, "ABM42_3.bmp"));
    EXPECT_EQ(readFile(joinPath(saveFolder, "ABM42_0.bmp")).value().size(), 4u);
}

TEST_F(ScanImport, MissingFolderIsRefusedBeforeScanning)
{
    target.saveFolder = dir.file("nowhere");
    const ScanRoundReport report = round();
    EXPECT_EQ(report.error, ScanError::SaveFailed);
    ASSERT_EQ(report.problems.size(), 1u);
    EXPECT_EQ(report.problems[0].status, Status::NotFound);
    EXPECT_EQ(source.acquireCalls, 0);
}

TEST_F(ScanImport, PicturesBeforeADeviceFailureAreKept)
{
    source.endWith = ScanError::Jammed;
    const ScanRoundReport report = round();
    EXPECT_EQ(report.error, ScanError::Jammed);
    EXPECT_EQ(report.saved.size(), 2u);
}

TEST_F(ScanImport, PictureThatCannotBeSavedIsKeptWhereNoCleaningRemovesIt)
{
    // The folder goes away while the second picture is scanned.
    source.beforePicture = [this](int index) {
        if (index == 1)
            std::filesystem::remove_all(saveFolder);
    };
    target.keptFolder = keptScansFolder(dir.path());
    const ScanRoundReport report = round();
    ASSERT_EQ(report.saved.size(), 1u);
    ASSERT_EQ(report.problems.size(), 1u);
    const ScanProblem& problem = report.problems[0];
    EXPECT_NE(problem.status, Status::Ok);
    EXPECT_FALSE(problem.keptInTemp);
    EXPECT_EQ(problem.keptAt, joinPath(target.keptFolder, "ABM42_1.bmp"));
    EXPECT_TRUE(tempIsEmpty());
    deleteScratchFiles(dir.path());
    ImageBuffers buffers(1 << 20);
    ASSERT_EQ(io.loadImage(problem.keptAt, buffers.record()), Status::Ok);
    EXPECT_EQ(buffers.record().width(), 16);
}

TEST_F(ScanImport, PictureStaysInTempWhenTheKeptFolderFailsToo)
{
    source.pictures.resize(1);
    target.saveFolder = saveFolder;
    source.beforePicture = [this](int) { std::filesystem::remove_all(saveFolder); };
    test::writeBytes(dir.file("blocked"), "a file, not a folder");
    target.keptFolder = dir.file("blocked/kept");
    const ScanRoundReport report = round();
    ASSERT_EQ(report.problems.size(), 1u);
    EXPECT_TRUE(report.problems[0].keptInTemp);
    EXPECT_EQ(folderPart(report.problems[0].keptAt), tempFolder());
    EXPECT_TRUE(fileExists(report.problems[0].keptAt));
}

TEST_F(ScanImport, OnlyThisRoundsTemporaryFilesAreTouched)
{
    const std::string foreign = joinPath(tempFolder(), "photo_rgb.bmp");
    test::writeBytes(foreign, "a tool's file");
    const ScanRoundReport report = round();
    EXPECT_EQ(report.saved.size(), 2u);
    EXPECT_TRUE(fileExists(foreign));
}

TEST(ScanHandOver, HoldsAtMostAThousandPathsAndSaysHowManyWereLeftOut)
{
    std::vector<std::string> paths;
    for (int i = 0; i < 1002; ++i)
        paths.push_back("/p/ABM1_" + std::to_string(i) + ".jpg");
    paths.insert(paths.begin() + 1, "/" + std::string(400, 'x') + ".jpg");
    const ScanHandOver handOver = scanHandOver(paths);
    EXPECT_EQ(handOver.list.count(), 1000);
    EXPECT_EQ(handOver.leftOut, 3);
    EXPECT_EQ(handOver.list.path(1), "/p/ABM1_1.jpg");
}

} // namespace
} // namespace pictra
