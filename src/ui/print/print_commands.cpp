#include "ui/print/print_commands.h"

#include "core/app/app_state.h"
#include "core/print/print_command_rules.h"
#include "ui/albumwindow/album_window_host.h"
#include "ui/print/c_dtp_print_dlg.h"
#include "ui/print/c_normal_print_dlg.h"
#include "ui/print/c_poster_print_dlg.h"

namespace pictra::ui {

namespace {

template <typename Dialog>
void runPrintDialog(AppState& state, AlbumWindowHost& host, QWidget* parent)
{
    const SlidePause pause = pauseSlideShow(state.slideShow);
    {
        Dialog dialog(state, state.albums->working, host.prompts(), host.printer(), parent);
        if (host.printerPaperChosen())
            dialog.takeOverPrinterPaper();
        dialog.exec();
    }
    resumeSlideShow(state.slideShow, pause);
}

} // namespace

void runNormalPrint(AppState& state, AlbumWindowHost& host, QWidget* parent)
{
    runPrintDialog<CNormalPrintDlg>(state, host, parent);
}

void runPosterPrint(AppState& state, AlbumWindowHost& host, QWidget* parent)
{
    runPrintDialog<CPosterPrintDlg>(state, host, parent);
}

void runDtpPrint(AppState& state, AlbumWindowHost& host, QWidget* parent)
{
    runPrintDialog<CDtpPrintDlg>(state, host, parent);
}

} // namespace pictra::ui
