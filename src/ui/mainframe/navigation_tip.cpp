// The navigation tooltip of album pages.
#include "ui/mainframe/navigation_tip.h"

#include <QCoreApplication>
#include <QCursor>
#include <QEvent>
#include <QMenu>
#include <QToolTip>

namespace pictra::ui {

NavigationTip::NavigationTip(QObject* parent) : QObject(parent)
{
    m_delay.setSingleShot(true);
    connect(&m_delay, &QTimer::timeout, this, &NavigationTip::showNow);
    if (QCoreApplication* app = QCoreApplication::instance())
        app->installEventFilter(this);
}

bool NavigationTip::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show && qobject_cast<QMenu*>(watched))
        hide();
    return QObject::eventFilter(watched, event);
}

void NavigationTip::configure(bool enabled, int delayMs)
{
    m_enabled = enabled;
    m_delay.setInterval(delayMs > 0 ? delayMs : 0);
}

void NavigationTip::show(QWidget* view, const QString& text)
{
    if (m_shown && text == m_text)
        return;
    if (m_shown)
        hide();
    if (!m_enabled)
        return;
    m_view = view;
    m_text = text;
    m_shown = true;
    if (m_pos.isNull())
        m_pos = QCursor::pos();
    m_delay.start();
}

void NavigationTip::hide()
{
    m_delay.stop();
    if (m_shown)
        QToolTip::hideText();
    m_shown = false;
    m_text.clear();
}

void NavigationTip::relay(QWidget* view, const QPoint& globalPos)
{
    m_view = view;
    m_pos = globalPos;
}

void NavigationTip::showNow()
{
    if (m_shown && m_view && !m_text.isEmpty())
        QToolTip::showText(m_pos + QPoint(12, 16), m_text, m_view);
}

} // namespace pictra::ui
