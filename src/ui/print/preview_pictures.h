// PreviewPictures: the pictures of the print dialogs' previews and strips,
// decoded once at a reduced size and kept while the dialog is open, so a
// drag over the sheet does not reload every picture on each repaint. The
// drawings are those of drawFitted on the loaded picture.
#pragma once

#include "core/album/album_record.h"
#include "core/image/image_record.h"

#include <map>
#include <memory>
#include <string>
#include <tuple>

class QPainter;

namespace pictra {
struct AppState;
}

namespace pictra::ui {

class PreviewPictures {
public:
    explicit PreviewPictures(AppState& state) : m_state(state) {}

    // Draws `path` fitted into `cell` (98 %, centred, framed); nothing when
    // it cannot be loaded. False then.
    bool drawFitted(QPainter& painter, const Rect& cell, const std::string& path);

    void clear() { m_pictures.clear(); }

private:
    std::shared_ptr<ImageBuffers> load(const std::string& path, int width, int height);

    AppState& m_state;
    // Keyed by path and cell size (JPEG pictures are decoded for their cell).
    std::map<std::tuple<std::string, int, int>, std::shared_ptr<ImageBuffers>> m_pictures;
};

} // namespace pictra::ui
