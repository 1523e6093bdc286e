// The album window's commands on its entries' metadata and order:
// "撮影日を日付に入れる", "XMPに書き出す" and the three orders of "並べ替え".
#pragma once

namespace pictra {
struct AppState;
}

namespace pictra::ui {

class AlbumWindowHost;
class CChildFrame;

// Runs kFillDateTaken, kExportXmp, kSortByDate, kSortByName or kSortByPlace
// for `frame`; false for other commands.
bool runMetadataCommand(AppState& state, AlbumWindowHost& host, CChildFrame& frame, int id);

} // namespace pictra::ui
