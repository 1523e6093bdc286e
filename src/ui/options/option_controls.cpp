// Typed settings values of the options sheet.
#include "ui/options/option_controls.h"

#include "core/util/cp932.h"
#include "core/util/fixed_text.h"
#include "ui/widgets/refused_mark.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>

namespace pictra::ui {

OptionEdit::OptionEdit(WorkModeSettings& draft, OptionField field, QWidget* parent)
    : QLineEdit(parent), m_draft(draft), m_field(field)
{
    if (field == OptionField::JpegComment)
        setText(QString::fromStdString(cp932ToUtf8(fieldText(draft.jpegComment)).text));
    else
        setText(QString::number(optionValue(draft, field)));
    connect(this, &QLineEdit::textChanged, this, &OptionEdit::takeText);
}

void OptionEdit::takeText(const QString& text)
{
    const std::string utf8 = text.toStdString();
    m_check = m_field == OptionField::JpegComment ? applyTypedComment(m_draft, utf8)
                                                  : applyTypedNumber(m_draft, m_field, utf8);
    emit edited();
}

void OptionEdit::setMarked(bool marked)
{
    if (marked == m_marked)
        return;
    m_marked = marked;
    showRefused(*this, marked);
}

QCheckBox* boundCheck(const QString& text, const char* id, std::int32_t& field, QWidget* parent)
{
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(QString::fromLatin1(id));
    box->setChecked(field != 0);
    QObject::connect(box, &QCheckBox::toggled, box, [&field](bool on) { field = on ? 1 : 0; });
    return box;
}

OptionEdit* addEditRow(QGridLayout& grid, int row, const QString& label, const char* id, WorkModeSettings& draft,
                       OptionField field, const QString& unit)
{
    auto* edit = new OptionEdit(draft, field, grid.parentWidget());
    edit->setObjectName(QString::fromLatin1(id));
    edit->setMaxLength(static_cast<int>(kMaxNumberEditChars));
    grid.addWidget(new QLabel(label), row, 0);
    grid.addWidget(edit, row, 1);
    if (!unit.isEmpty())
        grid.addWidget(new QLabel(unit), row, 2);
    return edit;
}

} // namespace pictra::ui
