// Input, copy, move and rename of image files.
#include "ui/albumwindow/file_commands.h"

#include "core/app/app_state.h"
#include "core/album/cell_picture.h"
#include "core/album/file_name_list.h"
#include "core/album/window_records.h"
#include "core/commands/command_ids.h"
#include "core/fileops/file_transfer.h"
#include "core/fileops/rename_target.h"
#include "core/fileops/repoint_entries.h"
#include "core/util/paths.h"
#include "ui/albumwindow/album_window_host.h"
#include "ui/albumwindow/c_child_frame.h"
#include "ui/albumwindow/c_view_pictra.h"
#include "ui/albumwindow/picture_loading.h"
#include "ui/dialogs/album_change_messages.h"
#include "ui/dialogs/c_file_name_dlg.h"
#include "ui/dialogs/c_insert_image_dlg.h"
#include "ui/dialogs/c_reference.h"
#include "ui/dialogs/c_relink_dlg.h"
#include "ui/dialogs/file_outcome_messages.h"
#include "ui/dialogs/relink_messages.h"
#include "ui/dialogs/status_messages.h"
#include "ui/prompts/user_prompts.h"

#include <QMdiArea>

#include <algorithm>

namespace pictra::ui {
namespace {

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

std::vector<std::string> entryPaths(const AlbumRecord& album)
{
    std::vector<std::string> paths;
    for (int i = 0; i < std::clamp(album.imageCount, 0, kMaxAlbumImages); ++i)
        paths.push_back(imageFilePath(album.images[static_cast<std::size_t>(i)]));
    return paths;
}

// The entry a rename acts on: the focused image of an album window, the
// window's own picture elsewhere; -1 for none.
int targetEntry(const CChildFrame& frame, const AlbumRecord& working)
{
    if (frame.kind() == AlbumKind::Album)
        return focusedImage(working);
    return working.imageCount > 0 ? 0 : -1;
}

// Entries of any open window may have changed their paths, and the dialog's
// preview used the shared picture: every window is drawn anew and the
// information bar shows the focused picture again.
void refreshWindows(AppState& state, AlbumWindowHost& host)
{
    loadShared(state, focusedPicturePath(state, state.albums->working));
    for (QMdiSubWindow* sub : host.mdiArea().subWindowList()) {
        auto* frame = qobject_cast<CChildFrame*>(sub);
        if (frame && frame->pageView()) {
            frame->pageView()->repaintPage();
        } else if (frame) {
            // A single-image window is titled after its picture's file.
            const AlbumRecord* rec = windowRecord(*state.albums, frame->viewId());
            if (rec && frame->kind() == AlbumKind::SingleImage)
                frame->setWindowTitle(qs(fileNamePart(albumFilePath(*rec))));
            frame->widget()->update();
        }
    }
    host.refreshInfoBar();
}

void insertFromFiles(AppState& state, AlbumWindowHost& host, CChildFrame& frame)
{
    if (frame.kind() != AlbumKind::Album)
        return;
    const AlbumRecord& w = state.albums->working;
    CInsertImageDlg dialog(state, host.prompts(), {albumFilePath(w), entryPaths(w)}, &frame);
    if (dialog.exec() != QDialog::Accepted) {
        refreshWindows(state, host);
        return;
    }
    FileNameList list;
    for (const std::string& path : dialog.paths())
        (void)list.add(path); // cannot fail: the dialog keeps to the album's room and the path length
    frame.appendImages(list);
}

void transfer(AppState& state, AlbumWindowHost& host, CChildFrame& frame, TransferMode mode)
{
    const AlbumRecord& w = state.albums->working;
    std::vector<std::string> selected;
    std::vector<std::string> all;
    if (frame.kind() == AlbumKind::Album) {
        for (const ImageEntry& entry : state.selection.selection)
            selected.push_back(imageFilePath(entry));
        all = entryPaths(w);
    } else if (w.imageCount > 0) {
        selected = {imageFilePath(w.images[0])};
        all = selected;
    }
    CReference dialog(state, host.prompts(), mode, selected, all, &frame);
    dialog.exec();
    refreshWindows(state, host);
}

void rename(AppState& state, AlbumWindowHost& host, CChildFrame& frame)
{
    const AlbumRecord& w = state.albums->working;
    const int a = targetEntry(frame, w);
    if (a < 0)
        return;
    const std::string source = imageFilePath(w.images[static_cast<std::size_t>(a)]);
    const auto problemOf = [&](const QString& name) -> QString {
        const RenameTarget target = renameTarget(source, name.toStdString());
        if (target.problem != FileOutcome::Done)
            return fileOutcomeText(target.problem);
        if (const auto clash = storeCopyRenameClash(*state.albums, source, target.path))
            return storeNameClashMessage({source}, StoreNameClashAct::Rename);
        return {};
    };
    CFileNameDlg dialog(qs(splitFileName(source).base), problemOf, host.prompts(), &frame);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const std::string target = renameTarget(source, dialog.name().toStdString()).path;
    if (target == source)
        return;
    FileOutcome outcome = renameFile(source, target, Overwrite::Refuse);
    if (outcome == FileOutcome::TargetExists) {
        if (!host.prompts().askYesNo(&frame, overwriteQuestion(qs(fileNamePart(target)))))
            return;
        outcome = renameFile(source, target, Overwrite::Replace);
    }
    if (outcome != FileOutcome::Done) {
        host.prompts().showMessage(&frame, QStringLiteral("ファイル名を変更できませんでした。\n%1\n%2")
                                               .arg(qs(source), fileOutcomeText(outcome)));
        return;
    }
    QStringList unfollowed;
    for (const std::string& album : repointEntries(*state.albums, state.selection, source, target)) {
        if (!renameStoreCopy(state.programFolder, album, source, target))
            unfollowed << storeCopyRenameFailureMessage(qs(album), qs(source), qs(target));
    }
    refreshWindows(state, host);
    if (!unfollowed.isEmpty())
        host.prompts().showMessage(&frame, unfollowed.join(QStringLiteral("\n\n")));
}

// "元画像を探す...": the dialog repoints what the user confirms.
void relink(AppState& state, AlbumWindowHost& host, CChildFrame& frame)
{
    CRelinkDlg dialog(state, host.prompts(), &frame);
    if (dialog.missingCount() == 0) {
        host.prompts().showMessage(&frame, relinkNothingMissingMessage());
        return;
    }
    if (dialog.exec() != QDialog::Accepted || dialog.changedAlbums().empty())
        return;
    frame.refreshTitle();
    refreshWindows(state, host);
}

} // namespace

bool runFileCommand(AppState& state, AlbumWindowHost& host, CChildFrame& frame, int id)
{
    switch (id) {
    case cmd::kInputFromFile: insertFromFiles(state, host, frame); return true;
    case cmd::kCopyToFolder: transfer(state, host, frame, TransferMode::Copy); return true;
    case cmd::kMoveToFolder: transfer(state, host, frame, TransferMode::Move); return true;
    case cmd::kRename: rename(state, host, frame); return true;
    case cmd::kRelink: relink(state, host, frame); return true;
    default: return false;
    }
}

} // namespace pictra::ui
