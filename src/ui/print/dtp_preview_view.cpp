// Drawing the DTP preview.
#include "ui/print/dtp_preview_view.h"

#include "core/print/preview_layout.h"

#include <QPainter>

namespace pictra::ui {

DtpPreviewView::DtpPreviewView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("1058"));
    setMinimumSize(260, 200);
}

void DtpPreviewView::show(const DtpContent& content, const QImage& picture)
{
    m_content = content;
    m_picture = picture;
    update();
}

Rect DtpPreviewView::sheetRect() const
{
    return previewLayout(Rect{4, 4, width() - 4, height() - 4}, dtpWorkingSheet(m_content.setup)).sheet;
}

void DtpPreviewView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const Rect sheet = sheetRect();
    if (sheet.width() <= 0 || sheet.height() <= 0 || m_content.setup.width() <= 0)
        return;
    painter.save();
    painter.translate(sheet.left, sheet.top);
    painter.scale(double(sheet.width()) / m_content.setup.width(), double(sheet.height()) / m_content.setup.height());
    paintDtpPage(painter, m_content, m_picture);
    painter.restore();
    painter.setPen(Qt::black);
    painter.drawRect(QRect(sheet.left, sheet.top, sheet.width() - 1, sheet.height() - 1));
}

} // namespace pictra::ui
