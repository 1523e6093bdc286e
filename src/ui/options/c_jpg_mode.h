// CJpgMode: the "Jpeg" page (coding mode, quality, sampling, comment of the
// JPEG files the program writes).
#pragma once

#include "core/settings/work_mode_settings.h"

#include <QWidget>

namespace pictra::ui {

class CJpgMode : public QWidget {
public:
    CJpgMode(WorkModeSettings& draft, QWidget* parent);
};

} // namespace pictra::ui
