// The steps that end the program after the user confirmed it, in order:
// recovery copies settled, window rectangle, open albums marked in the recent list, scratch files and
// store folders deleted, shared buffers freed, table cleared, timers stopped.
#include "ui/mainframe/c_main_frame.h"

#include "core/app/app_state.h"
#include "core/album/album_window_close.h"
#include "core/settings/recent_album_list.h"
#include "core/settings/window_placement.h"
#include "core/startup/scratch_files.h"
#include "ui/dialogs/album_change_messages.h"
#include "ui/mainframe/album_documents.h"
#include "ui/prompts/user_prompts.h"
#include "ui/recovery/recovery_keeper.h"

#include <QTimer>

namespace pictra::ui {

void CMainFrame::runExitSteps()
{
    if (m_exited)
        return;
    m_exited = true;
    m_recovery->finish(); // while the albums and their store folders are still there
    // The client rectangle: exactly what setGeometry restores at the next
    // start (the frame around it belongs to the window manager).
    const QRect r = geometry();
    if (const Status s = saveWindowPlacement(m_state.registry, WindowPlacement{r.x(), r.y(), r.width(), r.height()});
        s != Status::Ok)
        m_prompts->showMessage(this, windowPlacementSaveFailureMessage(s));
    const std::vector<std::string> open = m_documents->openAlbumPaths();
    // Without a recent list there is nothing to mark (no album was ever opened or saved by name).
    if (const Status s = markOpenAlbumsInFile(m_state.programFolder, open); s != Status::Ok && s != Status::NotFound)
        m_prompts->showMessage(this, openAlbumListSaveFailureMessage(s));
    deleteScratchFiles(m_state.programFolder);
    for (const std::string& album : open)
        (void)deleteStoreFolder(m_state.programFolder, album); // copies left behind are only scratch; the albums hold theirs
    m_state.sharedImage.reset();
    clearAlbumTable(*m_state.albums);
    m_slideTimer->stop();
    m_idleUpdate->stop();
}

} // namespace pictra::ui
