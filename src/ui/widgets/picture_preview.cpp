// The preview frame of the file dialogs.
#include "ui/widgets/picture_preview.h"

#include "ui/albumwindow/picture_loading.h"
#include "ui/drawing/image_painter.h"

#include <QPainter>

namespace pictra::ui {

PicturePreview::PicturePreview(AppState& state, QWidget* parent) : QWidget(parent), m_state(state) {}

void PicturePreview::setPath(const std::string& path)
{
    m_path = path;
    update();
}

void PicturePreview::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    ImagePainter draw(painter);
    // The frame runs along the last pixel row and column, inside the widget.
    const Rect box{0, 0, width() - 1, height() - 1};
    draw.fillCell(box);
    draw.drawFrame(box);
    if (!m_path.empty() && loadShared(m_state, m_path))
        draw.drawFitted(box, sharedRecord(m_state));
}

} // namespace pictra::ui
