#include "ui/print/preview_pictures.h"

#include "core/app/app_state.h"
#include "core/image/reduce_for_store.h"
#include "core/image/shared_image.h"
#include "core/image_io/thumbnail_loader.h"
#include "ui/albumwindow/picture_loading.h"
#include "ui/drawing/image_painter.h"

#include <algorithm>
#include <cstdlib>

namespace pictra::ui {

namespace {

// Enough for the 13 strip slots and several sheets of cells; beyond it the
// cache starts again, which bounds memory.
constexpr std::size_t kMaxCachedPictures = 120;

// A copy of `record` in buffers of its own, sized to the picture.
std::shared_ptr<ImageBuffers> copyOf(const ImageRecord& record)
{
    auto copy = std::make_shared<ImageBuffers>(record.imageBytes());
    ImageRecord& r = copy->record();
    r.outline = record.outline;
    r.fileHeader = record.fileHeader;
    r.infoHeader = record.infoHeader;
    std::copy_n(record.palette.begin(), std::min(record.palette.size(), r.palette.size()), r.palette.begin());
    std::copy_n(record.pixels.begin(), record.imageBytes(), r.pixels.begin());
    return copy;
}

} // namespace

std::shared_ptr<ImageBuffers> PreviewPictures::load(const std::string& path, int width, int height)
{
    if (isJpegPath(path)) {
        if (auto thumb = loadJpegThumbnail(path, width, height, imageBufferBytes(m_state.settings)))
            return std::shared_ptr<ImageBuffers>(std::move(thumb).value());
    }
    if (!loadShared(m_state, path))
        return nullptr;
    // Other formats: point-sampled down to at most 640 x 480 before keeping.
    ImageRecord& shared = sharedRecord(m_state);
    reduceForStore(shared);
    return copyOf(shared);
}

bool PreviewPictures::drawFitted(QPainter& painter, const Rect& cell, const std::string& path)
{
    if (path.empty() || cell.width() <= 0 || cell.height() <= 0)
        return false;
    const auto key = std::make_tuple(path, cell.width(), cell.height());
    auto found = m_pictures.find(key);
    if (found == m_pictures.end()) {
        if (m_pictures.size() >= kMaxCachedPictures)
            m_pictures.clear();
        found = m_pictures.emplace(key, load(path, cell.width(), cell.height())).first;
    }
    if (!found->second)
        return false;
    ImageRecord& record = found->second->record();
    record.outline = pixelOutline(record.width(), std::abs(record.height()));
    ImagePainter(painter).drawFitted(cell, record);
    return true;
}

} // namespace pictra::ui
