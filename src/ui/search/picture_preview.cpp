// The picture preview.
#include "ui/search/picture_preview.h"

#include "ui/drawing/image_painter.h"

#include <QPainter>

#include <new>

namespace pictra::ui {

PicturePreview::PicturePreview(JpegSaveOptions jpeg, std::size_t bufferBytes, QWidget* parent)
    : QFrame(parent), m_io(std::move(jpeg)), m_bufferBytes(bufferBytes)
{
    setFrameShape(QFrame::StyledPanel);
}

void PicturePreview::showPicture(const std::string& path)
{
    m_loaded = false;
    if (!path.empty() && !m_buffers) {
        try {
            m_buffers = std::make_unique<ImageBuffers>(m_bufferBytes);
        } catch (const std::bad_alloc&) {
            m_buffers.reset(); // no memory for a preview: nothing is shown
        }
    }
    if (!path.empty() && m_buffers && m_io.loadImage(path, m_buffers->record()) == Status::Ok) {
        m_outline = m_buffers->record().outline;
        m_loaded = true;
    }
    update();
}

void PicturePreview::clear() { showPicture({}); }

void PicturePreview::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    if (!m_loaded)
        return;
    QPainter painter(this);
    ImageRecord& record = m_buffers->record();
    record.outline = m_outline;
    const QRect area = contentsRect();
    ImagePainter(painter).drawFitted({area.left(), area.top(), area.right(), area.bottom()}, record);
}

} // namespace pictra::ui
