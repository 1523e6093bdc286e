// Controls of the options pages bound to the sheet's copy of the settings.
// OptionEdit: each change of its text goes straight into its field when the
// value is accepted; a refused text is shown in red and keeps the field.
#pragma once

#include "core/options/option_fields.h"

#include <QLineEdit>

#include <cstdint>

class QCheckBox;
class QGridLayout;

namespace pictra::ui {

class OptionEdit : public QLineEdit {
    Q_OBJECT
public:
    // Shows the field's stored value (the comment's text for JpegComment).
    OptionEdit(WorkModeSettings& draft, OptionField field, QWidget* parent);

    OptionField field() const { return m_field; }
    // The check of the text now in the edit.
    EditCheck check() const { return m_check; }
    // Red while the text is refused or the field breaks a rule across fields.
    void setMarked(bool marked);
    bool marked() const { return m_marked; }

signals:
    void edited();

private:
    void takeText(const QString& text);

    WorkModeSettings& m_draft;
    OptionField m_field;
    EditCheck m_check = EditCheck::Ok;
    bool m_marked = false;
};

// A check box with the object name `id` that shows `field` (checked when not
// zero) and sets it to 1 or 0 when toggled.
QCheckBox* boundCheck(const QString& text, const char* id, std::int32_t& field, QWidget* parent);

// Puts "label [edit] unit" as row `row` of `grid`; returns the edit, named `id`.
OptionEdit* addEditRow(QGridLayout& grid, int row, const QString& label, const char* id, WorkModeSettings& draft,
                       OptionField field, const QString& unit = {});

} // namespace pictra::ui
