// COptionsSheet: the "オプション" sheet. Five pages edit one copy of the
// settings, a sixth the switches kept in pictra.ini; "OK" accepts only when every value is one the program keeps,
// otherwise the refused fields stay red and a note names them.
#pragma once

#include "core/options/option_fields.h"

#include <QDialog>

class QCheckBox;
class QTabWidget;

namespace pictra::ui {

class UserPrompts;

class COptionsSheet : public QDialog {
    Q_OBJECT
public:
    // `dateTaken`: whether new album entries take their picture's date taken.
    COptionsSheet(const WorkModeSettings& settings, UserPrompts& prompts, QWidget* parent, bool dateTaken = true);

    // The settings as edited (what "OK" accepted, once accepted).
    const WorkModeSettings& edited() const { return m_draft; }
    bool dateTaken() const;
    QTabWidget* pages() const { return m_pages; }

    // The fields "OK" would refuse now, in the order of the sheet.
    std::vector<OptionField> refusedFields() const;

    // "OK": accepts, or names the refused fields and stays open.
    void confirm();

private:
    void markRefused();

    WorkModeSettings m_draft;
    UserPrompts& m_prompts;
    QTabWidget* m_pages = nullptr;
    QCheckBox* m_dateTaken = nullptr;
};

// The label of a field as the sheet shows it, with the page it is on.
QString optionFieldLabel(OptionField field);

} // namespace pictra::ui
