// CNormalPrintDlg: dragging pictures from the strip onto the sheet, moving
// and removing placed pictures, and printing.
#include "core/app/app_state.h"
#include "core/image/shared_image.h"
#include "ui/print/c_normal_print_dlg.h"
#include "ui/print/drag_outline.h"
#include "ui/print/print_job_runner.h"
#include "ui/print/print_messages.h"
#include "ui/print/print_sheet_view.h"
#include "ui/print/printer_page.h"
#include "ui/prompts/user_prompts.h"
#include "ui/widgets/thumbnail_strip.h"

#include <QLabel>

#include <QMouseEvent>

#include <algorithm>

namespace pictra::ui {

bool CNormalPrintDlg::eventFilter(QObject* watched, QEvent* event)
{
    const std::vector<QWidget*>& cells = m_strip->cells();
    const auto cell = std::find(cells.begin(), cells.end(), watched);
    if (watched != m_sheetView && cell == cells.end())
        return QDialog::eventFilter(watched, event);
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)
        return QDialog::eventFilter(watched, event);
    auto* mouse = static_cast<QMouseEvent*>(event);
    // The widget under the press keeps the mouse until release, so go by
    // the global position to find where the pointer really is.
    const QPoint at = mapFromGlobal(mouse->globalPosition().toPoint());
    if (type == QEvent::MouseButtonPress) {
        if (mouse->button() != Qt::LeftButton)
            return false;
        mousePressed(at, cell == cells.end() ? -1 : static_cast<int>(cell - cells.begin()),
                     mouse->modifiers());
    } else if (type == QEvent::MouseMove) {
        mouseMoved(at, mouse->buttons());
    } else if (mouse->button() == Qt::LeftButton) {
        mouseReleased(at);
    }
    return true;
}

Rect CNormalPrintDlg::toDialog(QWidget* from, const Rect& r) const
{
    const QPoint origin = from->mapTo(this, QPoint(0, 0));
    return {r.left + origin.x(), r.top + origin.y(), r.right + origin.x(), r.bottom + origin.y()};
}

void CNormalPrintDlg::mousePressed(QPoint at, int stripCell, Qt::KeyboardModifiers modifiers)
{
    const bool several = m_laidOut.several;
    const QPoint onSheet = m_sheetView->mapFrom(this, at);
    const int position = m_sheetView->rect().contains(onSheet) ? m_sheetView->cellAt(onSheet, several) : -1;
    if (position >= 0) {
        const int entry = m_list.displayed() * m_list.cellsPerSheet() + position;
        if (entry < m_list.count()) {
            m_drag = DragMode::Placed;
            m_dragSource = entry;
            m_dragRect = toDialog(m_sheetView, m_sheetView->cellRect(position, several));
            return;
        }
    }
    const int image = stripCell >= 0 ? m_strip->strip()->itemInCell(stripCell) : -1;
    if (image < 0)
        return;
    m_pending = m_strip->images()[static_cast<std::size_t>(image)].path;
    if (modifiers & Qt::ControlModifier) {
        addPending();
        return;
    }
    m_drag = DragMode::FromStrip;
    QWidget* source = m_strip->cells()[static_cast<std::size_t>(stripCell)];
    m_dragRect = toDialog(source, {0, 0, source->width(), source->height()});
}

void CNormalPrintDlg::mouseMoved(QPoint at, Qt::MouseButtons buttons)
{
    if (m_drag == DragMode::None)
        return;
    if (!(buttons & Qt::LeftButton)) {
        m_drag = DragMode::None;
        m_outline->hideOutline();
        return;
    }
    const int w = m_dragRect.width();
    const int h = m_dragRect.height();
    m_dragRect = {at.x() - w / 2, at.y() - h / 2, at.x() - w / 2 + w, at.y() - h / 2 + h};
    m_outline->showAt(m_dragRect);
}

void CNormalPrintDlg::mouseReleased(QPoint at)
{
    m_outline->hideOutline();
    const QPoint onSheet = m_sheetView->mapFrom(this, at);
    const bool onView = m_sheetView->rect().contains(onSheet);
    if (m_drag == DragMode::FromStrip && onView && m_sheetView->cellAt(onSheet, m_laidOut.several) >= 0)
        addPending();
    else if (m_drag == DragMode::Placed)
        dropPlaced(at);
    m_drag = DragMode::None;
    m_dragSource = -1;
    updatePrintButton();
}

void CNormalPrintDlg::addPending()
{
    if (m_list.full()) {
        m_prompts.showMessage(this, QString::fromUtf8(kPrintListFull));
        return;
    }
    m_list.add(m_pending);
    updateSheetUpDown();
    updatePrintButton();
    m_sheetView->update();
}

void CNormalPrintDlg::dropPlaced(QPoint at)
{
    const QPoint onSheet = m_sheetView->mapFrom(this, at);
    const int position =
        m_sheetView->rect().contains(onSheet) ? m_sheetView->cellAt(onSheet, m_laidOut.several) : -1;
    if (position < 0) {
        m_list.remove(m_dragSource); // dropped off the sheet's cells
    } else if (m_laidOut.several) {
        // Onto an occupied cell it moves there; onto an empty one nothing changes.
        const int target = m_list.displayed() * m_list.cellsPerSheet() + position;
        if (target < m_list.count())
            m_list.move(m_dragSource, target);
    }
    updateSheetUpDown();
    m_sheetView->update();
}

void CNormalPrintDlg::print()
{
    if (m_list.empty())
        return;
    preparePrinter(m_printer, m_laidOut);
    if (!m_prompts.setUpPrinter(this, m_printer))
        return;
    takeOverPrinterPaper();
    preparePrinter(m_printer, m_laidOut);
    PrintJob job{m_laidOut, m_list.paths(), m_range, m_list.displayed(), imageBufferBytes(m_state.settings)};
    const PrintReport report = runPrintJob(this, m_printer, std::move(job));
    if (report.outcome == PrintOutcome::NotStarted)
        m_prompts.showMessage(this, QString::fromUtf8(kPrintNotStarted));
    else if (!report.skipped.empty())
        m_prompts.showMessage(this, skippedPicturesText(report.skipped));
}

void CNormalPrintDlg::takeOverPrinterPaper()
{
    const PrintedPageSize picked = printerPageMm(m_printer);
    if (samePage(m_laidOut, picked.width, picked.height))
        return;
    WorkingSheet taken = m_laidOut;
    const WorkingSheet typed = m_sheet;
    bool laidOut = takeOverPage(taken, picked.width, picked.height);
    if (laidOut) {
        // The grid typed but not yet rebuilt stays as typed.
        m_sheet.paper = taken.paper;
        m_sheet.width = taken.width;
        m_sheet.height = taken.height;
        m_sheet.orientation = taken.orientation;
        showPaper();
        laidOut = layOut();
    }
    if (!laidOut) {
        // The sheet stays as it was; the message says why.
        m_sheet = typed;
        showPaper();
        m_problem->clear();
        const PrinterPage kept = printerPage(m_laidOut);
        m_prompts.showMessage(this, printerPaperNotTakenText(picked.width, picked.height,
                                                             QString::fromStdString(kept.paper), kept.width(),
                                                             kept.height()));
    }
}

} // namespace pictra::ui
