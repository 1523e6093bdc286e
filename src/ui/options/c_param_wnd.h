// CParamWnd: the "アルバム" page (thumbnails across and down, frame gaps,
// how thumbnails are drawn).
#pragma once

#include "core/settings/work_mode_settings.h"

#include <QWidget>

namespace pictra::ui {

class CParamWnd : public QWidget {
public:
    CParamWnd(WorkModeSettings& draft, QWidget* parent);
};

} // namespace pictra::ui
