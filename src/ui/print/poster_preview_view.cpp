// Drawing the poster preview.
#include "ui/print/poster_preview_view.h"

#include <QPainter>

namespace pictra::ui {
namespace {

QRect toQRect(const Rect& r) { return QRect(r.left, r.top, r.width(), r.height()); }

} // namespace

PosterPreviewView::PosterPreviewView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("1058"));
    setMinimumSize(260, 200);
}

void PosterPreviewView::show(const PosterPlan& plan, const QImage& picture)
{
    m_plan = plan;
    m_picture = picture;
    m_preview = posterPreview(m_plan, Rect{4, 4, width() - 4, height() - 4});
    update();
}

void PosterPreviewView::resizeEvent(QResizeEvent*)
{
    m_preview = posterPreview(m_plan, Rect{4, 4, width() - 4, height() - 4});
}

void PosterPreviewView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (m_preview.sheets.empty())
        return;
    painter.fillRect(toQRect(m_preview.area), Qt::white);
    if (!m_picture.isNull() && m_preview.picture.width() > 0 && m_preview.picture.height() > 0) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(toQRect(m_preview.picture), m_picture);
    }
    painter.setPen(QPen(Qt::gray, 1, Qt::DashLine));
    painter.drawRect(toQRect(m_preview.poster).adjusted(0, 0, -1, -1));
    painter.setPen(QPen(Qt::black, 1));
    for (const Rect& sheet : m_preview.sheets)
        painter.drawRect(toQRect(sheet).adjusted(0, 0, -1, -1));
}

} // namespace pictra::ui
