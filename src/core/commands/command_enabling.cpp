// The enabling rules of the program's commands.
#include "core/commands/command_enabling.h"

#include "core/album/page_position.h"
#include "core/commands/command_ids.h"

namespace pictra {

WindowState windowStateOf(const AlbumRecord& working, int openWindows, bool hasActiveWindow)
{
    WindowState s;
    s.openWindows = openWindows;
    s.hasActiveWindow = hasActiveWindow;
    s.kind = working.kind;
    s.imageCount = working.imageCount;
    // An album's focus counts only while it names an image, so no command
    // is offered for a picture that is not there.
    s.focus = working.kind == AlbumKind::Album ? commandImage(working) >= 0 : working.hasFocus == 1;
    s.pageStart = pageStart(working);
    return s;
}

namespace {

bool isAlbum(const WindowState& s) { return s.hasActiveWindow && s.kind == AlbumKind::Album; }
bool isSingleImage(const WindowState& s) { return s.hasActiveWindow && s.kind == AlbumKind::SingleImage; }

} // namespace

bool isCommandEnabled(int id, const WindowState& s)
{
    using namespace cmd;
    switch (id) {
    case kSave:
    case kSaveAs:
    case kCascade:
    case kTile:
    case kArrangeIcons:
        return s.openWindows > 0;
    case kCut:
    case kCopy:
    case kDelete:
        return s.focus;
    case kPaste:
        return s.clipboardFilled;
    case kNextPage:
    case kPreviousPage:
    case kFirstPage:
    case kLastPage:
        return isAlbum(s) && s.pageStart < s.imageCount;
    case kSlideShow:
    case kReverseSlide:
        return s.hasActiveWindow && !isSingleImage(s) && !(s.kind == AlbumKind::Album && s.imageCount <= 1);
    case kPauseSlide:
        return s.slide == SlideState::Forward || s.slide == SlideState::Reverse;
    case kEndSlideShow:
        return s.slide != SlideState::None;
    case kEnlargedView:
        return s.imageCount >= 1 && isAlbum(s) && s.focus;
    case kStandardSize:
    case kZoom:
    case kZoomBack:
        return isSingleImage(s);
    case kSearch:
        return s.imageCount != 0 && isAlbum(s);
    case kInputFromFile:
    case kInputTwain:
        return isAlbum(s);
    case kExportJpeg:
    case kExportBmp:
    case kExportTiff:
    case kExportPsd:
    case kExportPcx:
    case kExportPng:
    case kExportWebp:
    case kPrintNormal:
    case kPrintPoster:
    case kPrintDtp:
        return s.hasActiveWindow && s.imageCount != 0;
    case kRelink:
        return isAlbum(s) && s.imageCount > 0;
    case kCopyToFolder:
    case kMoveToFolder:
    case kRename:
        return isSingleImage(s) || (isAlbum(s) && s.focus && s.imageCount > 0);
    case kFillDateTaken:
    case kExportXmp:
        return isAlbum(s) && s.focus && s.imageCount > 0;
    case kSortByDate:
    case kSortByName:
    case kSortByPlace:
        return isAlbum(s) && s.imageCount > 1;
    default:
        return true;
    }
}

} // namespace pictra
