// CViewPictra: the page view of an album window. Shows one page of the album
// as a grid of thumbnail cells with the page combo box, the column/row radio
// buttons and slider; selection by mouse, dragging within the album and into
// other album windows, the navigation tip and the context menu.
#pragma once

#include "core/album/album_record.h"
#include "core/album/page_arithmetic.h"
#include "core/album/page_grid.h"
#include "core/album/page_view_rules.h"
#include "ui/albumwindow/page_painting.h"

#include <QPixmap>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <vector>

class QComboBox;
class QMenu;
class QRadioButton;
class QSlider;

namespace pictra {
struct AppState;
}

namespace pictra::ui {

class AlbumWindowHost;
class CChildFrame;

class CViewPictra : public QWidget {
    Q_OBJECT
public:
    CViewPictra(AppState& state, AlbumWindowHost& host, CChildFrame& frame, std::uint64_t viewId);
    ~CViewPictra() override;

    // Carries out a command of the view; false when it is not one of its own.
    bool handleCommand(int id);

    std::uint64_t viewId() const { return m_viewId; }

    // Refills the page combo box ("n/m" items) and selects the current page.
    void fillPageCombo();
    // The page changed or images came or went: paint the page anew.
    void repaintPage();
    // Page navigation of the current album; beeps past either end.
    void navigate(PageMove move);
    // The columns/rows settings changed: take them and keep the focused image.
    void relayoutFromSettings();
    // Images were appended: new page list, focus (cell 0 when there was
    // none), the first image selected unless the clipboard is in use, repaint.
    void showAppended();

    // The wait before another album window comes to the top while dragging
    // over it (1 s; tests shorten it).
    void setRaiseDelay(int milliseconds) { m_raiseTimer.setInterval(milliseconds); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    // Thumbnails being dragged: outlines in this view's coordinates and the
    // entries they stand for (the selected images of the page).
    struct Drag {
        std::vector<Rect> outlines;
        std::vector<ImageEntry> entries;
        int startCell = -1;
        bool dragging = false;
        QPoint last;
        QPointer<CViewPictra> raiseTarget;
    };

    bool isCurrent() const;
    AlbumRecord& working() const;
    // This window's record: the working copy while it is current, else its slot.
    const AlbumRecord* ownRecord() const;
    int cells() const;

    void createControls();
    void computeGrid(bool first);
    // Redoes what a core rule says changed.
    void apply(const ViewChange& change);
    void chooseSlider(bool columns);
    void sliderMoved(int value);
    void pageChosen(int index);

    int cellAt(QPoint pos, HitRule rule = HitRule::Inclusive) const;
    void focusAndSelect(QPoint pos, Qt::KeyboardModifiers modifiers);
    void prepareDrag(QPoint pos);
    void moveDrag(QPoint pos, QPoint globalPos);
    void finishDrag(QPoint globalPos, Qt::KeyboardModifiers modifiers);
    void dropWithin(QPoint pos, Qt::KeyboardModifiers modifiers);
    void dropFrom(CViewPictra& source, QPoint globalPos);
    void showDropped(int landed);
    void cancelDrag();
    void showOutlines(const std::vector<QRect>& outlines);
    void raiseTargetNow();
    void updateTip(QPoint pos);
    void showContextMenu(QPoint globalPos);
    void openEnlargedView();

    AppState& m_state;
    AlbumWindowHost& m_host;
    CChildFrame& m_frame;
    std::uint64_t m_viewId;
    QComboBox* m_pageCombo = nullptr;
    QRadioButton* m_columnsRadio = nullptr;
    QRadioButton* m_rowsRadio = nullptr;
    QSlider* m_slider = nullptr;
    QWidget* m_anchor = nullptr;
    QPixmap m_page;             // the pictures and cell outlines as last painted
    bool m_pageValid = false;
    std::vector<QRect> m_outlines; // drag outlines shown in this view (inverted)
    Drag m_drag;
    QTimer m_raiseTimer;
    QString m_tipText;
    CellProblems m_cellProblems; // of the page last painted
};

// The page view under a global point, or nullptr.
CViewPictra* pageViewAt(QPoint globalPos);

} // namespace pictra::ui
