// The start-up sequence.
#include "app/pictra_startup.h"

#include "core/app/app_state.h"
#include "app/program_resources.h"
#include "app/program_startup.h"
#include "core/album/selection_block.h"
#include "core/album/slide_show.h"
#include "core/album/window_slots.h"
#include "core/platform/registry_store.h"
#include "core/settings/recent_album_list.h"
#include "core/settings/window_placement.h"
#include "core/startup/first_album.h"
#include "core/startup/superseded_install.h"
#include "core/util/fixed_text.h"
#include "ui/dialogs/status_messages.h"
#include "ui/mainframe/album_documents.h"
#include "ui/mainframe/c_main_frame.h"
#include "ui/recovery/recovery_keeper.h"
#include "ui/prompts/user_prompts.h"
#include "ui/recovery/recovery_offer.h"

#include <QMdiArea>

namespace pictra {

namespace {

void removeSupersededInstallationNamedInRegistry(RegistryStore& registry)
{
    const auto folder = registry.readString(kPictraRegistryKey, "_dir2");
    if (!folder)
        return;
    (void)registry.deleteValue(kPictraRegistryKey, "_dir2"); // left behind, it only repeats the removal at the next start
    removeSupersededInstallation(*folder);
}

void clearAlbumState(AppState& state)
{
    clearSlideShow(state.slideShow);
    startAlbumTable(*state.albums, state.selection);
    presetGrid(*state.albums, static_cast<std::uint8_t>(state.settings.columns & 0xFF),
               static_cast<std::uint8_t>(state.settings.rows & 0xFF));
}

void showMainFrame(AppState& state, ui::CMainFrame& frame)
{
    if (state.settings.mainMaximized == 1) {
        frame.showMaximized();
        return;
    }
    if (const auto placement = startPlacement(state.settings, readStoredPlacement(state.registry)))
        frame.setGeometry(placement->x, placement->y, placement->width, placement->height);
    frame.show();
}

// The albums flagged open at the last exit, oldest first.
void reopenLastAlbums(const RecentAlbumList& list, ui::AlbumDocuments& documents)
{
    for (int i = 0; i < list.count; ++i) {
        if (list.openAtExit[static_cast<std::size_t>(i)] == 1)
            documents.openAlbum(std::string(recentPath(list, i)));
    }
}

} // namespace

std::unique_ptr<ui::CMainFrame> startPictra(AppState& state, const StartOptions& options)
{
    removeSupersededInstallationNamedInRegistry(state.registry);
    if (const Status prepared = prepareProgramFolder(state); prepared != Status::Ok) {
        const QString folder = QString::fromStdString(state.programFolder);
        ui::QtUserPrompts ownPrompts;
        ui::UserPrompts& prompts = options.prompts ? *options.prompts : ownPrompts;
        prompts.showMessage(nullptr, ui::programFolderFailureMessage(folder, prepared));
        return nullptr;
    }
    installManual(state.programFolder, options.programDir);
    // A new program folder gets its samples now; one that pictra-setup filled
    // names the installed sample album for this first start.
    const std::optional<std::string> installedSample = takeFirstAlbum(state.registry);
    std::optional<std::string> sample = makeSampleData(state);
    if (!sample)
        sample = installedSample;
    clearAlbumState(state);

    auto frame = std::make_unique<ui::CMainFrame>(state, options.prompts);
    showMainFrame(state, *frame);
    new ui::SplashOverlay(frame.get(), frame->centralWidget()->geometry(), options.splashMs);

    const auto recent = pruneRecentAlbumFile(state.programFolder);
    if (sample)
        (void)AddRecentAlbum(state.programFolder, *sample); // only the recent menu misses the sample
    frame->rebuildRecentMenu();

    ui::AlbumDocuments& documents = frame->documents();
    const int restored = ui::offerRecovery(state, documents, frame->prompts(), frame.get(), frame->recovery());
    frame->recovery().start();
    if (options.album)
        documents.openAlbum(*options.album);
    else if (sample)
        documents.openAlbum(*sample); // a new user sees a working album at once
    else if (state.settings.openWindowAtStart == 1 && restored == 0)
        documents.newAlbum();
    if (state.settings.restoreWork == 1 && recent)
        reopenLastAlbums(*recent, documents);
    frame->updateCommandStates();
    return frame;
}

} // namespace pictra
