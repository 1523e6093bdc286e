// After every edit of an album's entries the frame, the information bar's
// entry and the commands name one picture, or none in an empty album. Each
// row runs one edit path the way the album window does, then checks that.
#include "core/album/append_images.h"
#include "core/album/clipboard_edit.h"
#include "core/album/command_target.h"
#include "core/album/drop_insertion.h"
#include "core/album/page_position.h"
#include "core/album/page_view_rules.h"
#include "core/album/window_records.h"
#include "core/album/window_slots.h"
#include "core/commands/command_enabling.h"
#include "core/commands/command_ids.h"
#include "core/util/fixed_text.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace pictra {
namespace {

constexpr std::uint64_t kAlbum = 11;
constexpr std::uint64_t kOther = 12;
constexpr std::uint32_t kTick = 5000;

struct Session {
    std::unique_ptr<AlbumTable> table = makeAlbumTable();
    SelectionBlock selection;
    AlbumRecord& w() { return table->working; }
};

// Two album windows of a 3 × 3 grid; the first (`count` images, stamps
// 100 + i) is active with its focus on image `focus` (-1: none) and image
// `framed` selected (-1: none), which need not be the focused one.
std::unique_ptr<Session> session(int count, int focus, int framed)
{
    auto s = std::make_unique<Session>();
    for (const std::uint64_t view : {kOther, kAlbum}) {
        EXPECT_TRUE(prepareNewAlbum(*s->table, "/albums/" + std::to_string(view) + ".abm", 3, 3));
        AlbumRecord& rec = s->w();
        rec.imageCount = view == kAlbum ? count : 2;
        for (int i = 0; i < rec.imageCount; ++i) {
            ImageEntry& e = rec.images[static_cast<std::size_t>(i)];
            (void)setFieldText(e.path, "/img/" + std::to_string(view) + "_" + std::to_string(i) + ".jpg");
            e.stamp = static_cast<std::int32_t>((view == kAlbum ? 100 : 900) + i);
        }
        for (int c = 0; c < kMaxPageCells; ++c)
            rec.cells[static_cast<std::size_t>(c)] = {c * 10, 0, c * 10 + 9, 9};
        EXPECT_GE(openWindowSlot(*s->table, AlbumKind::Album, view), 0);
    }
    AlbumRecord& w = s->w();
    if (focus >= 0) {
        w.hasFocus = 1;
        w.currentPage = focus / 9;
        w.focusIndex = focus % 9;
    }
    if (framed >= 0)
        selectOnly(s->selection, w.images[static_cast<std::size_t>(framed)]);
    mirrorToActiveSlot(*s->table);
    return s;
}

void appendFiles(Session& s, int n)
{
    FileNameList list;
    for (int k = 0; k < n; ++k)
        ASSERT_TRUE(list.add("/new/" + std::to_string(k) + ".jpg"));
    ASSERT_TRUE(appendImages(s.w(), list, kTick).ok());
    afterAppend(*s.table, s.selection);
}

// What the window does after a clipboard command: settle, then mirror into the slot.
void settle(Session& s)
{
    settleTarget(s.w(), s.selection);
    mirrorToActiveSlot(*s.table);
}

struct PathCase {
    const char* name;
    int count, focus, framed;         // the album before
    std::function<void(Session&)> edit; // what the window does
    int target;                       // album position named afterwards, -1 none
};

class OneTarget : public testing::TestWithParam<PathCase> {};

TEST_P(OneTarget, FrameInformationBarAndCommandsNameTheSamePicture)
{
    const PathCase& c = GetParam();
    auto s = session(c.count, c.focus, c.framed);
    c.edit(*s);
    const AlbumRecord& w = s->w();
    const int target = commandImage(w); // what delete, the tools and the information bar act on
    EXPECT_EQ(target, c.target);
    const WindowState state = windowStateOf(w, 2, true);
    for (int id : {cmd::kDelete, cmd::kCut, cmd::kCopy, cmd::kEnlargedView, cmd::kRename})
        EXPECT_EQ(isCommandEnabled(id, state), target >= 0) << id;
    for (const ImageEntry& e : s->selection.selection)
        EXPECT_GE(indexOfStamp(w, e.stamp), 0) << "a frame for a picture the album no longer holds";
    if (target < 0) {
        EXPECT_TRUE(s->selection.selection.empty());
        return;
    }
    EXPECT_EQ(w.currentPage, target / 9) << "the target is on the page shown";
    const std::vector<int> framed = selectedCells(w, s->selection);
    EXPECT_NE(std::find(framed.begin(), framed.end(), target % 9), framed.end()) << "the target is framed";
    EXPECT_EQ(w.focusRect, w.cells[static_cast<std::size_t>(target % 9)]);
    const AlbumRecord* slot = activeSlot(*s->table);
    ASSERT_NE(slot, nullptr);
    EXPECT_EQ(commandImage(*slot), target) << "the window's slot agrees";
}

const PathCase kPaths[] = {
    // Insert dialog, dropped files, search "追加" and scan "追加" all append a list.
    {"InsertKeepsTheFocusAndMovesTheFrameToIt", 6, 4, 0, [](Session& s) { appendFiles(s, 3); }, 4},
    {"SearchAddIntoAnAlbumWithoutFocus", 4, -1, -1, [](Session& s) { appendFiles(s, 2); }, 0},
    {"DroppedFilesIntoAnEmptyAlbum", 0, -1, -1, [](Session& s) { appendFiles(s, 2); }, 0},
    {"ScanAddWithTheFrameOnAnotherPage", 12, 10, 2, [](Session& s) { appendFiles(s, 1); }, 10},
    {"DragWithinTheAlbum", 8, 1, 1,
     [](Session& s) {
         const int landed = dropWithinAlbum(s.w(), s.selection.selection, 5, DropKind::Move, kTick);
         afterDrop(*s.table, s.selection, landed);
     },
     5},
    {"DropFromAnotherAlbum", 5, 0, 0,
     [](Session& s) {
         const ImageEntry visitor = s.table->windowSlots[0].images[1];
         const int landed = insertEntryCopies(s.w(), std::span(&visitor, 1), 3, kTick);
         afterDrop(*s.table, s.selection, landed);
     },
     3},
    {"PasteFramesTheFirstPastedImage", 5, 2, 2,
     [](Session& s) {
         s.selection.clipboardFilled = true;
         s.selection.clipboard = {s.table->windowSlots[0].images[0]};
         ASSERT_EQ(pasteClipboard(s.w(), s.selection, kTick).outcome, PasteOutcome::Pasted);
         settle(s);
     },
     2},
    {"PasteIntoAnEmptyAlbum", 0, -1, -1,
     [](Session& s) {
         s.selection.clipboardFilled = true;
         s.selection.clipboard = {s.table->windowSlots[0].images[0], s.table->windowSlots[0].images[1]};
         ASSERT_EQ(pasteClipboard(s.w(), s.selection, kTick).outcome, PasteOutcome::Pasted);
         settle(s);
     },
     0},
    {"CutOfTheLastImageFramesTheNewLast", 5, 4, 4,
     [](Session& s) {
         ASSERT_TRUE(cutSelection(s.w(), s.selection));
         settle(s);
     },
     3},
    {"CutOfTheOnlyImageLeavesNoTarget", 1, 0, 0,
     [](Session& s) {
         ASSERT_TRUE(cutSelection(s.w(), s.selection));
         settle(s);
         EXPECT_TRUE(s.selection.clipboardFilled); // the cut image waits to be pasted
         EXPECT_TRUE(isCommandEnabled(cmd::kPaste, WindowState{.clipboardFilled = true}));
     },
     -1},
    {"DeleteOfTheLastImage", 3, 2, 2,
     [](Session& s) {
         ASSERT_EQ(deleteFocused(s.w(), s.selection), 2);
         settle(s);
     },
     1},
    {"ToolAddWhileTheAlbumIsInTheBackground", 9, 8, 8,
     [](Session& s) {
         ASSERT_TRUE(activateWindow(*s.table, s.selection, kOther));
         AlbumRecord& album = s.table->windowSlots[1];
         FileNameList list;
         ASSERT_TRUE(list.add("/img/edited_rgb.jpg"));
         ASSERT_TRUE(appendImages(album, list, kTick).ok());
         settleFocus(album);
         ASSERT_TRUE(activateWindow(*s.table, s.selection, kAlbum));
     },
     8},
    {"PageChoiceOnAShortLastPage", 11, 7, 7, [](Session& s) { choosePage(*s.table, s.selection, 1); }, 10},
};

INSTANTIATE_TEST_SUITE_P(EditPaths, OneTarget, testing::ValuesIn(kPaths),
                         [](const testing::TestParamInfo<PathCase>& info) { return info.param.name; });

TEST(SettleTarget, KeepsACtrlSelectionThatHoldsTheTarget)
{
    auto s = session(6, 3, 1);
    (void)addToSelection(s->selection, s->w().images[3]);
    EXPECT_EQ(settleTarget(s->w(), s->selection), 3);
    EXPECT_EQ(s->selection.selection.size(), 2u);
    EXPECT_EQ(settleTarget(s->w(), s->selection, 5), 5); // a preferred image takes the frame alone
    ASSERT_EQ(s->selection.selection.size(), 1u);
    EXPECT_EQ(s->selection.selection[0].stamp, 105);
}

} // namespace
} // namespace pictra
