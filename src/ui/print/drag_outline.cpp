#include "ui/print/drag_outline.h"

#include <QEvent>
#include <QPainter>

namespace pictra::ui {

DragOutline::DragOutline(QWidget* dialog) : QWidget(dialog)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(dialog->rect());
    dialog->installEventFilter(this);
    raise();
}

bool DragOutline::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parent() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return false;
}

void DragOutline::showAt(const Rect& rect)
{
    m_rect = rect;
    raise();
    update();
}

void DragOutline::hideOutline()
{
    m_rect.reset();
    update();
}

void DragOutline::paintEvent(QPaintEvent*)
{
    if (!m_rect)
        return;
    // Black dashes over white: visible on the paper, the pictures and the dialog.
    QPainter painter(this);
    const QRect r(QPoint(m_rect->left, m_rect->top), QPoint(m_rect->right - 1, m_rect->bottom - 1));
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(r);
    painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
    painter.drawRect(r);
}

} // namespace pictra::ui
