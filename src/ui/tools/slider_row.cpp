// SliderRow wiring.
#include "ui/tools/slider_row.h"

#include "core/tools/tool_edit.h"
#include "ui/tools/up_down_control.h"
#include "ui/widgets/refused_mark.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>

namespace pictra::ui {

SliderRow::SliderRow(QWidget& dialog, QBoxLayout& into, const QString& label, const QString& unit, SliderRowIds ids,
                     int minimum, int maximum, int start, std::function<void(int)> changed)
    : QObject(&dialog), m_changed(std::move(changed)), m_minimum(minimum), m_maximum(maximum)
{
    auto* row = new QHBoxLayout;
    auto* name = new QLabel(label, &dialog);
    name->setMinimumWidth(110);
    row->addWidget(name);
    m_slider = new QSlider(Qt::Horizontal, &dialog);
    m_slider->setObjectName(QString::number(ids.slider));
    m_slider->setRange(minimum, maximum);
    m_slider->setPageStep(10);
    m_slider->setValue(start);
    m_slider->setMinimumWidth(240);
    row->addWidget(m_slider, 1);
    m_edit = new QLineEdit(QString::number(start), &dialog);
    m_edit->setObjectName(QString::number(ids.edit));
    m_edit->setFixedWidth(80);
    row->addWidget(m_edit);
    m_upDown = new UpDownControl(ids.upDown, *m_edit, minimum, maximum, &dialog);
    row->addWidget(m_upDown);
    if (!unit.isEmpty())
        row->addWidget(new QLabel(unit, &dialog));
    into.addLayout(row);

    // The position reaches the edit box only when a drag or a key step ends.
    connect(m_slider, &QSlider::sliderReleased, this, [this] { m_edit->setText(QString::number(m_slider->value())); });
    connect(m_slider, &QSlider::actionTriggered, this, [this](int action) {
        if (action != QAbstractSlider::SliderMove)
            m_edit->setText(QString::number(m_slider->sliderPosition()));
    });
    connect(m_edit, &QLineEdit::textChanged, this, &SliderRow::editChanged);
}

void SliderRow::editChanged()
{
    const std::optional<int> value = acceptedToolNumber(m_edit->text().toStdString(), m_minimum, m_maximum);
    showRefused(*m_edit, !value);
    if (!value)
        return;
    if (m_ready) {
        const QSignalBlocker quiet(m_slider);
        m_slider->setValue(*value);
    }
    m_changed(*value);
}

} // namespace pictra::ui
