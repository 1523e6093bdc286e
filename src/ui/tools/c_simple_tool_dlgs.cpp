// Rotate, flip, grey scale and the parameterless filters.
#include "ui/tools/c_simple_tool_dlgs.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QPushButton>

#include <array>

namespace pictra::ui {
namespace {

QPushButton* parameterButton(QWidget* dialog, QBoxLayout& row, const QString& text, int id)
{
    auto* button = new QPushButton(text, dialog);
    button->setObjectName(QString::number(id));
    button->setAutoDefault(false);
    row.addWidget(button);
    return button;
}

constexpr std::array<int, 3> kGrayLevels = {2, 16, 256};

} // namespace

CRotateDlg::CRotateDlg(ToolContext context, QWidget* parent)
    : CToolDialog(std::move(context), ImageTool::Rotate, ToolButtonIds{}, parent)
{
    auto* row = new QHBoxLayout;
    connect(parameterButton(this, *row, QStringLiteral("回転"), 1020), &QPushButton::clicked, this, [this] {
        editToChange().rotationStep = (edit().rotationStep + 1) % 4;
        recompute();
    });
    row->addStretch();
    parameterArea().addLayout(row);
    setReady();
}

CFlipDlg::CFlipDlg(ToolContext context, QWidget* parent)
    : CToolDialog(std::move(context), ImageTool::Flip, ToolButtonIds{}, parent)
{
    auto* row = new QHBoxLayout;
    connect(parameterButton(this, *row, QStringLiteral("上下"), 1020), &QPushButton::clicked, this, [this] {
        editToChange().flip.upDown = !edit().flip.upDown;
        recompute();
    });
    connect(parameterButton(this, *row, QStringLiteral("左右"), 1021), &QPushButton::clicked, this, [this] {
        editToChange().flip.leftRight = !edit().flip.leftRight;
        recompute();
    });
    row->addStretch();
    parameterArea().addLayout(row);
    setReady();
}

CGrayScaleDlg::CGrayScaleDlg(ToolContext context, QWidget* parent)
    : CToolDialog(std::move(context), ImageTool::GrayScale, ToolButtonIds{}, parent)
{
    auto* row = new QHBoxLayout;
    auto* levels = new QComboBox(this);
    levels->setObjectName(QStringLiteral("1093"));
    levels->addItems({QStringLiteral("２階調"), QStringLiteral("１６階調"), QStringLiteral("２５６階調")});
    levels->setCurrentIndex(2);
    editToChange().grayLevels = 256;
    connect(levels, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index < 0 || index >= static_cast<int>(kGrayLevels.size()))
            return;
        editToChange().grayLevels = kGrayLevels[static_cast<std::size_t>(index)];
        recompute();
    });
    row->addWidget(levels);
    row->addStretch();
    parameterArea().addLayout(row);
    setReady();
}

CFilterDlg::CFilterDlg(ToolContext context, ImageTool tool, QWidget* parent)
    : CToolDialog(std::move(context), tool, ToolButtonIds{}, parent)
{
    setReady();
}

} // namespace pictra::ui
