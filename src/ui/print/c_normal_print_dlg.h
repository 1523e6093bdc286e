// CNormalPrintDlg "通常印刷": collects album images into a print list by
// dragging thumbnails from the strip onto a preview of the sheet (or
// Ctrl+clicking them), arranges them and prints them one per sheet or
// several per sheet in a grid. Nothing is written back to the settings or
// the album. Controls carry their ids as object names.
#pragma once

#include "core/album/album_record.h"
#include "core/print/preview_layout.h"
#include "core/print/print_list.h"
#include "core/print/print_pages.h"
#include "core/print/working_sheet.h"
#include "ui/print/preview_pictures.h"
#include "ui/print/print_strip.h"

#include <QDialog>

#include <string>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QRadioButton;

namespace pictra {
struct AppState;
}

namespace pictra::ui {

class DragOutline;
class PrintSheetView;
class PrintStrip;
class ThumbnailStrip;
class PageUpDown;
class UserPrompts;

class CNormalPrintDlg : public QDialog {
    Q_OBJECT
public:
    // A paper picked in the printer's set-up becomes the dialog's paper, or
    // the user is told which paper the dialog keeps.
    void takeOverPrinterPaper();
    // `album` is the current window's record (its images fill the strip);
    // `printer` keeps the printer set-up's choice for the session.
    CNormalPrintDlg(AppState& state, const AlbumRecord& album, UserPrompts& prompts, QPrinter& printer,
                    QWidget* parent = nullptr);
    ~CNormalPrintDlg() override;

    const PrintList& printList() const { return m_list; }
    const WorkingSheet& sheet() const { return m_sheet; }        // as typed
    const WorkingSheet& laidOutSheet() const { return m_laidOut; } // previewed and printed
    const PreviewLayout& layout() const { return m_layout; }
    ThumbnailStrip* strip() const;
    // Strip cell k's widget (0 = leftmost).
    QWidget* stripCell(int k) const;
    PrintSheetView* sheetView() const { return m_sheetView; }

    // "印刷": the printer set-up, then the job. The dialog stays open.
    void print();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    enum class DragMode { None, FromStrip, Placed };

    void buildControls();
    void loadSettings();
    void showSheetSize();
    void showPaper();
    bool layOut();
    void updateSheetUpDown();
    void updatePrintButton();
    void enableGridControls();

    void paperChosen(int index);
    void orientationChosen(SheetOrientation orientation);
    void severalToggled(bool several);
    void rebuild();
    void clearList();

    // Mouse handling on the strip and the sheet; points in dialog coordinates.
    void mousePressed(QPoint at, int stripCell, Qt::KeyboardModifiers modifiers);
    void mouseMoved(QPoint at, Qt::MouseButtons buttons);
    void mouseReleased(QPoint at);
    void addPending();
    void dropPlaced(QPoint at);
    Rect toDialog(QWidget* from, const Rect& r) const;

    AppState& m_state;
    UserPrompts& m_prompts;
    QPrinter& m_printer;
    PreviewPictures m_pictures;
    WorkingSheet m_sheet;
    WorkingSheet m_laidOut;
    PreviewLayout m_layout;
    PrintList m_list;
    PrintRange m_range = PrintRange::All;

    DragMode m_drag = DragMode::None;
    int m_dragSource = -1;  // list index of a dragged placed image
    std::string m_pending;  // the path dragged from the strip
    Rect m_dragRect;

    QComboBox* m_paper = nullptr;
    QRadioButton* m_landscape = nullptr;
    QRadioButton* m_portrait = nullptr;
    QLineEdit* m_width = nullptr;
    QLineEdit* m_height = nullptr;
    QLineEdit* m_margin = nullptr;
    QLineEdit* m_offsetLeft = nullptr;
    QLineEdit* m_offsetTop = nullptr;
    QCheckBox* m_several = nullptr;
    QLineEdit* m_across = nullptr;
    QLineEdit* m_down = nullptr;
    QLineEdit* m_gapX = nullptr;
    QLineEdit* m_gapY = nullptr;
    QPushButton* m_rebuild = nullptr;
    QPushButton* m_clear = nullptr;
    QPushButton* m_print = nullptr;
    QRadioButton* m_all = nullptr;
    QRadioButton* m_displayedOnly = nullptr;
    PageUpDown* m_sheetUpDown = nullptr;
    QLabel* m_sheetLabel = nullptr;
    QLabel* m_problem = nullptr;
    PrintSheetView* m_sheetView = nullptr;
    PrintStrip* m_strip = nullptr;
    DragOutline* m_outline = nullptr;
};

} // namespace pictra::ui
