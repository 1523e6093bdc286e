// Output of the focused image in another file format.
#include "ui/albumwindow/image_export.h"

#include "core/album/cell_picture.h"
#include "core/album/window_records.h"
#include "core/app/app_state.h"
#include "core/commands/command_ids.h"
#include "core/image_io/image_file_io.h"
#include "core/settings/last_used_folder.h"
#include "core/util/file_io.h"
#include "core/util/fixed_text.h"
#include "core/util/paths.h"
#include "ui/albumwindow/album_window_host.h"
#include "ui/albumwindow/picture_loading.h"
#include "ui/dialogs/status_messages.h"
#include "ui/dialogs/wait_cursor.h"
#include "ui/prompts/user_prompts.h"

namespace pictra::ui {
namespace {

struct ExportFormat {
    int command;
    const char* extension; // default extension
    const char* filter;
};

constexpr ExportFormat kFormats[] = {
    {cmd::kExportJpeg, "jpg", "JPGﾌｧｲﾙ (*.jpg)"},  {cmd::kExportBmp, "bmp", "BMPﾌｧｲﾙ (*.bmp)"},
    {cmd::kExportTiff, "tif", "TIFFﾌｧｲﾙ (*.tif)"}, {cmd::kExportPsd, "psd", "PSDﾌｧｲﾙ (*.psd)"},
    {cmd::kExportPcx, "pcx", "PCXﾌｧｲﾙ (*.pcx)"},  {cmd::kExportPng, "png", "PNGﾌｧｲﾙ (*.png)"},
    {cmd::kExportWebp, "webp", "WebPﾌｧｲﾙ (*.webp)"},
};

const ExportFormat* formatOf(int command)
{
    for (const ExportFormat& f : kFormats) {
        if (f.command == command)
            return &f;
    }
    return nullptr;
}

} // namespace

std::string exportStartFolder(const AppState& state)
{
    // The folder block handed over whole reads as its first string: the album folder.
    const Result<LastUsedFolder> folders = loadLastUsedFolder(state.programFolder);
    return folders ? std::string(fieldText(folders->albumFolder)) : std::string();
}

void exportFocusedImage(AppState& state, AlbumWindowHost& host, QWidget* parent, int command)
{
    const ExportFormat* format = formatOf(command);
    const AlbumRecord& album = state.albums->working;
    const int focused = focusedImage(album);
    if (!format || focused < 0)
        return;
    std::string target = host.prompts()
                             .saveFileName(parent, QString(), QString::fromStdString(exportStartFolder(state)),
                                           QString::fromUtf8(format->filter))
                             .toStdString();
    if (target.empty())
        return;
    if (extensionOf(target).empty())
        target += std::string(".") + format->extension;
    if (fileExists(target) &&
        !host.prompts().askYesNo(parent, overwriteQuestion(QString::fromStdString(target))))
        return;
    // A WebP is written as pictra-cli convert and a tool's "追加" write one: lossy at quality 90.
    ImageFileIO io(jpegSaveOptions(state.settings), WebpSaveOptions{});
    ImageRecord& record = sharedRecord(state);
    const std::string source = imageFilePath(album.images[static_cast<std::size_t>(focused)]);
    const WaitCursor wait;
    if (const Status loaded = io.loadImage(source, record); !pictureLoaded(loaded)) {
        host.prompts().showMessage(parent, exportReadFailureMessage(QString::fromStdString(source), loaded));
        return;
    }
    if (const Status saved = io.saveImage(target, record); saved != Status::Ok)
        host.prompts().showMessage(parent, pictureSaveFailureMessage(QString::fromStdString(target), saved));
}

} // namespace pictra::ui
