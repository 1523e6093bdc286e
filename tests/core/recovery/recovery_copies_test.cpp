// Recovery copies: what a copy holds and restores, how damage is found and
// kept aside, which copies another running program keeps, and the markers.
#include "core/recovery/recovery_copies.h"

#include "core/album/album_changes.h"
#include "core/album/album_read.h"
#include "core/album/window_slots.h"
#include "core/util/file_io.h"
#include "core/util/fixed_text.h"
#include "core/util/paths.h"
#include "support/status_print.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <algorithm>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace pictra {
namespace {

// A process that does not run: this process's id with another start time.
ProcessIdentity deadProgram() { return {static_cast<int>(::getpid()), currentProcess().startTicks + 1}; }

std::string readAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::vector<std::string> namesIn(const std::string& folder)
{
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& item : fs::directory_iterator(folder, ec))
        names.push_back(item.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class RecoveryCopies : public ::testing::Test {
protected:
    RecoveryCopies() : programFolder(tmp.file("program")), albumPath(tmp.file("albums/旅行.abm"))
    {
        album = std::make_unique<AlbumRecord>();
        setFieldText(album->path, albumPath);
        for (int i = 0; i < 3; ++i) {
            ImageEntry& e = album->images[static_cast<std::size_t>(i)];
            const std::string source = tmp.file("img/p" + std::to_string(i) + ".jpg");
            test::writeBytes(source, "source");
            setFieldText(e.path, source);
            setFieldText(e.author, "作者" + std::to_string(i));
            setFieldText(e.memo, "メモ\n" + std::to_string(i));
            e.year = 2024;
            e.month = 5;
            e.day = static_cast<std::int16_t>(i + 1);
            test::writeBytes(storeCopyPath(programFolder, albumPath, source), "jpeg-" + std::to_string(i));
        }
        album->imageCount = 3;
        markAlbumChanged(*album);
    }
    Status write(const ProcessIdentity& owner, std::int64_t when = 1'700'000'000)
    {
        return writeRecoveryCopy(takeRecoverySnapshot(*album, when, owner), programFolder);
    }
    std::string onlyCopy() const
    {
        for (const std::string& name : namesIn(recoveryFolder(programFolder))) {
            if (name.ends_with(".abm"))
                return joinPath(recoveryFolder(programFolder), name);
        }
        return {};
    }

    test::TempDir tmp;
    std::string programFolder;
    std::string albumPath;
    std::unique_ptr<AlbumRecord> album;
};

TEST_F(RecoveryCopies, ACopyLeftByAProgramThatDiedRestoresTheChangedAlbum)
{
    ASSERT_EQ(writeRunMarker(programFolder, deadProgram()), Status::Ok);
    ASSERT_EQ(write(deadProgram()), Status::Ok);
    // The store folder may be gone by the next start; the copy holds the pictures.
    fs::remove_all(StoreFolder(programFolder, albumPath));

    const RecoveryFolderScan scan = scanRecoveryFolder(programFolder, currentProcess());
    EXPECT_TRUE(scan.abnormalEnd);
    EXPECT_TRUE(scan.damaged.empty());
    ASSERT_EQ(scan.recoverable.size(), 1u);
    EXPECT_EQ(scan.recoverable[0].note.albumPath, albumPath);
    EXPECT_EQ(scan.recoverable[0].note.savedAt, 1'700'000'000);

    auto table = makeAlbumTable();
    ASSERT_TRUE(prepareNewAlbum(*table, tmp.file("program/USER/新規-1.abm"), 4, 3));
    const auto read = readAlbumFrom(*table, programFolder, scan.recoverable[0].copyPath, albumPath, 100);
    ASSERT_TRUE(read.ok()) << statusName(read.status());
    EXPECT_EQ(fieldText(table->working.path), albumPath);
    ASSERT_EQ(table->working.imageCount, 3);
    for (int i = 0; i < 3; ++i) {
        const ImageEntry& got = table->working.images[static_cast<std::size_t>(i)];
        const ImageEntry& want = album->images[static_cast<std::size_t>(i)];
        EXPECT_EQ(fieldText(got.path), fieldText(want.path));
        EXPECT_EQ(fieldText(got.author), fieldText(want.author));
        EXPECT_EQ(fieldText(got.memo), fieldText(want.memo));
        EXPECT_EQ(got.day, want.day);
        EXPECT_EQ(readAll(storeCopyPath(programFolder, albumPath, fieldText(want.path))), "jpeg-" + std::to_string(i));
    }
    // The album file itself is never written.
    EXPECT_FALSE(fs::exists(albumPath));
}

TEST_F(RecoveryCopies, ANewerCopyReplacesTheOlderAndRemovalLeavesNothing)
{
    ASSERT_EQ(write(currentProcess()), Status::Ok);
    markAlbumChanged(*album);
    album->imageCount = 2;
    ASSERT_EQ(write(currentProcess()), Status::Ok);
    EXPECT_EQ(namesIn(recoveryFolder(programFolder)).size(), 2u); // one note, one copy
    const auto note = parseRecoveryNote(readAll(recoveryPathFor(programFolder, albumPath)));
    ASSERT_TRUE(note.ok());
    EXPECT_EQ(joinPath(recoveryFolder(programFolder), note->copyName), onlyCopy());

    removeRecoveryCopy(programFolder, albumPath);
    EXPECT_TRUE(namesIn(recoveryFolder(programFolder)).empty());
    removeRecoveryCopy(programFolder, albumPath); // nothing left to remove
}

TEST_F(RecoveryCopies, CopiesOfARunningProgramAreNotOffered)
{
    // This test process stands for the other program; the scan runs as a later one.
    const ProcessIdentity later{12345678, 1};
    ASSERT_EQ(writeRunMarker(programFolder, currentProcess()), Status::Ok);
    ASSERT_EQ(write(currentProcess()), Status::Ok);
    RecoveryFolderScan scan = scanRecoveryFolder(programFolder, later);
    EXPECT_TRUE(scan.recoverable.empty());
    EXPECT_FALSE(scan.abnormalEnd);
    // The running program's own view: its copies are its own, not offered either.
    EXPECT_TRUE(scanRecoveryFolder(programFolder, currentProcess()).recoverable.empty());
    // Its marker gone (a normal exit that kept undecided changes): offered.
    removeRunMarker(programFolder, currentProcess());
    scan = scanRecoveryFolder(programFolder, later);
    EXPECT_EQ(scan.recoverable.size(), 1u);
    EXPECT_FALSE(scan.abnormalEnd);
}

enum class Damage { Truncate, FlipByte, AppendByte, RemoveCopy, GarbleNote, EmptyNote };

struct DamageCase {
    Damage damage;
    Status why;
};

class RecoveryDamage : public RecoveryCopies, public ::testing::WithParamInterface<DamageCase> {};

TEST_P(RecoveryDamage, IsFoundAndKeptAsideNeverOffered)
{
    ASSERT_EQ(write(deadProgram()), Status::Ok);
    const std::string copy = onlyCopy();
    const std::string note = recoveryPathFor(programFolder, albumPath);
    std::string bytes = readAll(copy);
    switch (GetParam().damage) {
    case Damage::Truncate: bytes.resize(bytes.size() - 3); break;
    case Damage::FlipByte: bytes[bytes.size() / 2] ^= 0x10; break;
    case Damage::AppendByte: bytes += 'x'; break;
    case Damage::RemoveCopy: fs::remove(copy); break;
    case Damage::GarbleNote: test::writeBytes(note, "Pictra recovery 1\nalbum=x\n"); break;
    case Damage::EmptyNote: test::writeBytes(note, ""); break;
    }
    if (GetParam().damage <= Damage::AppendByte)
        test::writeBytes(copy, bytes);

    RecoveryFolderScan scan = scanRecoveryFolder(programFolder, currentProcess());
    EXPECT_TRUE(scan.recoverable.empty());
    ASSERT_EQ(scan.damaged.size(), 1u);
    EXPECT_EQ(scan.damaged[0].why, GetParam().why);
    EXPECT_EQ(scan.damaged[0].copyPath, copy);
    EXPECT_EQ(scan.damaged[0].albumPath.empty(), GetParam().damage >= Damage::GarbleNote);

    ASSERT_EQ(moveDamagedAside(scan.damaged[0]), Status::Ok);
    tidyRecoveryFolder(programFolder, currentProcess());
    scan = scanRecoveryFolder(programFolder, currentProcess());
    EXPECT_TRUE(scan.recoverable.empty());
    EXPECT_TRUE(scan.damaged.empty());
    EXPECT_TRUE(fs::exists(note + ".damaged"));
    if (GetParam().damage != Damage::RemoveCopy) {
        EXPECT_TRUE(fs::exists(copy + ".damaged")) << "the copy is kept for the user";
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, RecoveryDamage,
                         ::testing::Values(DamageCase{Damage::Truncate, Status::Truncated},
                                           DamageCase{Damage::FlipByte, Status::Corrupt},
                                           DamageCase{Damage::AppendByte, Status::Corrupt},
                                           DamageCase{Damage::RemoveCopy, Status::NotFound},
                                           DamageCase{Damage::GarbleNote, Status::Corrupt},
                                           DamageCase{Damage::EmptyNote, Status::Corrupt}));

TEST_F(RecoveryCopies, TidyingRemovesWhatNoNoteNamesUnlessAnotherProgramRuns)
{
    ASSERT_EQ(write(deadProgram()), Status::Ok);
    const std::string folder = recoveryFolder(programFolder);
    test::writeBytes(joinPath(folder, "0123456789abcdef-4-77.abm"), "orphan");
    test::writeBytes(joinPath(folder, ".x.abm.AbC123"), "half written");
    test::writeBytes(joinPath(folder, "old.rcv.damaged"), "kept");
    ASSERT_EQ(writeRunMarker(programFolder, {4'000'000, 5}), Status::Ok); // a program that died
    const ProcessIdentity later{12345678, 1};

    ASSERT_EQ(writeRunMarker(programFolder, currentProcess()), Status::Ok); // "another" program runs
    tidyRecoveryFolder(programFolder, later);
    EXPECT_EQ(namesIn(folder).size(), 7u);

    removeRunMarker(programFolder, currentProcess());
    tidyRecoveryFolder(programFolder, later);
    const std::vector<std::string> left = namesIn(folder);
    ASSERT_EQ(left.size(), 3u);
    EXPECT_EQ(joinPath(folder, left[0]), onlyCopy());
    EXPECT_EQ(joinPath(folder, left[1]), recoveryPathFor(programFolder, albumPath));
    EXPECT_EQ(left[2], "old.rcv.damaged");
}

TEST_F(RecoveryCopies, AClaimedCopyBelongsToTheRestoringProgram)
{
    ASSERT_EQ(write(deadProgram()), Status::Ok);
    auto scan = scanRecoveryFolder(programFolder, {12345678, 1});
    ASSERT_EQ(scan.recoverable.size(), 1u);
    ASSERT_EQ(claimRecoveryCopy(scan.recoverable[0], currentProcess()), Status::Ok);
    EXPECT_TRUE(scanRecoveryFolder(programFolder, currentProcess()).recoverable.empty());
    discardRecoveryCopy(scan.recoverable[0]);
    EXPECT_TRUE(namesIn(recoveryFolder(programFolder)).empty());
}

TEST(RecoveryNote, TextReadsBackAndBrokenTextsAreRefused)
{
    const RecoveryNote note{"/home/u/a\\b\nc.abm", "00ff-3-12.abm", 123, 0xfedcba9876543210ull, 1'700'000'000,
                            {4321, 99}};
    const auto back = parseRecoveryNote(recoveryNoteText(note));
    ASSERT_TRUE(back.ok());
    EXPECT_EQ(*back, note);
    const std::string good = recoveryNoteText(note);
    auto replaced = [&](const std::string& from, const std::string& to) {
        std::string text = good;
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    for (const std::string& bad :
         {replaced("Pictra recovery 1", "Pictra recovery 2"), replaced("copy=00ff-3-12.abm", "copy=../x.abm"),
          replaced("copy=00ff-3-12.abm", "copy=00ff.rcv"), replaced("hash=fedcba9876543210", "hash=fedc"),
          replaced("bytes=123", "bytes=-1"), replaced("owner=4321 99", "owner=4321"),
          replaced("time=1700000000\n", ""), replaced("a\\\\b", "a\\qb"), good + "junk\n",
          replaced("time=1700000000\n", "bytes=123\n")}) // a repeated field does not stand in for a missing one
        EXPECT_FALSE(parseRecoveryNote(bad).ok()) << bad;
    EXPECT_TRUE(parseRecoveryNote(good + "later=1\n").ok()) << "a later version's line is skipped";
}

TEST(RunMarker, NamesOnlyAProcessThatRuns)
{
    const ProcessIdentity self = currentProcess();
    EXPECT_NE(self.startTicks, 0u);
    EXPECT_TRUE(processRunning(self));
    EXPECT_FALSE(processRunning(deadProgram())); // same id, another start: the id was reused
    EXPECT_FALSE(processRunning({0, self.startTicks}));
    EXPECT_FALSE(processRunning({self.pid, 0}));
    EXPECT_EQ(parseRunMarker(runMarkerText(self)), self);
    for (const char* bad : {"", "12", "x 3", "-4 5", "1 2 3"})
        EXPECT_EQ(parseRunMarker(bad), ProcessIdentity{}) << bad;

    test::TempDir tmp;
    ASSERT_EQ(writeRunMarker(tmp.path(), self), Status::Ok);
    test::writeBytes(joinPath(recoveryFolder(tmp.path()), "running-77"), "garbled");
    test::writeBytes(joinPath(recoveryFolder(tmp.path()), "running-x"), "not a marker");
    const auto markers = readRunMarkers(tmp.path());
    ASSERT_EQ(markers.size(), 2u);
    EXPECT_NE(std::find(markers.begin(), markers.end(), ProcessIdentity{77, 0}), markers.end());
    EXPECT_NE(std::find(markers.begin(), markers.end(), self), markers.end());
    removeRunMarker(tmp.path(), self);
    EXPECT_EQ(readRunMarkers(tmp.path()).size(), 1u);
}

} // namespace
} // namespace pictra
