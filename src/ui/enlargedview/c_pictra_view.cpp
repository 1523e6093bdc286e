// CPictraView: painting, commands and the zoom stack.
#include "ui/enlargedview/c_pictra_view.h"

#include "core/app/app_state.h"
#include "core/album/cell_picture.h"
#include "core/album/window_records.h"
#include "core/commands/command_ids.h"
#include "core/tools/zoom_geometry.h"
#include "core/tools/zoom_stack.h"
#include "ui/albumwindow/c_child_frame.h"
#include "ui/albumwindow/picture_loading.h"
#include "ui/drawing/image_painter.h"

#include <QPainter>

#include <cmath>

namespace pictra::ui {

CPictraView::CPictraView(AppState& state, AlbumWindowHost& host, CChildFrame& frame, std::uint64_t viewId)
    : QWidget(&frame), m_state(state), m_host(host), m_frame(frame), m_viewId(viewId)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setZoom({});
}

const AlbumRecord* CPictraView::record() const
{
    return windowRecord(*m_state.albums, m_viewId);
}

bool CPictraView::isSingleImage() const
{
    const AlbumRecord* rec = record();
    return rec && rec->kind == AlbumKind::SingleImage && rec->imageCount > 0;
}

std::string CPictraView::picturePath() const
{
    const AlbumRecord* rec = record();
    return rec && rec->imageCount > 0 ? imageFilePath(rec->images[0]) : std::string();
}

std::string CPictraView::zoomStackFile() const
{
    return zoomStackPath(m_state.programFolder, picturePath(), m_viewId);
}

Rect CPictraView::clientRect() const
{
    return {0, 0, width() - 1, height() - 1};
}

void CPictraView::setZoom(const ZoomState& zoom)
{
    m_zoom = zoom;
    editWindowRecords(*m_state.albums, m_viewId, [&zoom](AlbumRecord& r) { r.zoom = zoom; });
    setCursor(zoom.toolMode == cmd::kZoom ? Qt::CrossCursor : Qt::ArrowCursor);
}

bool CPictraView::handleCommand(int id)
{
    if (!isSingleImage())
        return false;
    switch (id) {
    case cmd::kZoom: enterZoomMode(); return true;
    case cmd::kZoomBack: zoomBack(); return true;
    case cmd::kStandardSize: standardSize(); return true;
    default: break;
    }
    if (const std::optional<ImageTool> tool = toolForCommand(id))
        return launchTool(*tool);
    return false;
}

void CPictraView::enterZoomMode()
{
    ZoomState zoom = m_zoom;
    zoom.toolMode = cmd::kZoom;
    zoom.firstCorner = 0;
    setZoom(zoom);
}

std::optional<std::vector<Outline>> CPictraView::zoomLevels()
{
    Result<std::vector<Outline>> levels = readZoomStack(zoomStackFile());
    if (!levels)
        return std::nullopt;
    return std::move(*levels);
}

void CPictraView::zoomInto(PointD second)
{
    const PointD first = m_zoom.first;
    if (!usableZoomRect(first, second))
        return;
    if (!loadShared(m_state, picturePath()))
        return;
    std::vector<Outline> levels;
    Outline start{};
    if (m_zoom.zoomed) {
        if (std::optional<std::vector<Outline>> stack = zoomLevels()) {
            levels = std::move(*stack);
            start = levels.back();
        }
    }
    if (levels.empty()) {
        const std::optional<Outline> fitted = fittedOutline(sharedRecord(m_state).outline, clientRect());
        if (!fitted)
            return;
        start = *fitted;
    }
    const std::optional<Outline> zoomed = pictra::zoomedOutline(first, second, width(), height(), start);
    if (!zoomed || static_cast<int>(levels.size()) >= kMaxZoomLevels)
        return;
    levels.push_back(*zoomed);
    if (writeZoomStack(zoomStackFile(), levels) != Status::Ok)
        return;
    m_outline = *zoomed;
    ZoomState zoom{};
    zoom.zoomed = 1;
    setZoom(zoom);
    update();
}

void CPictraView::zoomBack()
{
    if (!m_zoom.zoomed)
        return;
    std::optional<std::vector<Outline>> levels = zoomLevels();
    if (!levels || levels->size() == 1) {
        setZoom({});
    } else {
        levels->pop_back();
        (void)writeZoomStack(zoomStackFile(), *levels); // only the way back through the zoom levels is lost
        m_outline = levels->back();
        ZoomState zoom{};
        zoom.zoomed = 1;
        setZoom(zoom);
    }
    update();
}

void CPictraView::standardSize()
{
    setZoom({});
    update();
}

void CPictraView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    ImagePainter draw(painter);
    const Rect client = clientRect();
    draw.drawCell(client);
    const AlbumRecord* rec = record();
    if (!rec || rec->imageCount < 1)
        return;
    const SlideShowState& show = m_state.slideShow;
    const bool slide = show.state != SlideState::None && show.slideViewId == m_viewId;
    if (slide || rec->kind != AlbumKind::SingleImage) {
        if (slide && !show.currentPath.empty() && loadShared(m_state, show.currentPath))
            draw.drawFitted(client, sharedRecord(m_state));
        return;
    }
    if (!loadShared(m_state, picturePath()))
        return;
    ImageRecord& picture = sharedRecord(m_state);
    if (m_zoom.zoomed && !m_dragging) {
        // A stack file that is gone or broken shows the picture fitted again.
        if (std::optional<std::vector<Outline>> levels = zoomLevels())
            m_outline = levels->back();
        else
            setZoom({});
    }
    if (m_zoom.zoomed) {
        picture.outline = m_outline;
        draw.drawImage(picture);
    } else {
        draw.drawFitted(client, picture);
    }
    if (m_zoom.firstCorner) {
        // The rubber band inverts what it crosses.
        painter.setCompositionMode(QPainter::RasterOp_NotDestination);
        painter.setPen(QPen(Qt::black, 1));
        const int x1 = static_cast<int>(m_zoom.first.x), y1 = static_cast<int>(m_zoom.first.y);
        const int x2 = static_cast<int>(m_zoom.second.x), y2 = static_cast<int>(m_zoom.second.y);
        painter.drawLine(x1, y1, x2, y1);
        painter.drawLine(x2, y1, x2, y2);
        painter.drawLine(x2, y2, x1, y2);
        painter.drawLine(x1, y2, x1, y1);
    }
}

} // namespace pictra::ui
