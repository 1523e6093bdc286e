// PictureView: one picture fitted into the window.
#include "ui/albumwindow/picture_view.h"

#include "app/app_state.h"
#include "core/album/cell_picture.h"
#include "core/album/window_records.h"
#include "ui/albumwindow/picture_loading.h"
#include "ui/drawing/image_painter.h"

#include <QPainter>

namespace pictra::ui {

PictureView::PictureView(AppState& state, std::uint64_t viewId, QWidget* parent)
    : QWidget(parent), m_state(state), m_viewId(viewId)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    ImagePainter draw(painter);
    const Rect client{0, 0, width() - 1, height() - 1};
    draw.drawCell(client);
    const AlbumRecord* rec = windowRecord(*m_state.albums, m_viewId);
    if (!rec || rec->imageCount < 1)
        return;
    const SlideShowState& show = m_state.slideShow;
    const bool slide = show.state != SlideState::None && show.slideViewId == m_viewId;
    const std::string path = slide ? show.currentPath : imageFilePath(rec->images[0]);
    if (loadShared(m_state, path))
        draw.drawFitted(client, sharedRecord(m_state));
}

} // namespace pictra::ui
