// The slide show on screen: opening and closing the slide window and
// showing the owner's images in it on the host's timer.
#include "ui/albumwindow/slide_show_runner.h"

#include "core/app/app_state.h"
#include "core/album/cell_picture.h"
#include "core/album/window_records.h"
#include "core/album/window_slots.h"
#include "core/settings/settings_sanitize.h"
#include "core/util/paths.h"
#include "ui/albumwindow/album_window_host.h"
#include "ui/albumwindow/c_child_frame.h"
#include "ui/albumwindow/picture_loading.h"
#include "ui/albumwindow/special_window.h"

#include <QMdiArea>

#include <algorithm>

namespace pictra::ui {
namespace {

// A zero or negative interval (a damaged settings file) would spin the timer.
int slideInterval(const AppState& state) { return std::max(state.settings.slideIntervalMs, kMinSlideIntervalMs); }

void openSlideWindow(AppState& state, AlbumWindowHost& host, int image)
{
    SlideShowState& show = state.slideShow;
    const AlbumRecord& owner = state.albums->working;
    const ImageEntry entry = owner.images[static_cast<std::size_t>(image)];
    show.ownerViewId = owner.viewId;
    show.currentPath = imageFilePath(entry);
    CChildFrame* frame = openSpecialWindow(state, host, AlbumKind::SlideShow, entry);
    if (!frame) {
        clearSlideShow(show);
        return;
    }
    show.slideViewId = frame->viewId();
    host.startSlideTimer(slideInterval(state));
}

} // namespace

void runSlideCommand(AppState& state, AlbumWindowHost& host, SlideCommand command)
{
    SlideShowState& show = state.slideShow;
    const AlbumRecord& current = state.albums->working;
    const int count = current.kind == AlbumKind::Album ? std::clamp(current.imageCount, 0, kMaxAlbumImages) : 0;
    const std::uint64_t slideView = show.slideViewId;
    const SlideStep step = applySlideCommand(show, command, count);
    if (step.action == SlideAction::OpenWindow) {
        openSlideWindow(state, host, step.image);
    } else if (step.action == SlideAction::CloseWindow) {
        if (CChildFrame* frame = CChildFrame::find(host.mdiArea(), slideView))
            frame->close();
    }
}

void slideShowTick(AppState& state, AlbumWindowHost& host)
{
    SlideShowState& show = state.slideShow;
    if (show.state != SlideState::Forward && show.state != SlideState::Reverse)
        return;
    AlbumTable& table = *state.albums;
    const int ownerSlot = findSlot(table, show.ownerViewId);
    CChildFrame* slideFrame = CChildFrame::find(host.mdiArea(), show.slideViewId);
    if (ownerSlot < 0 || !slideFrame) {
        runSlideCommand(state, host, SlideCommand::End);
        return;
    }
    const AlbumRecord& owner = table.windowSlots[static_cast<std::size_t>(ownerSlot)];
    const std::optional<int> index = slideTick(show, owner.imageCount);
    if (!index)
        return;
    const ImageEntry entry = owner.images[static_cast<std::size_t>(*index)];
    show.currentPath = imageFilePath(entry);
    loadShared(state, show.currentPath);
    slideFrame->setWindowTitle(QString::fromStdString(std::string(fileNamePart(show.currentPath))));
    showSlideEntry(table, show.slideViewId, entry);
    host.refreshInfoBar();
    if (QWidget* view = slideFrame->widget())
        view->update();
    host.startSlideTimer(slideInterval(state));
}

} // namespace pictra::ui
