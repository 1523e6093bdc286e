// The print defaults page.
#include "ui/options/c_prt_mode.h"

#include "core/print/paper_table.h"
#include "core/print/print_defaults_paper.h"
#include "ui/options/option_controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace pictra::ui {

CPrtMode::CPrtMode(WorkModeSettings& draft, QWidget* parent) : QWidget(parent), m_draft(draft)
{
    setObjectName(QStringLiteral("170"));
    PrintSettings& p = draft.print;
    auto* layout = new QVBoxLayout(this);

    auto* paperGrid = new QGridLayout;
    m_paper = new QComboBox(this);
    m_paper->setObjectName(QStringLiteral("1081"));
    for (const PaperSize& paper : paperTable())
        m_paper->addItem(QString::fromUtf8(paper.name.data(), static_cast<qsizetype>(paper.name.size())));
    paperGrid->addWidget(new QLabel(QStringLiteral("用紙設定")), 0, 0);
    paperGrid->addWidget(m_paper, 0, 1);
    m_width = addEditRow(*paperGrid, 1, QStringLiteral("横"), "1000", draft, OptionField::PrintWidth,
                         QStringLiteral("mm"));
    m_height = addEditRow(*paperGrid, 2, QStringLiteral("縦"), "1001", draft, OptionField::PrintHeight,
                          QStringLiteral("mm"));
    addEditRow(*paperGrid, 3, QStringLiteral("余白"), "1008", draft, OptionField::PrintMargin, QStringLiteral("mm"));
    addEditRow(*paperGrid, 4, QStringLiteral("左オフセット"), "1002", draft, OptionField::PrintLeft,
               QStringLiteral("mm"));
    addEditRow(*paperGrid, 5, QStringLiteral("上オフセット"), "1003", draft, OptionField::PrintTop,
               QStringLiteral("mm"));
    paperGrid->setColumnStretch(3, 1);
    layout->addLayout(paperGrid);

    auto* several = new QGroupBox(QStringLiteral("同時印刷"), this);
    auto* grid = new QGridLayout(several);
    auto* allow = new QCheckBox(QStringLiteral("同時印刷を許可"), several);
    allow->setObjectName(QStringLiteral("1067"));
    allow->setChecked(p.allowSeveral != 0);
    connect(allow, &QCheckBox::toggled, this, [&p](bool on) { p.allowSeveral = on ? 1 : 0; });
    grid->addWidget(allow, 0, 0, 1, 3);
    addEditRow(*grid, 1, QStringLiteral("横"), "1004", draft, OptionField::PrintAcross);
    addEditRow(*grid, 2, QStringLiteral("縦"), "1005", draft, OptionField::PrintDown);
    addEditRow(*grid, 3, QStringLiteral("左右の余白"), "1006", draft, OptionField::PrintGapX, QStringLiteral("mm"));
    addEditRow(*grid, 4, QStringLiteral("上下の余白"), "1007", draft, OptionField::PrintGapY, QStringLiteral("mm"));
    grid->setColumnStretch(3, 1);
    layout->addWidget(several);
    layout->addStretch(1);

    // The first entry equal to the stored name; none for a name the table lacks.
    m_paper->setCurrentIndex(m_paper->findText(QString::fromStdString(storedPaperName(p)), Qt::MatchExactly));
    enableSizes(printDefaultsFreeSize(p));
    connect(m_paper, &QComboBox::activated, this, &CPrtMode::choosePaper);
}

void CPrtMode::choosePaper(int index)
{
    const std::string name = m_paper->itemText(index).toStdString();
    if (!choosePrintDefaultsPaper(m_draft.print, name))
        return;
    const bool free = printDefaultsFreeSize(m_draft.print);
    if (!free) {
        m_width->setText(QString::number(m_draft.print.paperWidth));
        m_height->setText(QString::number(m_draft.print.paperHeight));
    }
    enableSizes(free);
}

void CPrtMode::enableSizes(bool free)
{
    m_width->setEnabled(free);
    m_height->setEnabled(free);
    if (free) {
        m_width->selectAll();
        m_width->setFocus();
    }
}

} // namespace pictra::ui
