#include "ui/print/print_commands.h"

#include "app/app_state.h"
#include "core/print/print_command_rules.h"
#include "ui/albumwindow/album_window_host.h"
#include "ui/print/c_normal_print_dlg.h"

namespace pictra::ui {

void runNormalPrint(AppState& state, AlbumWindowHost& host, QWidget* parent)
{
    const SlidePause pause = pauseSlideShow(state.slideShow);
    {
        CNormalPrintDlg dialog(state, state.albums->working, host.prompts(), host.printer(), parent);
        dialog.exec();
    }
    resumeSlideShow(state.slideShow, pause);
}

} // namespace pictra::ui
