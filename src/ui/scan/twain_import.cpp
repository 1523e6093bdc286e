// The TWAIN command of the album window.
#include "ui/scan/twain_import.h"

#include "core/album/album_table.h"
#include "core/album/image_entry.h"
#include "core/album/name_list_file.h"
#include "core/app/app_state.h"
#include "core/platform/program_paths.h"
#include "core/util/fixed_text.h"
#include "scanner/sane_scan_source.h"
#include "ui/albumwindow/album_window_host.h"
#include "ui/albumwindow/c_child_frame.h"
#include "ui/albumwindow/special_window.h"
#include "ui/dialogs/duplicate_prompt.h"
#include "ui/prompts/user_prompts.h"
#include "ui/scan/c_twain_dlg.h"

#include <filesystem>

namespace pictra::ui {

void runTwainImport(AppState& state, AlbumWindowHost& host, CChildFrame& frame)
{
    if (frame.kind() != AlbumKind::Album)
        return;
    SaneScanSource source;
    CTwainDlg dialog(state, host.prompts(), source, &frame);
    dialog.exec();
    applyTwainResult(state, host, frame, static_cast<int>(dialog.resultCode()));
}

void applyTwainResult(AppState& state, AlbumWindowHost& host, CChildFrame& frame, int result)
{
    if (result != static_cast<int>(TwainResult::Open) && result != static_cast<int>(TwainResult::Add))
        return;
    const std::string file = tempFilePath(state.programFolder, kScanListFile);
    auto list = readNameListFile(file);
    std::error_code ec;
    std::filesystem::remove(file, ec);
    if (!list)
        return;
    if (result == static_cast<int>(TwainResult::Add)) {
        frame.makeCurrent(); // the working copy is the album the scans join
        const auto wanted = offeredAfterDuplicateCheck(state, host.prompts(), &frame, state.albums->working, list->paths());
        FileNameList kept;
        for (const std::string& path : wanted.value_or(std::vector<std::string>{}))
            (void)kept.add(path); // cannot fail: fewer paths than the list held
        frame.appendImages(kept);
        return;
    }
    int notOpened = 0;
    for (const std::string& path : list->paths()) {
        ImageEntry entry;
        if (!setFieldText(entry.path, path) || !openSpecialWindow(state, host, AlbumKind::SingleImage, entry))
            ++notOpened;
    }
    if (notOpened > 0)
        host.prompts().showMessage(&frame, QStringLiteral("開けるウインドウは %1 個までです。%2 枚の画像は開いていません。")
                                               .arg(kMaxAlbumWindows)
                                               .arg(notOpened));
}

} // namespace pictra::ui
