// CParamMode: the "ﾓｰﾄﾞ" page of the options sheet (window behaviour at start).
#pragma once

#include "core/settings/work_mode_settings.h"

#include <QWidget>

namespace pictra::ui {

class CParamMode : public QWidget {
public:
    CParamMode(WorkModeSettings& draft, QWidget* parent);
};

} // namespace pictra::ui
