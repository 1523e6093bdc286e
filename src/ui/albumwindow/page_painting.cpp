// Page painting with reduced-size, parallel JPEG decoding.
#include "ui/albumwindow/page_painting.h"

#include "core/album/page_arithmetic.h"
#include "core/app/app_state.h"
#include "core/image/shared_image.h"
#include "core/image_io/thumbnail_loader.h"
#include "ui/albumwindow/picture_loading.h"
#include "ui/drawing/image_painter.h"

#include <QFuture>
#include <QPainter>
#include <QPen>
#include <QtConcurrent>

#include <algorithm>
#include <deque>
#include <memory>

namespace pictra::ui {
namespace {

// Decodes ahead of drawing by at most this many cells, which bounds memory.
constexpr int kDecodeAhead = 6;

struct CellJob {
    int cell = 0;
    std::string path; // empty: the image's own file is gone
    QFuture<std::shared_ptr<ImageBuffers>> decoded; // JPEG only
};

std::shared_ptr<ImageBuffers> decodeThumbnail(const std::string& path, int width, int height, std::size_t cap)
{
    auto result = loadJpegThumbnail(path, width, height, cap);
    if (!result)
        return nullptr;
    return std::shared_ptr<ImageBuffers>(std::move(result).value());
}

void startDecode(CellJob& job, const Rect& rect, std::size_t cap)
{
    if (!job.path.empty() && isJpegPath(job.path))
        job.decoded = QtConcurrent::run(decodeThumbnail, job.path, rect.width(), rect.height(), cap);
}

// The mark of a cell whose picture cannot be shown: its diagonals in grey.
void drawCrossedCell(QPainter& painter, const Rect& rect)
{
    const int inset = std::max(2, std::min(rect.width(), rect.height()) / 20);
    painter.save();
    painter.setPen(QPen(QColor(160, 160, 160), 2));
    painter.drawLine(rect.left + inset, rect.top + inset, rect.right - inset, rect.bottom - inset);
    painter.drawLine(rect.right - inset, rect.top + inset, rect.left + inset, rect.bottom - inset);
    painter.restore();
}

// Draws one cell's picture: the thumbnail decoded ahead, or the file loaded
// the ordinary way into the shared record when that is not possible.
Status drawCellPicture(ImagePainter& painter, AppState& state, CellJob& job, const Rect& rect)
{
    std::shared_ptr<ImageBuffers> thumb = job.decoded.isValid() ? job.decoded.result() : nullptr;
    if (thumb) {
        painter.drawFitted(rect, thumb->record());
        return Status::Ok;
    }
    if (job.path.empty())
        return Status::NotFound;
    const Status status = loadSharedStatus(state, job.path);
    if (!pictureLoaded(status))
        return status;
    painter.drawFitted(rect, sharedRecord(state)); // a damaged file's readable part, as added
    return Status::Ok;
}

std::deque<CellJob> pageJobs(AppState& state, const AlbumRecord& album, int cells)
{
    std::deque<CellJob> jobs;
    for (int k = 0; k < cells; ++k) {
        const int index = album.currentPage * cells + k;
        if (index < album.imageCount)
            jobs.push_back({k, cellPictureFor(state, album, index), {}});
    }
    return jobs;
}

} // namespace

CellProblems paintPageCells(QPainter& painter, AppState& state, const AlbumRecord& album)
{
    CellProblems problems;
    const int cells = cellsPerPage(album.columns, album.rows);
    ImagePainter draw(painter);
    std::deque<CellJob> jobs = pageJobs(state, album, cells);
    std::size_t started = 0;
    for (std::size_t i = 0; i < jobs.size(); ++i) {
        for (; started < jobs.size() && started < i + kDecodeAhead; ++started)
            startDecode(jobs[started], album.cells[static_cast<std::size_t>(jobs[started].cell)],
                        imageBufferBytes(state.settings));
        const Rect& rect = album.cells[static_cast<std::size_t>(jobs[i].cell)];
        if (const Status status = drawCellPicture(draw, state, jobs[i], rect); status != Status::Ok) {
            drawCrossedCell(painter, rect);
            problems.emplace_back(jobs[i].cell, status);
        }
        jobs[i].decoded = {}; // free the picture before the next one
    }
    for (int k = 0; k < cells; ++k)
        draw.drawFrame(album.cells[static_cast<std::size_t>(k)]);
    return problems;
}

} // namespace pictra::ui
