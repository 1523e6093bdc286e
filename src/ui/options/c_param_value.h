// CParamValue: the "ﾊﾟﾗﾒｰﾀ" page (slide interval, recent files, navigation
// tip, image buffer).
#pragma once

#include "core/settings/work_mode_settings.h"

#include <QWidget>

namespace pictra::ui {

class CParamValue : public QWidget {
public:
    CParamValue(WorkModeSettings& draft, QWidget* parent);
};

} // namespace pictra::ui
