// Loading into the shared image record.
#include "ui/albumwindow/picture_loading.h"

#include "core/album/cell_picture.h"
#include "core/album/page_arithmetic.h"
#include "core/album/window_records.h"
#include "core/app/app_state.h"
#include "core/image/shared_image.h"
#include "core/image_io/image_file_io.h"


namespace pictra::ui {
ImageRecord& sharedRecord(AppState& state)
{
    if (!state.sharedImage)
        makeSharedImage(state.sharedImage, state.settings);
    return state.sharedImage->record();
}

bool loadShared(AppState& state, const std::string& path) { return pictureLoaded(loadSharedStatus(state, path)); }

Status loadSharedStatus(AppState& state, const std::string& path)
{
    ImageRecord& record = sharedRecord(state);
    if (path.empty()) {
        record.clearHeaders();
        return Status::NotFound;
    }
    ImageFileIO io(jpegSaveOptions(state.settings));
    return io.loadImage(path, record); // headers cleared on failure
}

std::string cellPictureFor(const AppState& state, const AlbumRecord& album, int index)
{
    if (index < 0 || index >= album.imageCount || index >= kMaxAlbumImages)
        return {};
    const DisplayMethod method = state.settings.thumbnailQuality != 0 ? DisplayMethod::Quality : DisplayMethod::Speed;
    return cellPicturePath(state.programFolder, albumFilePath(album),
                           imageFilePath(album.images[static_cast<std::size_t>(index)]),
                           cellsPerPage(album.columns, album.rows), method);
}

std::string focusedPicturePath(const AppState& state, const AlbumRecord& album)
{
    return cellPictureFor(state, album, focusedImage(album));
}

} // namespace pictra::ui
