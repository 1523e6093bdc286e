// Every edit of an album marks it changed through the one rule, in the
// working copy and its window slot alike; a save that worked clears the mark.
#include "core/album/album_changes.h"
#include "core/album/album_read.h"
#include "core/album/album_write.h"
#include "core/album/append_images.h"
#include "core/album/clipboard_edit.h"
#include "core/album/drop_insertion.h"
#include "core/album/selection_block.h"
#include "core/album/window_records.h"
#include "core/fileops/repoint_entries.h"
#include "core/infobar/info_fields.h"
#include "core/util/file_io.h"
#include "core/util/fixed_text.h"
#include "core/util/paths.h"

#include "album_test_support.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace pictra {
namespace {

constexpr std::uint64_t kView = 1;

// The workspace's album window with three images, the middle one focused
// and selected, and one image on the clipboard.
struct ChangeFixture {
    ChangeFixture()
    {
        AlbumRecord& w = ws.table->working;
        w.columns = 3;
        w.rows = 3;
        w.imageCount = 3;
        for (int i = 0; i < 3; ++i) {
            ImageEntry& e = w.images[static_cast<std::size_t>(i)];
            setFieldText(e.path, "/p/img" + std::to_string(i) + ".jpg");
            setFieldText(e.author, "author");
            e.stamp = 100 + i;
        }
        w.hasFocus = 1;
        w.focusIndex = 1;
        selectOnly(block, w.images[1]);
        ImageEntry clip;
        setFieldText(clip.path, "/q/clip.jpg");
        clip.stamp = 900;
        block.clipboard = {clip};
        block.clipboardFilled = true;
        mirrorToActiveSlot(*ws.table);
    }
    AlbumRecord& working() { return ws.table->working; }
    const AlbumRecord& slot() const { return ws.table->windowSlots[0]; }
    // Marks travel to the slot as the windows mirror the working copy.
    bool changedEverywhere()
    {
        mirrorToActiveSlot(*ws.table);
        return albumChanged(working()) && albumChanged(slot());
    }

    test::AlbumWorkspace ws;
    SelectionBlock block;
};

struct EditCase {
    const char* name;
    std::function<void(ChangeFixture&)> edit;
    bool changes;
};

FileNameList oneFile(const std::string& path)
{
    FileNameList list;
    EXPECT_TRUE(list.add(path));
    return list;
}

const EditCase kEdits[] = {
    {"append", [](ChangeFixture& f) { ASSERT_TRUE(appendImages(f.working(), oneFile("/p/new.jpg"), 1)); }, true},
    {"paste", [](ChangeFixture& f) { pasteClipboard(f.working(), f.block, 1); }, true},
    {"cut", [](ChangeFixture& f) { cutSelection(f.working(), f.block); }, true},
    {"delete", [](ChangeFixture& f) { deleteFocused(f.working(), f.block); }, true},
    {"drag reorder",
     [](ChangeFixture& f) { dropWithinAlbum(f.working(), f.block.selection, 0, DropKind::Move, 1); }, true},
    {"drag copy", [](ChangeFixture& f) { dropWithinAlbum(f.working(), f.block.selection, 3, DropKind::Copy, 1); },
     true},
    {"drop from another album",
     [](ChangeFixture& f) { insertEntryCopies(f.working(), f.block.clipboard, 0, 1); }, true},
    {"rename or move of a listed file",
     [](ChangeFixture& f) { repointEntries(*f.ws.table, f.block, "/p/img2.jpg", "/r/img2.jpg"); }, true},
    {"typed text",
     [](ChangeFixture& f) { storeAlbumInfoField(*f.ws.table, 1, InfoField::Place, "京都"); }, true},
    {"typed date", [](ChangeFixture& f) { storeAlbumInfoField(*f.ws.table, 0, InfoField::Year, "2024"); }, true},
    {"store copy renewed", [](ChangeFixture& f) { markWindowChanged(*f.ws.table, kView); }, true},
    // Nothing of the album changes:
    {"copy", [](ChangeFixture& f) { copySelection(f.working(), f.block); }, false},
    {"paste of an empty clipboard",
     [](ChangeFixture& f) {
         clearSelectionBlock(f.block);
         pasteClipboard(f.working(), f.block, 1);
     },
     false},
    {"cut without a focus",
     [](ChangeFixture& f) {
         f.working().hasFocus = 0;
         cutSelection(f.working(), f.block);
     },
     false},
    {"delete without a focus",
     [](ChangeFixture& f) {
         f.working().hasFocus = 0;
         deleteFocused(f.working(), f.block);
     },
     false},
    {"rename of a file the album does not list",
     [](ChangeFixture& f) { repointEntries(*f.ws.table, f.block, "/p/other.jpg", "/r/other.jpg"); }, false},
    {"the same text typed again",
     [](ChangeFixture& f) { storeAlbumInfoField(*f.ws.table, 1, InfoField::Author, "author"); }, false},
    {"text CP932 cannot hold",
     [](ChangeFixture& f) { storeAlbumInfoField(*f.ws.table, 1, InfoField::Author, "\xF0\x9F\x98\x80"); }, false},
    {"an unknown view", [](ChangeFixture& f) { markWindowChanged(*f.ws.table, 77); }, false},
};

TEST(AlbumChanges, EveryEditMarksTheAlbumAndNothingElseDoes)
{
    for (const EditCase& c : kEdits) {
        SCOPED_TRACE(c.name);
        ChangeFixture f;
        const std::uint32_t serial = f.working().changeSerial;
        c.edit(f);
        EXPECT_EQ(f.changedEverywhere(), c.changes);
        EXPECT_EQ(f.working().changeSerial != serial, c.changes);
        EXPECT_EQ(albumWindowTitle(f.working()), c.changes ? "新規-1.abm *" : "新規-1.abm");
        EXPECT_EQ(changedAlbumWindows(*f.ws.table).size(), c.changes ? 1U : 0U);
    }
}

TEST(AlbumChanges, ARenameMarksEveryOpenAlbumListingTheFileEvenInactiveOnes)
{
    ChangeFixture f;
    AlbumTable& t = *f.ws.table;
    // A second, inactive album window listing the file twice, and a third not listing it.
    for (int i = 1; i <= 2; ++i) {
        AlbumRecord& other = t.windowSlots[static_cast<std::size_t>(i)];
        other.viewId = kView + static_cast<std::uint64_t>(i);
        setFieldText(other.path, "/albums/other" + std::to_string(i) + ".abm");
        other.imageCount = 2;
        setFieldText(other.images[0].path, i == 1 ? "/p/img0.jpg" : "/p/x.jpg");
        setFieldText(other.images[1].path, i == 1 ? "/p/img0.jpg" : "/p/y.jpg");
    }
    t.openCount = 3;
    const auto albums = repointEntries(t, f.block, "/p/img0.jpg", "/r/img0.jpg");
    EXPECT_EQ(albums.size(), 2U);
    EXPECT_EQ(changedAlbumWindows(t), (std::vector<std::uint64_t>{kView, kView + 1}));
    EXPECT_EQ(std::string(fieldText(t.windowSlots[1].images[1].path)), "/r/img0.jpg");
}

TEST(AlbumChanges, ASaveClearsTheMarkOnlyWhenTheFileIsWritten)
{
    ChangeFixture f;
    AlbumTable& t = *f.ws.table;
    ASSERT_TRUE(appendImages(f.working(), oneFile("/p/new.jpg"), 1));
    mirrorToActiveSlot(t);
    const std::string store(fieldText(f.working().path));

    // A folder that does not exist: the save fails and the album stays changed.
    EXPECT_FALSE(saveWorkingAlbum(t, f.ws.programFolder, f.ws.file("gone/trip.abm"), store));
    EXPECT_TRUE(albumChanged(f.working()));
    EXPECT_TRUE(albumChanged(f.slot()));

    const std::string target = f.ws.file("trip.abm");
    ASSERT_TRUE(saveWorkingAlbum(t, f.ws.programFolder, target, store));
    EXPECT_FALSE(albumChanged(f.working()));
    EXPECT_FALSE(albumChanged(f.slot()));
    EXPECT_TRUE(changedAlbumWindows(t).empty());
}

TEST(AlbumChanges, AnAlbumJustReadIsUnchanged)
{
    test::AlbumWorkspace ws;
    const std::string path = ws.file("read.abm");
    const auto bytes = test::albumFileBytes({{"/p/a.jpg", "jpeg", "x"}, {"/p/b.jpg", "jpeg", "y"}});
    ASSERT_EQ(writeFile(path, bytes), Status::Ok);
    ASSERT_TRUE(readAlbum(*ws.table, ws.programFolder, path, 5));
    EXPECT_EQ(ws.table->working.imageCount, 2);
    EXPECT_FALSE(albumChanged(ws.table->working));
    EXPECT_FALSE(albumChanged(ws.table->windowSlots[0]));
}

TEST(AlbumChanges, ADiscardClearsTheMarkButTheSerialNeverRepeats)
{
    ChangeFixture f;
    markWindowChanged(*f.ws.table, kView);
    const std::uint32_t serial = f.working().changeSerial;
    EXPECT_EQ(f.slot().changeSerial, serial); // one change, one serial in both records
    markWindowSaved(*f.ws.table, kView);
    EXPECT_FALSE(albumChanged(f.working()));
    EXPECT_FALSE(albumChanged(f.slot()));
    markWindowChanged(*f.ws.table, kView);
    EXPECT_GT(f.working().changeSerial, serial);
}

} // namespace
} // namespace pictra
