// The values page. The delay edit is enabled only while navigation is on; its
// value is kept and written either way.
#include "ui/options/c_param_value.h"

#include "ui/options/option_controls.h"

#include <QCheckBox>
#include <QGridLayout>

namespace pictra::ui {

CParamValue::CParamValue(WorkModeSettings& draft, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("136"));
    auto* grid = new QGridLayout(this);
    addEditRow(*grid, 0, QStringLiteral("スライド間隔"), "1000", draft, OptionField::SlideInterval,
               QStringLiteral("ms"));
    addEditRow(*grid, 1, QStringLiteral("ファイル履歴数"), "1002", draft, OptionField::RecentCount);
    QCheckBox* navigation = boundCheck(QStringLiteral("ナビゲーションを有効にする"), "1070", draft.tipEnabled, this);
    grid->addWidget(navigation, 2, 0, 1, 3);
    OptionEdit* delay =
        addEditRow(*grid, 3, QStringLiteral("遅延時間"), "1001", draft, OptionField::TipDelay, QStringLiteral("ms"));
    addEditRow(*grid, 4, QStringLiteral("イメージバッファ"), "1003", draft, OptionField::ImageBuffer,
               QStringLiteral("MB"));
    delay->setEnabled(draft.tipEnabled != 0);
    connect(navigation, &QCheckBox::toggled, delay, &QWidget::setEnabled);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(5, 1);
}

} // namespace pictra::ui
