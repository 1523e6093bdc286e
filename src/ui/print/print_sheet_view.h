// PrintSheetView: the preview of the normal print dialog's sheet. It draws
// the paper and, for the displayed sheet of the print list, either the one
// image frame or the grid cells with their pictures. The dialog owns the
// layout and the list; the view only draws them.
#pragma once

#include "core/print/preview_layout.h"
#include "core/print/print_list.h"

#include <QWidget>

namespace pictra::ui {

class PreviewPictures;

class PrintSheetView : public QWidget {
    Q_OBJECT
public:
    PrintSheetView(PreviewPictures& pictures, const PreviewLayout& layout, const PrintList& list, QWidget* parent);

    // The rectangle the layout is made for: the control less a border, so
    // the paper's edges stand clear of the control's.
    Rect layoutRect() const;

    // The cell of the displayed sheet under a point (for one image per
    // sheet the frame is cell 0): its position on the sheet, or -1.
    int cellAt(QPoint local, bool several) const;
    // That cell's rectangle in this widget.
    Rect cellRect(int position, bool several) const;

    void setSeveral(bool several) { m_several = several; update(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PreviewPictures& m_pictures;
    const PreviewLayout& m_layout;
    const PrintList& m_list;
    bool m_several = false;
};

} // namespace pictra::ui
