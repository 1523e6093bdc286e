// CPrtMode: the "印刷" page (the print defaults: paper, margin, offsets and
// the several-images grid).
#pragma once

#include "core/settings/work_mode_settings.h"

#include <QWidget>

class QComboBox;

namespace pictra::ui {

class OptionEdit;

class CPrtMode : public QWidget {
public:
    CPrtMode(WorkModeSettings& draft, QWidget* parent);

private:
    void choosePaper(int index);
    // Table papers show their sizes read-only; the free size lets them be typed.
    void enableSizes(bool free);

    WorkModeSettings& m_draft;
    QComboBox* m_paper = nullptr;
    OptionEdit* m_width = nullptr;
    OptionEdit* m_height = nullptr;
};

} // namespace pictra::ui
