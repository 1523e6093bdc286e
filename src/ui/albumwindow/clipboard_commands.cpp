// The clipboard commands of an album window.
#include "ui/albumwindow/clipboard_commands.h"

#include "core/app/app_state.h"
#include "core/album/album_room.h"
#include "core/album/cell_picture.h"
#include "core/album/clipboard_edit.h"
#include "core/album/command_target.h"
#include "core/album/store_copy.h"
#include "core/album/store_copy_transfer.h"
#include "core/album/window_records.h"
#include "core/commands/command_ids.h"
#include "core/util/file_io.h"
#include "core/util/paths.h"
#include "core/util/tick_count.h"
#include "ui/albumwindow/album_window_host.h"
#include "ui/albumwindow/c_child_frame.h"
#include "ui/albumwindow/picture_loading.h"
#include "ui/dialogs/added_images_check.h"
#include "ui/dialogs/duplicate_prompt.h"
#include "ui/dialogs/status_messages.h"
#include "ui/prompts/user_prompts.h"

#include <algorithm>
#include <span>
#include <utility>
#include <vector>

namespace pictra::ui {
namespace {

// The entries whose source paths (`paths[i]` is that of `entries[i]`) are
// still in `kept`, which keeps the paths' order.
std::vector<ImageEntry> entriesOf(std::span<const ImageEntry> entries, std::span<const std::string> paths,
                                  std::span<const std::string> kept)
{
    std::vector<ImageEntry> left;
    for (std::size_t i = 0, next = 0; i < paths.size() && i < entries.size() && next < kept.size(); ++i) {
        if (paths[i] == kept[next]) {
            left.push_back(entries[i]);
            ++next;
        }
    }
    return left;
}

QString qs(const std::string& s) { return QString::fromStdString(s); }

// The entries' store copies must be in the target album's store folder
// before the album can show or save them. The clipboard's source album
// gives them when it is still open; otherwise (it was closed, and a new
// album may even have taken its name) they are made afresh from the source
// files. Returns each entry's outcome, in the clipboard's order.
BatchResults bringStoreCopies(AppState& state, const std::string& fromAlbum, const std::string& toAlbum,
                              std::span<const ImageEntry> entries)
{
    copyStoreCopies(state.programFolder, fromAlbum, toAlbum, entries);
    ImageFileIO io(jpegSaveOptions(state.settings));
    BatchResults results;
    for (const ImageEntry& entry : entries) {
        const std::string image = imageFilePath(entry);
        if (fileExists(storeCopyPath(state.programFolder, toAlbum, image)))
            results.emplace_back(Status::Ok);
        else
            results.emplace_back(makeStoreCopy(io, sharedRecord(state), state.programFolder, toAlbum, image));
    }
    return results;
}

void paste(AppState& state, AlbumWindowHost& host, CChildFrame& frame)
{
    AlbumRecord& w = state.albums->working;
    SelectionBlock& block = state.selection;
    if (!block.clipboardFilled || block.clipboard.empty())
        return;
    const std::string target = albumFilePath(w);
    if (const auto clash = pasteStoreNameClash(w, block)) {
        host.prompts().showMessage(
            &frame, storeNameClashMessage({*clash}, StoreNameClashAct::Paste));
        return;
    }
    const int count = static_cast<int>(block.clipboard.size());
    if (cutToRoom(w.imageCount, block.clipboard.size()).leftOut > 0) {
        host.prompts().showMessage(&frame, albumFullMessage(count)); // a paste goes in whole or not at all
        return;
    }
    auto wanted = offeredAfterDuplicateCheck(state, host.prompts(), &frame, w, block.clipboard);
    if (!wanted || wanted->empty())
        return;
    block.clipboard = std::move(*wanted);
    // Like every other add: images without a store copy are named and left out.
    std::vector<std::string> sources;
    for (const ImageEntry& entry : block.clipboard)
        sources.push_back(imageFilePath(entry));
    const BatchResults results = bringStoreCopies(state, block.clipboardAlbum, target, block.clipboard);
    const std::vector<std::string> accepted = imagesToAdd(host.prompts(), &frame, sources, results);
    if (accepted.empty())
        return;
    block.clipboard = entriesOf(block.clipboard, sources, accepted);
    if (pasteClipboard(w, block, tickCount()).outcome == PasteOutcome::Pasted)
        frame.showEntriesChanged();
}

void deleteImage(AppState& state, AlbumWindowHost& host, CChildFrame& frame)
{
    AlbumRecord& w = state.albums->working;
    const int focused = focusedImage(w);
    if (focused < 0)
        return;
    const QString question = qs(detachQuestion(imageFilePath(w.images[static_cast<std::size_t>(focused)]),
                                               albumFilePath(w)));
    const std::int32_t stamp = w.images[static_cast<std::size_t>(focused)].stamp;
    if (!host.prompts().askYesNo(&frame, question))
        return;
    // Another window may have come forward while the question was open.
    frame.makeCurrent();
    const int still = focusedImage(w);
    if (still < 0 || w.images[static_cast<std::size_t>(still)].stamp != stamp)
        return;
    if (deleteFocused(w, state.selection) >= 0)
        frame.showEntriesChanged();
}

} // namespace

bool runClipboardCommand(AppState& state, AlbumWindowHost& host, CChildFrame& frame, int id)
{
    if (id != cmd::kCut && id != cmd::kCopy && id != cmd::kPaste && id != cmd::kDelete)
        return false;
    if (frame.kind() != AlbumKind::Album || !frame.pageView())
        return true;
    frame.makeCurrent();
    AlbumRecord& w = state.albums->working;
    switch (id) {
    case cmd::kCut:
        if (cutSelection(w, state.selection))
            frame.showEntriesChanged();
        break;
    case cmd::kCopy:
        if (copySelection(w, state.selection)) {
            // The selection went to the clipboard; the focused picture stays framed as the target.
            settleTarget(w, state.selection);
            mirrorToActiveSlot(*state.albums);
        }
        break;
    case cmd::kPaste: paste(state, host, frame); break;
    case cmd::kDelete: deleteImage(state, host, frame); break;
    default: break;
    }
    return true;
}

} // namespace pictra::ui
