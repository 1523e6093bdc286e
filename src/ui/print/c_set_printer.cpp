#include "ui/print/c_set_printer.h"

#include <QChildEvent>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QPrinter>
#include <QRadioButton>

namespace pictra::ui {

CSetPrinter::CSetPrinter(QPrinter* printer, QWidget* parent)
    : QPrintDialog(printer, parent), m_jobPage(printer->pageLayout())
{
    setOption(QAbstractPrintDialog::PrintSelection, false);
    setOption(QAbstractPrintDialog::PrintPageRange, false);
    setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    setOption(QAbstractPrintDialog::PrintCollateCopies, true);
    // Users without a print server still print to a PDF file.
    setOption(QAbstractPrintDialog::PrintToFile, true);
    setOption(QAbstractPrintDialog::PrintShowPageSize, true);
    // Qt makes its properties window when it is first needed, and again for
    // each printer chosen: each one is watched from its creation.
    installEventFilter(this);
}

bool CSetPrinter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == this && event->type() == QEvent::ChildAdded) {
        QObject* child = static_cast<QChildEvent*>(event)->child();
        if (child->isWidgetType())
            child->installEventFilter(this);
    } else if (event->type() == QEvent::Show && watched->inherits("QPrintPropertiesDialog")) {
        auto* properties = static_cast<QWidget*>(watched);
        startOnJobPage(*properties);
        if (auto* window = qobject_cast<QDialog*>(properties)) {
            disconnect(window, &QDialog::finished, this, nullptr); // shown again: watched once
            connect(window, &QDialog::finished, this, [this, window](int result) {
                m_confirmedBy = result == Accepted ? window : nullptr;
            });
        }
    }
    return QPrintDialog::eventFilter(watched, event);
}

void CSetPrinter::startOnJobPage(QWidget& properties)
{
    auto* sizes = properties.findChild<QComboBox*>(QStringLiteral("pageSizeCombo"));
    auto* width = properties.findChild<QDoubleSpinBox*>(QStringLiteral("pageWidth"));
    auto* height = properties.findChild<QDoubleSpinBox*>(QStringLiteral("pageHeight"));
    auto* units = properties.findChild<QComboBox*>(QStringLiteral("unitCombo"));
    if (!sizes || !width || !height || !units)
        return; // another Qt's window: it keeps its own start
    const bool landscape = m_jobPage.orientation() == QPageLayout::Landscape;
    const char* turn = landscape ? "landscape" : "portrait";
    if (auto* button = properties.findChild<QRadioButton*>(QString::fromLatin1(turn)))
        button->click();
    const int mm = units->findData(QVariant::fromValue(QPageLayout::Millimeter));
    if (mm >= 0 && units->currentIndex() != mm) {
        units->setCurrentIndex(mm);
        emit units->activated(mm);
    }
    int custom = -1;
    for (int i = 0; i < sizes->count(); ++i) {
        const QVariant data = sizes->itemData(i);
        if (!data.isValid()) {
            custom = i;
        } else if (data.value<QPageSize>().isEquivalentTo(m_jobPage.pageSize())) {
            sizes->setCurrentIndex(i);
            custom = -2;
            break;
        }
    }
    if (custom >= 0) {
        sizes->setCurrentIndex(custom);
        const QSizeF page = m_jobPage.fullRect(QPageLayout::Millimeter).size();
        width->setValue(page.width());
        height->setValue(page.height());
    }
    for (const char* name : {"leftMargin", "rightMargin", "topMargin", "bottomMargin"}) {
        if (auto* margin = properties.findChild<QDoubleSpinBox*>(QString::fromLatin1(name)))
            margin->setValue(0);
    }
}

void CSetPrinter::accept()
{
    QPrintDialog::accept();
    // Without a confirmed properties window Qt has put its own default page
    // on the printer. A window of a printer chosen since is gone (nulled).
    if (m_confirmedBy.isNull())
        printer()->setPageLayout(m_jobPage);
}

} // namespace pictra::ui
