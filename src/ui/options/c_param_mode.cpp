// The window-mode page: five check boxes; the section's first word has no
// control and is written back as it was.
#include "ui/options/c_param_mode.h"

#include "ui/options/option_controls.h"

#include <QCheckBox>
#include <QVBoxLayout>

namespace pictra::ui {

CParamMode::CParamMode(WorkModeSettings& draft, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("137"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(boundCheck(QStringLiteral("子ウインドを最大化でオープンする"), "1072", draft.childMaximized, this));
    layout->addWidget(boundCheck(QStringLiteral("親ウインドを最大化でオープンする"), "1073", draft.mainMaximized, this));
    layout->addWidget(
        boundCheck(QStringLiteral("起動時に前回のウインド状態を復元する"), "1070", draft.restorePlacement, this));
    layout->addWidget(boundCheck(QStringLiteral("起動時に前回の作業状態を復元する"), "1069", draft.restoreWork, this));
    layout->addWidget(boundCheck(QStringLiteral("起動時に子ウインドを開く"), "1071", draft.openWindowAtStart, this));
    layout->addStretch(1);
}

} // namespace pictra::ui
