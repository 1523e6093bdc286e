#include "ui/print/thumbnail_strip.h"

#include "ui/drawing/image_painter.h"
#include "ui/print/preview_pictures.h"
#include "ui/print/up_down_control.h"

#include <QLabel>
#include <QPainter>

namespace pictra::ui {

namespace {

constexpr int kSlotGap = 4;
constexpr int kControlsWidth = 56; // the up-down and its label, right of the slots

} // namespace

ThumbnailStrip::ThumbnailStrip(PreviewPictures& pictures, int slotCount, const QString& upDownId,
                               const QString& labelId, QWidget* parent)
    : QWidget(parent), m_pictures(pictures), m_pages{slotCount, 0},
      m_upDown(new UpDownControl(Qt::Vertical, this)), m_label(new QLabel(this))
{
    m_upDown->setObjectName(upDownId);
    m_label->setObjectName(labelId);
    m_label->setAlignment(Qt::AlignCenter);
    setMinimumHeight(64);
    connect(m_upDown, &UpDownControl::valueChanged, this, [this](int value) {
        setPage(value);
        emit pageChanged(m_page);
    });
    updatePaging();
}

void ThumbnailStrip::setImages(std::vector<StripImage> images)
{
    m_images = std::move(images);
    m_pages.imageCount = static_cast<int>(m_images.size());
    m_page = 0;
    updatePaging();
}

void ThumbnailStrip::showPageOf(int index)
{
    setPage(m_pages.pageOf(index));
}

void ThumbnailStrip::setPage(int page)
{
    m_page = std::clamp(page, 0, m_pages.pageCount() - 1);
    updatePaging();
    update();
}

void ThumbnailStrip::updatePaging()
{
    m_upDown->setRange(0, m_pages.pageCount() - 1);
    m_upDown->setValue(m_page);
    m_label->setText(QString::fromStdString(m_pages.label(m_page)));
}

void ThumbnailStrip::placeControls()
{
    const int x = width() - kControlsWidth;
    m_upDown->move(x + 2, (height() - m_upDown->sizeHint().height()) / 2);
    m_label->setGeometry(x + 22, 0, kControlsWidth - 22, height());
}

void ThumbnailStrip::resizeEvent(QResizeEvent*)
{
    placeControls();
}

int ThumbnailStrip::slotAreaWidth() const
{
    return std::max(width() - kControlsWidth, m_pages.slotCount);
}

Rect ThumbnailStrip::slotRect(int slot) const
{
    const int k = m_pages.slotCount;
    const int size = std::min((slotAreaWidth() - (k - 1) * kSlotGap) / k, height() - 4);
    const int left = slot * (size + kSlotGap);
    const int top = (height() - size) / 2;
    return {left, top, left + size, top + size};
}

int ThumbnailStrip::imageAt(QPoint local) const
{
    for (int s = 0; s < m_pages.slotCount; ++s) {
        if (slotRect(s).contains(local.x(), local.y()))
            return m_pages.imageAt(m_page, s);
    }
    return -1;
}

void ThumbnailStrip::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    ImagePainter draw(painter);
    for (int s = 0; s < m_pages.slotCount; ++s) {
        const Rect rect = slotRect(s);
        draw.drawCell(rect);
        const int index = m_pages.imageAt(m_page, s);
        if (index >= 0)
            m_pictures.drawFitted(painter, rect, m_images[static_cast<std::size_t>(index)].picture);
    }
}

} // namespace pictra::ui
