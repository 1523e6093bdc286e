#include "ui/print/page_up_down.h"

#include <QBoxLayout>
#include <QToolButton>

#include <algorithm>

namespace pictra::ui {

PageUpDown::PageUpDown(Qt::Orientation orientation, QWidget* parent)
    : QWidget(parent), m_lower(new QToolButton(this)), m_higher(new QToolButton(this))
{
    const bool vertical = orientation == Qt::Vertical;
    m_lower->setArrowType(vertical ? Qt::UpArrow : Qt::LeftArrow);
    m_higher->setArrowType(vertical ? Qt::DownArrow : Qt::RightArrow);
    auto* box = new QBoxLayout(vertical ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight, this);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(0);
    for (QToolButton* button : {m_lower, m_higher}) {
        button->setFixedSize(vertical ? QSize(18, 12) : QSize(14, 18));
        button->setAutoRepeat(true);
        box->addWidget(button);
    }
    connect(m_lower, &QToolButton::clicked, this, [this] { step(-1); });
    connect(m_higher, &QToolButton::clicked, this, [this] { step(1); });
    updateButtons();
}

void PageUpDown::setRange(int minimum, int maximum)
{
    m_minimum = minimum;
    m_maximum = std::max(minimum, maximum);
    m_value = std::clamp(m_value, m_minimum, m_maximum);
    updateButtons();
}

void PageUpDown::setValue(int value)
{
    m_value = std::clamp(value, m_minimum, m_maximum);
    updateButtons();
}

void PageUpDown::step(int by)
{
    const int next = std::clamp(m_value + by, m_minimum, m_maximum);
    if (next == m_value)
        return;
    m_value = next;
    updateButtons();
    emit valueChanged(m_value);
}

void PageUpDown::updateButtons()
{
    m_lower->setEnabled(m_value > m_minimum);
    m_higher->setEnabled(m_value < m_maximum);
}

} // namespace pictra::ui
