// Loading into the shared image record.
#include "ui/albumwindow/picture_loading.h"

#include "app/app_state.h"
#include "core/image/image_file_io.h"

#include <algorithm>

namespace pictra::ui {
namespace {

constexpr std::size_t kBytesPerMb = 1000000;
constexpr int kDefaultBufferMb = 64;

} // namespace

ImageRecord& sharedRecord(AppState& state)
{
    if (!state.sharedImage) {
        const int mb = state.settings.imageBufferMb > 0 ? state.settings.imageBufferMb : kDefaultBufferMb;
        state.sharedImage = std::make_unique<ImageBuffers>(static_cast<std::size_t>(mb) * kBytesPerMb);
    }
    return state.sharedImage->record();
}

bool loadShared(AppState& state, const std::string& path)
{
    ImageRecord& record = sharedRecord(state);
    if (path.empty()) {
        record.clearHeaders();
        return false;
    }
    ImageFileIO io(jpegSaveOptions(state.settings));
    if (io.loadImage(path, record) != Status::Ok) {
        record.clearHeaders();
        return false;
    }
    return true;
}

} // namespace pictra::ui
