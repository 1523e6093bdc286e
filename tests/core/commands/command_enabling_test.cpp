#include "core/commands/command_enabling.h"
#include "core/commands/command_ids.h"

#include <gtest/gtest.h>

#include <vector>

namespace pictra {
namespace {

using namespace cmd;

WindowState album(int count, bool focus = false, int pageStart = 0)
{
    WindowState s;
    s.openWindows = 1;
    s.hasActiveWindow = true;
    s.kind = AlbumKind::Album;
    s.imageCount = count;
    s.focus = focus;
    s.pageStart = pageStart;
    return s;
}

WindowState ofKind(AlbumKind kind, int count)
{
    WindowState s = album(count);
    s.kind = kind;
    return s;
}

struct Case {
    const char* name;
    WindowState state;
    std::vector<int> enabled;
    std::vector<int> disabled;
};

class Enabling : public ::testing::TestWithParam<Case> {};

TEST_P(Enabling, FollowsTheRules)
{
    const Case& c = GetParam();
    for (int id : c.enabled)
        EXPECT_TRUE(isCommandEnabled(id, c.state)) << c.name << ": " << id << " should be enabled";
    for (int id : c.disabled)
        EXPECT_FALSE(isCommandEnabled(id, c.state)) << c.name << ": " << id << " should be disabled";
}

WindowState withSlide(WindowState s, SlideState phase)
{
    s.slide = phase;
    return s;
}

WindowState withClipboard(WindowState s)
{
    s.clipboardFilled = true;
    return s;
}

INSTANTIATE_TEST_SUITE_P(
    Table, Enabling,
    ::testing::Values(
        Case{"no window", WindowState{},
             {kNewAlbum, kOpenAlbum, kManual, kAbout},
             {kSave, kSaveAs, kCascade, kTile, kArrangeIcons, kCut, kPaste, kNextPage, kFirstPage, kSlideShow,
              kEnlargedView, kSearch, kInputFromFile, kInputTwain, kExportJpeg, kPrintNormal, kCopyToFolder,
              kPauseSlide, kEndSlideShow, kZoom}},
        Case{"empty album", album(0),
             {kSave, kSaveAs, kCascade, kInputFromFile, kInputTwain, kSearchFromFile},
             {kNextPage, kPreviousPage, kFirstPage, kLastPage, kSlideShow, kReverseSlide, kSearch, kExportJpeg,
              kExportPcx, kExportPng, kExportWebp, kPrintNormal, kEnlargedView, kCut, kCopy, kDelete, kRename,
              kFillDateTaken, kExportXmp, kSortByDate, kRelink}},
        Case{"one image, focused", album(1, true),
             {kEnlargedView, kCut, kCopy, kDelete, kSearch, kExportBmp, kExportPng, kExportWebp, kPrintNormal,
              kCopyToFolder, kMoveToFolder, kRename, kRelink, kNextPage, kFirstPage, kFillDateTaken, kExportXmp},
             {kSlideShow, kReverseSlide, kStandardSize, kZoom, kZoomBack, kPaste, kSortByName}},
        Case{"two images, no focus", album(2),
             {kSlideShow, kReverseSlide, kSearch, kSortByDate, kSortByName, kSortByPlace},
             {kEnlargedView, kCut, kCopy, kDelete, kCopyToFolder, kFillDateTaken, kExportXmp}},
        Case{"page start past the last image", album(12, true, 12),
             {kSlideShow, kEnlargedView},
             {kNextPage, kPreviousPage, kFirstPage, kLastPage}},
        Case{"single-image window", ofKind(AlbumKind::SingleImage, 5),
             {kStandardSize, kZoom, kZoomBack, kCopyToFolder, kMoveToFolder, kRename, kExportTiff},
             {kSlideShow, kReverseSlide, kNextPage, kEnlargedView, kSearch, kInputFromFile, kInputTwain, kFillDateTaken,
              kExportXmp, kSortByDate, kRelink}},
        Case{"slide-show window", ofKind(AlbumKind::SlideShow, 1),
             {kSlideShow, kReverseSlide},
             {kZoom, kNextPage, kSearch, kInputFromFile, kCopyToFolder}},
        Case{"slide running forward", withSlide(album(3), SlideState::Forward), {kPauseSlide, kEndSlideShow}, {}},
        Case{"slide running backward", withSlide(album(3), SlideState::Reverse), {kPauseSlide, kEndSlideShow}, {}},
        Case{"slide paused", withSlide(album(3), SlideState::Paused), {kEndSlideShow}, {kPauseSlide}},
        Case{"clipboard filled", withClipboard(album(0)), {kPaste}, {}}),
    [](const auto& info) {
        std::string name = info.param.name;
        for (char& ch : name)
            if (!std::isalnum(static_cast<unsigned char>(ch)))
                ch = '_';
        return name;
    });

TEST(WindowStateOf, PageStartIsColumnsTimesRowsTimesPage)
{
    auto table = std::make_unique<AlbumRecord>();
    table->columns = 4;
    table->rows = 3;
    table->currentPage = 2;
    table->imageCount = 30;
    table->hasFocus = 1;
    const WindowState s = windowStateOf(*table, 1, true);
    EXPECT_EQ(s.pageStart, 24);
    EXPECT_TRUE(s.focus);
    EXPECT_EQ(s.imageCount, 30);
}

} // namespace
} // namespace pictra
