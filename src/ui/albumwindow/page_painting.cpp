// Page painting with reduced-size, parallel JPEG decoding.
#include "ui/albumwindow/page_painting.h"

#include "app/app_state.h"
#include "core/album/page_arithmetic.h"
#include "core/image/thumbnail_loader.h"
#include "ui/albumwindow/picture_loading.h"
#include "ui/drawing/image_painter.h"

#include <QFuture>
#include <QPainter>
#include <QtConcurrent>

#include <deque>
#include <memory>

namespace pictra::ui {
namespace {

// Decodes ahead of drawing by at most this many cells, which bounds memory.
constexpr int kDecodeAhead = 6;

struct CellJob {
    int cell = 0;
    std::string path;
    QFuture<std::shared_ptr<ImageBuffers>> decoded; // JPEG only
};

std::shared_ptr<ImageBuffers> decodeThumbnail(const std::string& path, int width, int height)
{
    auto result = loadJpegThumbnail(path, width, height);
    if (!result)
        return nullptr;
    return std::shared_ptr<ImageBuffers>(std::move(result).value());
}

void startDecode(CellJob& job, const Rect& rect)
{
    if (isJpegPath(job.path))
        job.decoded = QtConcurrent::run(decodeThumbnail, job.path, rect.width(), rect.height());
}

// Draws one cell's picture: the thumbnail decoded ahead, or the file loaded
// the ordinary way into the shared record when that is not possible.
void drawCellPicture(ImagePainter& painter, AppState& state, CellJob& job, const Rect& rect)
{
    std::shared_ptr<ImageBuffers> thumb = job.decoded.isValid() ? job.decoded.result() : nullptr;
    if (thumb) {
        painter.drawFitted(rect, thumb->record());
        return;
    }
    if (loadShared(state, job.path))
        painter.drawFitted(rect, sharedRecord(state));
}

std::deque<CellJob> pageJobs(AppState& state, const AlbumRecord& album, int cells)
{
    std::deque<CellJob> jobs;
    for (int k = 0; k < cells; ++k) {
        std::string path = cellPictureFor(state, album, album.currentPage * cells + k);
        if (!path.empty())
            jobs.push_back({k, std::move(path), {}});
    }
    return jobs;
}

} // namespace

void paintPageCells(QPainter& painter, AppState& state, const AlbumRecord& album)
{
    const int cells = cellsPerPage(album.columns, album.rows);
    ImagePainter draw(painter);
    std::deque<CellJob> jobs = pageJobs(state, album, cells);
    std::size_t started = 0;
    for (std::size_t i = 0; i < jobs.size(); ++i) {
        for (; started < jobs.size() && started < i + kDecodeAhead; ++started)
            startDecode(jobs[started], album.cells[static_cast<std::size_t>(jobs[started].cell)]);
        drawCellPicture(draw, state, jobs[i], album.cells[static_cast<std::size_t>(jobs[i].cell)]);
        jobs[i].decoded = {}; // free the picture before the next one
    }
    for (int k = 0; k < cells; ++k)
        draw.drawFrame(album.cells[static_cast<std::size_t>(k)]);
}

} // namespace pictra::ui
