// CPictraView: the mouse (rubber band, panning) and popup menu 144.
#include "ui/enlargedview/c_pictra_view.h"

#include "core/app/app_state.h"
#include "core/commands/command_ids.h"
#include "core/tools/image_tool.h"
#include "core/tools/zoom_geometry.h"
#include "core/tools/zoom_stack.h"
#include "ui/albumwindow/album_window_host.h"

#include <QMenu>
#include <QMouseEvent>

#include <array>
#include <string_view>

namespace pictra::ui {
namespace {

struct PopupItem {
    int command; // 0 = separator
    std::string_view text;
};

// A tool's item carries the tool table's own menu text, so the two never drift apart.
PopupItem toolItem(ImageTool tool)
{
    const ImageToolInfo& info = imageToolInfo(tool);
    return {info.command, info.menuText};
}

// Popup menu 144, in its order.
std::array<PopupItem, 17> popupItems()
{
    return {{
        {cmd::kStandardSize, "標準サイズ"},
        {cmd::kZoom, "ズームアップ"},
        {cmd::kZoomBack, "ズームバック"},
        {0, {}},
        toolItem(ImageTool::Rotate),
        toolItem(ImageTool::Flip),
        toolItem(ImageTool::Threshold),
        toolItem(ImageTool::Rgb),
        toolItem(ImageTool::LightnessHueSaturation),
        toolItem(ImageTool::Histogram),
        toolItem(ImageTool::Negative),
        toolItem(ImageTool::Noise),
        {0, {}},
        toolItem(ImageTool::GrayScale),
        toolItem(ImageTool::RedScale),
        toolItem(ImageTool::GreenScale),
        toolItem(ImageTool::BlueScale),
    }};
}

PointD pointOf(const QMouseEvent* event) { return {event->position().x(), event->position().y()}; }

} // namespace

void CPictraView::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::RightButton) {
        if (m_zoom.firstCorner) {
            ZoomState zoom = m_zoom;
            zoom.toolMode = 0;
            zoom.firstCorner = 0;
            setZoom(zoom);
            update();
        } else {
            showPopup(event->globalPosition().toPoint());
        }
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    m_leftHeld = true;
    m_last = at;
    if (m_zoom.toolMode != cmd::kZoom)
        return;
    if (!m_zoom.firstCorner) {
        ZoomState zoom = m_zoom;
        zoom.firstCorner = 1;
        zoom.first = zoom.second = pointOf(event);
        setZoom(zoom);
        update();
    } else {
        zoomInto(pointOf(event));
    }
}

void CPictraView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (m_zoom.toolMode == cmd::kZoom) {
        if (m_zoom.firstCorner) {
            m_zoom.second = pointOf(event);
            setZoom(m_zoom);
            update();
        }
        return;
    }
    if (!m_leftHeld || !(event->buttons() & Qt::LeftButton) || !m_zoom.zoomed)
        return;
    const QPoint delta = at - m_last;
    m_last = at;
    const Rect client{0, 0, width(), height()};
    if (const std::optional<Outline> moved = pannedOutline(m_outline, delta.x(), delta.y(), client)) {
        m_dragging = true;
        setCursor(Qt::SizeAllCursor);
        m_outline = *moved;
        update();
    }
}

void CPictraView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_leftHeld = false;
    if (m_dragging)
        finishPan(event->position().toPoint());
    if (m_zoom.toolMode != cmd::kZoom)
        m_host.refreshInfoBar();
}

void CPictraView::finishPan(QPoint at)
{
    const QPoint delta = at - m_last;
    const Rect client{0, 0, width(), height()};
    if (const std::optional<Outline> moved = pannedOutline(m_outline, delta.x(), delta.y(), client))
        m_outline = *moved;
    if (std::optional<std::vector<Outline>> levels = zoomLevels()) {
        levels->back() = m_outline;
        (void)writeZoomStack(zoomStackFile(), *levels); // only the way back through the zoom levels is lost
    }
    m_dragging = false;
    setCursor(Qt::ArrowCursor);
    update();
}

void CPictraView::showPopup(QPoint global)
{
    if (m_popup)
        m_popup->deleteLater();
    m_popup = new QMenu(this);
    m_popup->setAttribute(Qt::WA_DeleteOnClose);
    for (const PopupItem& item : popupItems()) {
        if (item.command == 0) {
            m_popup->addSeparator();
            continue;
        }
        const int id = item.command;
        QAction* action = m_popup->addAction(QString::fromUtf8(item.text.data(), static_cast<qsizetype>(item.text.size())),
                                             this, [this, id] { handleCommand(id); });
        action->setData(id);
    }
    m_popup->popup(global);
}

} // namespace pictra::ui
