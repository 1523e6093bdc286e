// UpDownControl buttons.
#include "ui/tools/up_down_control.h"

#include "core/tools/tool_edit.h"

#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace pictra::ui {

UpDownControl::UpDownControl(int controlId, QLineEdit& buddy, int minimum, int maximum, QWidget* parent)
    : QWidget(parent), m_buddy(buddy), m_min(minimum), m_max(maximum)
{
    setObjectName(QString::number(controlId));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (const int direction : {1, -1}) {
        auto* button = new QToolButton(this);
        button->setArrowType(direction > 0 ? Qt::UpArrow : Qt::DownArrow);
        button->setFixedSize(16, 11);
        button->setAutoRepeat(true);
        connect(button, &QToolButton::clicked, this, [this, direction] { step(direction); });
        layout->addWidget(button);
    }
}

void UpDownControl::setRange(int minimum, int maximum)
{
    m_min = minimum;
    m_max = maximum;
}

void UpDownControl::step(int direction)
{
    const int value = scanDecimal(m_buddy.text().toStdString()).value_or(0);
    const auto next = std::clamp<long long>(static_cast<long long>(value) + direction, m_min, m_max);
    m_buddy.setText(QString::number(next));
}

} // namespace pictra::ui
