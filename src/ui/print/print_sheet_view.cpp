#include "ui/print/print_sheet_view.h"

#include "ui/drawing/image_painter.h"
#include "ui/print/preview_pictures.h"

#include <QPainter>

namespace pictra::ui {

PrintSheetView::PrintSheetView(PreviewPictures& pictures, const PreviewLayout& layout, const PrintList& list,
                               QWidget* parent)
    : QWidget(parent), m_pictures(pictures), m_layout(layout), m_list(list)
{
}

namespace {

constexpr int kBorder = 8;

} // namespace

Rect PrintSheetView::layoutRect() const
{
    return {kBorder, kBorder, width() - kBorder, height() - kBorder};
}

int PrintSheetView::cellAt(QPoint local, bool several) const
{
    if (several)
        return m_layout.cellAt(local.x(), local.y());
    return m_layout.area.rect.contains(local.x(), local.y()) ? 0 : -1;
}

Rect PrintSheetView::cellRect(int position, bool several) const
{
    if (!several)
        return m_layout.area.rect;
    if (position < 0 || position >= static_cast<int>(m_layout.cells.size()))
        return {};
    return m_layout.cells[static_cast<std::size_t>(position)].rect;
}

void PrintSheetView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Mid));
    if (m_layout.sheet.width() <= 0)
        return;
    ImagePainter draw(painter);
    draw.drawCell(m_layout.sheet);
    const int first = m_list.displayed() * m_list.cellsPerSheet();
    if (!m_several) {
        draw.drawCell(m_layout.area.rect);
        if (first < m_list.count())
            m_pictures.drawFitted(painter, m_layout.area.rect, m_list.path(first));
        return;
    }
    for (std::size_t k = 0; k < m_layout.cells.size(); ++k) {
        const Rect& cell = m_layout.cells[k].rect;
        draw.drawCell(cell);
        const int entry = first + static_cast<int>(k);
        if (entry < m_list.count())
            m_pictures.drawFitted(painter, cell, m_list.path(entry));
    }
}

} // namespace pictra::ui
