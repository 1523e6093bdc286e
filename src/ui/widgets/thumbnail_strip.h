// ThumbnailStrip: a row of picture cells with a name label under each, an
// up-down control that turns the strip page (up = earlier page) and an
// "n/m" page label, for the dialogs that page through a list of files. The
// owner draws each cell's picture; the strip keeps pages, labels and clicks.
#pragma once

#include <QRect>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <vector>

class QLabel;
class QPainter;
class QScrollBar;

namespace pictra {
struct StripPages;
}

namespace pictra::ui {

// Where the parts of the strip go, in the parent's coordinates, with the
// control id (objectName) of each.
struct StripLayout {
    std::vector<QRect> cells;
    std::vector<QString> cellIds;
    std::vector<QRect> labels; // one under each cell
    std::vector<QString> labelIds;
    QRect spin;
    QString spinId;
    QRect pageLabel;
    QString pageLabelId;
};

class ThumbnailStrip : public QWidget {
    Q_OBJECT
public:
    // Draws the picture of list item `item` into `cell` (already white with
    // a black frame).
    using CellPainter = std::function<void(QPainter& painter, const QRect& cell, int item)>;

    ThumbnailStrip(const StripLayout& layout, QWidget* parent);

    void setCellPainter(CellPainter painter) { m_painter = std::move(painter); }
    // The whole list's names (file names); keeps the page when it still has
    // an item, else goes back to the last page that has one.
    void setNames(const QStringList& names);

    int page() const { return m_page; }
    // Turns to `page` as the up-down control would (a page without an item
    // is not shown).
    void setPage(int page);
    int cellCount() const { return static_cast<int>(m_cells.size()); }
    // The list item shown in cell k, or -1.
    int itemInCell(int cell) const;
    // Redraws the cells (after their pictures changed).
    void repaintCells();

signals:
    // A cell holding list item `item` was clicked.
    void itemClicked(int item);
    // The up-down control moved; `turned` tells whether the page changed.
    void spinMoved(bool turned);

private:
    friend class StripCell;
    StripPages pages() const;
    void paintCell(QPainter& painter, int cell, const QRect& rect);
    void cellPressed(int cell);
    void spinTo(int position);
    void refreshTexts();

    std::vector<QWidget*> m_cells;
    std::vector<QLabel*> m_labels;
    QScrollBar* m_spin = nullptr;
    QLabel* m_pageLabel = nullptr;
    QStringList m_names;
    CellPainter m_painter;
    int m_page = 0;
};

} // namespace pictra::ui
