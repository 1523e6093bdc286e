// Running the search dialog and carrying out its choice.
#include "ui/search/search_command.h"

#include "core/app/app_state.h"
#include "core/commands/command_ids.h"
#include "core/search/search_files.h"
#include "core/util/fixed_text.h"
#include "ui/albumwindow/album_window_host.h"
#include "ui/albumwindow/c_child_frame.h"
#include "ui/albumwindow/special_window.h"
#include "ui/prompts/user_prompts.h"
#include "ui/search/c_search_dlg.h"

#include <span>

namespace pictra::ui {

void runSearchCommand(AppState& state, AlbumWindowHost& host, QWidget* parent, int mode, CChildFrame* albumFrame)
{
    if (albumFrame)
        albumFrame->makeCurrent();
    if (mode == cmd::kSearch) {
        const AlbumRecord& album = state.albums->working;
        if (!albumFrame || album.imageCount < 1)
            return;
        const std::span<const ImageEntry> entries(album.images.data(), static_cast<std::size_t>(album.imageCount));
        if (writeSearchAlbum(state.programFolder, entries) != Status::Ok) {
            host.prompts().showMessage(parent, QStringLiteral("検索の作業ファイルを書き込めませんでした。"));
            return;
        }
    }
    CSearchDlg dialog(state, host.prompts(), mode, albumFrame != nullptr, parent);
    dialog.exec();
    applySearchResult(state, host, parent, dialog.handOver(), albumFrame);
}

void applySearchResult(AppState& state, AlbumWindowHost& host, QWidget* parent, int handOver, CChildFrame* albumFrame)
{
    if (handOver != CSearchDlg::Open && handOver != CSearchDlg::Add)
        return;
    const auto list = takeSearchResults(state.programFolder);
    if (!list)
        return;
    if (handOver == CSearchDlg::Add) {
        if (albumFrame)
            albumFrame->appendImages(*list);
        return;
    }
    int notOpened = 0;
    for (const std::string& path : list->paths()) {
        ImageEntry entry;
        (void)setFieldText(entry.path, path); // cannot cut: the list holds only paths that fit
        if (!openSpecialWindow(state, host, AlbumKind::SingleImage, entry))
            ++notOpened;
    }
    if (notOpened > 0)
        host.prompts().showMessage(
            parent, QStringLiteral("開けるウインドウは%1個までです。%2件は開きませんでした。").arg(kMaxAlbumWindows).arg(notOpened));
}

} // namespace pictra::ui
