// The album layout page. The spare word of the section has no control and is
// written back as it was.
#include "ui/options/c_param_wnd.h"

#include "ui/options/option_controls.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace pictra::ui {

CParamWnd::CParamWnd(WorkModeSettings& draft, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("135"));
    auto* layout = new QVBoxLayout(this);

    auto* format = new QGroupBox(QStringLiteral("表示フォーマット"), this);
    auto* formatGrid = new QGridLayout(format);
    addEditRow(*formatGrid, 0, QStringLiteral("横"), "1000", draft, OptionField::Columns);
    addEditRow(*formatGrid, 1, QStringLiteral("縦"), "1001", draft, OptionField::Rows);
    layout->addWidget(format);

    auto* gaps = new QGroupBox(QStringLiteral("フレームの間隔"), this);
    auto* gapGrid = new QGridLayout(gaps);
    addEditRow(*gapGrid, 0, QStringLiteral("左右"), "1004", draft, OptionField::GapX);
    addEditRow(*gapGrid, 1, QStringLiteral("上下"), "1002", draft, OptionField::GapY);
    layout->addWidget(gaps);

    auto* method = new QGroupBox(QStringLiteral("画像の表示方法"), this);
    auto* methodLayout = new QVBoxLayout(method);
    auto* speed = new QRadioButton(QStringLiteral("速度優先"), method);
    speed->setObjectName(QStringLiteral("1071"));
    auto* quality = new QRadioButton(QStringLiteral("画質優先"), method);
    quality->setObjectName(QStringLiteral("1072"));
    methodLayout->addWidget(speed);
    methodLayout->addWidget(quality);
    layout->addWidget(method);
    layout->addStretch(1);

    (draft.thumbnailQuality == 0 ? speed : quality)->setChecked(true);
    connect(speed, &QRadioButton::toggled, this, [&draft](bool on) {
        if (on)
            draft.thumbnailQuality = 0;
    });
    connect(quality, &QRadioButton::toggled, this, [&draft](bool on) {
        if (on)
            draft.thumbnailQuality = 1;
    });
}

} // namespace pictra::ui
