// The steps that end the program after the user confirmed it, in order:
// recovery copies settled, window rectangle, open albums marked in the recent list, scratch files and
// store folders deleted, shared buffers freed, table cleared, timers stopped.
#include "ui/mainframe/c_main_frame.h"

#include "core/app/app_state.h"
#include "core/album/album_window_close.h"
#include "core/settings/recent_album_list.h"
#include "core/settings/window_placement.h"
#include "core/startup/scratch_files.h"
#include "ui/mainframe/album_documents.h"
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
    (void)saveWindowPlacement(m_state.registry, WindowPlacement{r.x(), r.y(), r.width(), r.height()});
    const std::vector<std::string> open = m_documents->openAlbumPaths();
    (void)markOpenAlbumsInFile(m_state.programFolder, open);
    deleteScratchFiles(m_state.programFolder);
    for (const std::string& album : open)
        (void)deleteStoreFolder(m_state.programFolder, album);
    m_state.sharedImage.reset();
    clearAlbumTable(*m_state.albums);
    m_slideTimer->stop();
    m_idleUpdate->stop();
}

} // namespace pictra::ui
