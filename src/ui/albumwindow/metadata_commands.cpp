// Date taken, sidecar export and sorting in an album window.
#include "ui/albumwindow/metadata_commands.h"

#include "core/album/album_sort.h"
#include "core/album/album_table.h"
#include "core/album/cell_picture.h"
#include "core/album/command_target.h"
#include "core/album/entry_metadata.h"
#include "core/album/page_position.h"
#include "core/album/sidecar_export.h"
#include "core/app/app_state.h"
#include "core/commands/command_ids.h"
#include "ui/albumwindow/album_window_host.h"
#include "ui/albumwindow/c_child_frame.h"
#include "ui/dialogs/metadata_messages.h"
#include "ui/prompts/user_prompts.h"

#include <algorithm>

namespace pictra::ui {
namespace {

void fillDateTaken(AppState& state, AlbumWindowHost& host, CChildFrame& frame)
{
    AlbumRecord& w = state.albums->working;
    const std::vector<int> chosen = selectedPositions(w, state.selection);
    if (chosen.empty())
        return;
    const FillReport report = fillAlbumEntries(w, chosen, {.date = true, .texts = false, .mode = FillMode::Overwrite});
    if (!report.changed.empty())
        frame.showEntriesChanged(commandImage(w));
    if (!report.undated.empty())
        host.prompts().showMessage(&frame, noDateTakenMessage(imageFilePaths(w, report.undated)));
}

void exportXmp(AppState& state, AlbumWindowHost& host, CChildFrame& frame)
{
    const AlbumRecord& w = state.albums->working;
    const std::vector<int> chosen = selectedPositions(w, state.selection);
    if (chosen.empty())
        return;
    const SidecarExportReport report = exportSidecars(w, chosen);
    host.prompts().showMessage(&frame, sidecarExportMessage(report.written.size(), report.failed));
}

void sortEntries(AppState& state, CChildFrame& frame, AlbumOrder order)
{
    AlbumRecord& w = state.albums->working;
    const std::uint32_t serial = w.changeSerial;
    const int focused = sortAlbum(w, order, commandImage(w));
    if (w.changeSerial != serial)
        frame.showEntriesChanged(focused);
}

} // namespace

bool runMetadataCommand(AppState& state, AlbumWindowHost& host, CChildFrame& frame, int id)
{
    if (id != cmd::kFillDateTaken && id != cmd::kExportXmp && id != cmd::kSortByDate && id != cmd::kSortByName &&
        id != cmd::kSortByPlace)
        return false;
    if (frame.kind() != AlbumKind::Album || !frame.pageView())
        return true;
    frame.makeCurrent();
    switch (id) {
    case cmd::kFillDateTaken: fillDateTaken(state, host, frame); break;
    case cmd::kExportXmp: exportXmp(state, host, frame); break;
    case cmd::kSortByDate: sortEntries(state, frame, AlbumOrder::DateTaken); break;
    case cmd::kSortByName: sortEntries(state, frame, AlbumOrder::FileName); break;
    case cmd::kSortByPlace: sortEntries(state, frame, AlbumOrder::Place); break;
    default: break;
    }
    return true;
}

} // namespace pictra::ui
