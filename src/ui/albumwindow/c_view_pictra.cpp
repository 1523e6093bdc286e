// CViewPictra: controls, grid, painting, page changes and commands of the
// album page. Mouse handling is in c_view_pictra_mouse.cpp.
#include "ui/albumwindow/c_view_pictra.h"

#include "app/app_state.h"
#include "core/album/page_grid.h"
#include "core/album/window_records.h"
#include "core/commands/command_ids.h"
#include "ui/albumwindow/album_window_host.h"
#include "ui/albumwindow/c_child_frame.h"
#include "ui/albumwindow/page_painting.h"
#include "ui/albumwindow/picture_loading.h"
#include "ui/albumwindow/special_window.h"
#include "ui/dialog_units.h"
#include "ui/drawing/image_painter.h"

#include <QApplication>
#include <QComboBox>
#include <QMdiArea>
#include <QPainter>
#include <QRadioButton>
#include <QSlider>

namespace pictra::ui {
namespace {

constexpr int kRaiseDelayMs = 1000;

} // namespace

CViewPictra::CViewPictra(AppState& state, AlbumWindowHost& host, CChildFrame& frame, std::uint64_t viewId)
    : QWidget(&frame), m_state(state), m_host(host), m_frame(frame), m_viewId(viewId)
{
    setMouseTracking(true);
    // A click into the page takes the keyboard from the information bar, so
    // the album's shortcuts act on the album again.
    setFocusPolicy(Qt::ClickFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    createControls();
    m_raiseTimer.setSingleShot(true);
    m_raiseTimer.setInterval(kRaiseDelayMs);
    connect(&m_raiseTimer, &QTimer::timeout, this, &CViewPictra::raiseTargetNow);
}

CViewPictra::~CViewPictra() = default;

void CViewPictra::createControls()
{
    m_pageCombo = new QComboBox(this);
    m_pageCombo->setObjectName(QStringLiteral("1081"));
    m_pageCombo->setGeometry(dluRect(15, 7, 49, 12));
    m_pageCombo->addItem(QStringLiteral("1/1"));
    connect(m_pageCombo, &QComboBox::activated, this, &CViewPictra::pageChosen);
    m_columnsRadio = new QRadioButton(QStringLiteral("横"), this);
    m_columnsRadio->setObjectName(QStringLiteral("1067"));
    m_columnsRadio->setGeometry(dluRect(73, 9, 21, 8));
    m_columnsRadio->setChecked(true);
    connect(m_columnsRadio, &QRadioButton::clicked, this, [this] { chooseSlider(true); });
    m_rowsRadio = new QRadioButton(QStringLiteral("縦"), this);
    m_rowsRadio->setObjectName(QStringLiteral("1068"));
    m_rowsRadio->setGeometry(dluRect(97, 9, 21, 8));
    connect(m_rowsRadio, &QRadioButton::clicked, this, [this] { chooseSlider(false); });
    m_slider = new QSlider(Qt::Horizontal, this);
    m_slider->setObjectName(QStringLiteral("1083"));
    m_slider->setGeometry(dluRect(121, 3, 62, 16));
    m_slider->setRange(1, 10);
    m_slider->setPageStep(1);
    if (const AlbumRecord* rec = ownRecord())
        m_slider->setValue(clampGridSide(rec->columns));
    connect(m_slider, &QSlider::valueChanged, this, &CViewPictra::sliderMoved);
    m_anchor = new QWidget(this); // invisible: only its place counts
    m_anchor->setObjectName(QStringLiteral("1031"));
    m_anchor->setGeometry(dluRect(9, 24, 180, 6));
    m_anchor->hide();
}

bool CViewPictra::isCurrent() const { return m_state.albums->working.viewId == m_viewId; }

AlbumRecord& CViewPictra::working() const { return m_state.albums->working; }

const AlbumRecord* CViewPictra::ownRecord() const { return windowRecord(*m_state.albums, m_viewId); }

int CViewPictra::cells() const
{
    const AlbumRecord* rec = ownRecord();
    return rec ? cellsPerPage(rec->columns, rec->rows) : 1;
}

void CViewPictra::computeGrid(bool first)
{
    const AlbumRecord* rec = ownRecord();
    if (!rec)
        return;
    const QRect anchor = m_anchor->geometry();
    const GridInput input{width(), height(), anchor.left(), anchor.top(), rec->columns, rec->rows,
                          m_state.settings.gapX, m_state.settings.gapY};
    placeGrid(*m_state.albums, m_viewId, pictra::computeGrid(input, first ? GridDivision::Real : GridDivision::Integer));
}

void CViewPictra::apply(const ViewChange& change)
{
    if (change.refillPages)
        fillPageCombo();
    if (change.refreshInfoBar) {
        loadShared(m_state, focusedPicturePath(m_state, working()));
        m_host.refreshInfoBar();
    }
    if (change.repaint)
        repaintPage();
    else if (change.selectionFrames)
        update();
}

void CViewPictra::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const AlbumRecord* rec = ownRecord();
    if (!rec)
        return;
    computeGrid(rec->layoutComputed == 0);
    m_pageValid = false;
}

void CViewPictra::fillPageCombo()
{
    const AlbumRecord* rec = ownRecord();
    if (!rec)
        return;
    const int pages = pageCount(rec->imageCount, cells());
    const QSignalBlocker block(m_pageCombo);
    m_pageCombo->clear();
    for (int k = 1; k <= pages; ++k)
        m_pageCombo->addItem(QString::fromStdString(pageLabel(k, pages)));
    m_pageCombo->setCurrentIndex(std::clamp(rec->currentPage, 0, pages - 1));
}

void CViewPictra::repaintPage()
{
    m_pageValid = false;
    update();
}

void CViewPictra::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const AlbumRecord* rec = ownRecord();
    if (!rec) {
        painter.fillRect(rect(), Qt::white);
        return;
    }
    if (!m_pageValid || m_page.size() != size()) {
        m_page = QPixmap(size());
        m_page.fill(Qt::white);
        QPainter pagePainter(&m_page);
        m_cellProblems = paintPageCells(pagePainter, m_state, *rec);
        m_pageValid = true;
    }
    painter.drawPixmap(0, 0, m_page);
    if (isCurrent()) {
        ImagePainter frames(painter);
        for (int cell : selectedCells(*rec, m_state.selection))
            frames.drawSelection(SelectionMark::Draw, rec->cells[static_cast<std::size_t>(cell)], rec);
    }
    if (!m_outlines.empty()) {
        painter.setCompositionMode(QPainter::RasterOp_NotDestination);
        painter.setPen(Qt::black);
        painter.setBrush(Qt::NoBrush);
        for (const QRect& r : m_outlines)
            painter.drawRect(r);
    }
}

void CViewPictra::chooseSlider(bool columns)
{
    m_columnsRadio->setChecked(columns);
    m_rowsRadio->setChecked(!columns);
    const AlbumRecord* rec = ownRecord();
    if (!rec)
        return;
    const QSignalBlocker block(m_slider);
    m_slider->setValue(clampGridSide(columns ? rec->columns : rec->rows));
}

void CViewPictra::sliderMoved(int value)
{
    m_frame.makeCurrent();
    const ViewChange change =
        setGridSide(*m_state.albums, m_columnsRadio->isChecked() ? GridSide::Columns : GridSide::Rows, value);
    computeGrid(false);
    apply(change);
}

void CViewPictra::pageChosen(int index)
{
    m_frame.makeCurrent();
    apply(choosePage(*m_state.albums, m_state.selection, index));
}

void CViewPictra::navigate(PageMove move)
{
    m_frame.makeCurrent();
    const std::optional<ViewChange> change = movePage(*m_state.albums, m_state.selection, move);
    if (!change) {
        QApplication::beep();
        return;
    }
    apply(*change);
}

void CViewPictra::relayoutFromSettings()
{
    const int columns = clampGridSide(m_state.settings.columns & 0xFF);
    const int rows = clampGridSide(m_state.settings.rows & 0xFF);
    const ViewChange change = setGridShape(*m_state.albums, m_viewId, columns, rows);
    computeGrid(false);
    chooseSlider(m_columnsRadio->isChecked());
    apply(change);
}

void CViewPictra::showAppended()
{
    apply(afterAppend(*m_state.albums, m_state.selection));
}

bool CViewPictra::handleCommand(int id)
{
    if (id == cmd::kEnlargedView) {
        openEnlargedView();
        return true;
    }
    return false;
}

void CViewPictra::openEnlargedView()
{
    m_frame.makeCurrent();
    const AlbumRecord& w = working();
    const int index = w.currentPage * cells() + w.focusIndex;
    if (!w.hasFocus || index < 0 || index >= w.imageCount)
        return;
    const ImageEntry& entry = w.images[static_cast<std::size_t>(index)];
    const AlbumTable& table = *m_state.albums;
    for (int i = 0; i < table.openCount; ++i) {
        const AlbumRecord& slot = table.windowSlots[static_cast<std::size_t>(i)];
        if (slot.kind == AlbumKind::SingleImage && slot.path == entry.path) {
            if (CChildFrame* open = CChildFrame::find(m_host.mdiArea(), slot.viewId))
                m_host.bringToTop(*open);
            return;
        }
    }
    openSpecialWindow(m_state, m_host, AlbumKind::SingleImage, entry);
}

} // namespace pictra::ui
