// COptionsSheet: the "オプション" sheet. Five pages edit one copy of the
// settings; "OK" accepts only when every value is one the program keeps,
// otherwise the refused fields stay red and a note names them.
#pragma once

#include "core/options/option_fields.h"

#include <QDialog>

class QTabWidget;

namespace pictra::ui {

class UserPrompts;

class COptionsSheet : public QDialog {
    Q_OBJECT
public:
    COptionsSheet(const WorkModeSettings& settings, UserPrompts& prompts, QWidget* parent);

    // The settings as edited (what "OK" accepted, once accepted).
    const WorkModeSettings& edited() const { return m_draft; }
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
};

// The label of a field as the sheet shows it, with the page it is on.
QString optionFieldLabel(OptionField field);

} // namespace pictra::ui
