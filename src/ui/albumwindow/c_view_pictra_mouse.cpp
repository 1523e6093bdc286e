// CViewPictra: clicks, selection, dragging thumbnails within the album and
// into another album window, the navigation tip and the context menu.
// Dragging uses plain mouse events: the pressed view keeps the mouse, and
// the view under the cursor is found with QApplication::widgetAt.
#include "ui/albumwindow/c_view_pictra.h"

#include "core/app/app_state.h"
#include "core/album/album_room.h"
#include "core/album/drop_insertion.h"
#include "core/album/page_grid.h"
#include "core/album/cell_picture.h"
#include "core/album/store_copy_transfer.h"
#include "core/album/store_name_clash.h"
#include "core/album/window_records.h"
#include "core/commands/command_ids.h"
#include "core/util/cp932.h"
#include "core/util/fixed_text.h"
#include "core/util/tick_count.h"
#include "ui/albumwindow/album_window_host.h"
#include "ui/albumwindow/c_child_frame.h"
#include "ui/albumwindow/picture_loading.h"
#include "ui/dialogs/duplicate_prompt.h"
#include "ui/dialogs/status_messages.h"
#include "ui/dialogs/store_name_clash_prompt.h"
#include "ui/prompts/user_prompts.h"

#include <QApplication>
#include <QMdiArea>
#include <QMenu>
#include <QMouseEvent>

#include <algorithm>
#include <span>

namespace pictra::ui {
namespace {

QRect toQRect(const Rect& r) { return QRect(QPoint(r.left, r.top), QPoint(r.right, r.bottom)); }

struct MenuItem {
    int id;
    const char* text;
};

// Context menu 143; id 0 is a separator.
constexpr MenuItem kContextMenu[] = {
    {cmd::kEnlargedView, "拡大ビュー表示"}, {0, nullptr},
    {cmd::kCopy, "コピー"}, {cmd::kCut, "切り取り"}, {cmd::kPaste, "貼り付け"}, {0, nullptr},
    {cmd::kDelete, "削除"}, {0, nullptr},
    {cmd::kCopyToFolder, "別のフォルダーにコピー"}, {cmd::kMoveToFolder, "別のフォルダーに移動"},
    {cmd::kRename, "ファイル名を変更"},
};

// The page view of the active window, where drag outlines are shown.
CViewPictra* currentView(AppState& state, AlbumWindowHost& host)
{
    CChildFrame* frame = CChildFrame::find(host.mdiArea(), state.albums->working.viewId);
    return frame ? frame->pageView() : nullptr;
}

} // namespace

CViewPictra* pageViewAt(QPoint globalPos)
{
    for (QWidget* w = QApplication::widgetAt(globalPos); w; w = w->parentWidget()) {
        if (auto* view = qobject_cast<CViewPictra*>(w))
            return view;
    }
    return nullptr;
}

int CViewPictra::cellAt(QPoint pos, HitRule rule) const
{
    const AlbumRecord* rec = ownRecord();
    return rec ? hitTest(rec->cells, cells(), pos.x(), pos.y(), rule) : -1;
}

void CViewPictra::mousePressEvent(QMouseEvent* event)
{
    if (!ownRecord())
        return;
    if (event->button() == Qt::RightButton) {
        if (m_drag.dragging) {
            cancelDrag();
            return;
        }
        m_frame.makeCurrent();
        focusAndSelect(event->position().toPoint(), event->modifiers());
        update();
        if (working().imageCount >= 1)
            showContextMenu(event->globalPosition().toPoint());
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    m_frame.makeCurrent();
    focusAndSelect(event->position().toPoint(), event->modifiers());
    prepareDrag(event->position().toPoint());
    update();
}

void CViewPictra::focusAndSelect(QPoint pos, Qt::KeyboardModifiers modifiers)
{
    const ClickResult click =
        clickCell(*m_state.albums, m_state.selection, {cellAt(pos), (modifiers & Qt::ControlModifier) != 0});
    if (click.image >= 0) {
        loadShared(m_state, cellPictureFor(m_state, working(), click.image));
        m_host.refreshInfoBar();
    }
}

void CViewPictra::prepareDrag(QPoint pos)
{
    const AlbumRecord& w = working();
    const int first = w.currentPage * cells();
    m_drag = Drag{};
    for (int cell : selectedCells(w, m_state.selection)) {
        m_drag.outlines.push_back(w.cells[static_cast<std::size_t>(cell)]);
        m_drag.entries.push_back(w.images[static_cast<std::size_t>(first + cell)]);
    }
    m_drag.startCell = cellAt(pos);
    m_drag.last = pos;
}

void CViewPictra::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    const QPoint global = event->globalPosition().toPoint();
    if (event->buttons() & Qt::LeftButton) {
        if (!m_drag.entries.empty())
            moveDrag(pos, global);
        return;
    }
    if (m_drag.dragging) { // the button went up outside every view
        cancelDrag();
        clearSelectionBlock(m_state.selection);
        update();
        return;
    }
    m_host.relayNavigationTip(this, global);
    updateTip(pos);
}

void CViewPictra::moveDrag(QPoint pos, QPoint globalPos)
{
    m_host.hideNavigationTip();
    m_drag.dragging = true;
    CViewPictra* under = pageViewAt(globalPos);
    CViewPictra* current = currentView(m_state, m_host);
    if (under && under != current) {
        if (m_drag.raiseTarget != under) {
            m_drag.raiseTarget = under;
            m_raiseTimer.start();
        }
    } else {
        m_raiseTimer.stop();
        m_drag.raiseTarget = nullptr;
    }
    const QPoint delta = pos - m_drag.last;
    for (Rect& r : m_drag.outlines)
        r = {r.left + delta.x(), r.top + delta.y(), r.right + delta.x(), r.bottom + delta.y()};
    m_drag.last = pos;
    if (!current)
        return;
    const QPoint offset = current->mapFromGlobal(mapToGlobal(QPoint(0, 0)));
    std::vector<QRect> shown;
    for (const Rect& r : m_drag.outlines)
        shown.push_back(toQRect(r).translated(offset));
    if (current != this)
        showOutlines({});
    current->showOutlines(shown);
}

void CViewPictra::raiseTargetNow()
{
    CViewPictra* target = m_drag.raiseTarget;
    m_drag.raiseTarget = nullptr;
    if (!target || !m_drag.dragging)
        return;
    if (CViewPictra* previous = currentView(m_state, m_host))
        previous->showOutlines({});
    m_host.bringToTop(target->m_frame);
    target->m_frame.makeCurrent();
}

void CViewPictra::showOutlines(const std::vector<QRect>& outlines)
{
    if (outlines.empty() && m_outlines.empty())
        return;
    m_outlines = outlines;
    update();
}

void CViewPictra::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_raiseTimer.stop();
    if (!m_drag.entries.empty() && m_drag.dragging) {
        CViewPictra* current = currentView(m_state, m_host);
        showOutlines({});
        if (current)
            current->showOutlines({});
        if (current == this) {
            dropWithin(event->position().toPoint(), event->modifiers());
        } else if (current) {
            current->dropFrom(*this, event->globalPosition().toPoint());
        }
    } else if (ownRecord() && isCurrent()) {
        releaseClick(*m_state.albums, m_state.selection, (event->modifiers() & Qt::ControlModifier) != 0);
        update();
    }
    m_drag = Drag{};
}

void CViewPictra::dropWithin(QPoint pos, Qt::KeyboardModifiers modifiers)
{
    AlbumRecord& w = working();
    const int cell = cellAt(pos);
    if (cell < 0 || cell == m_drag.startCell) {
        cancelDrag();
        return;
    }
    const int target = w.currentPage * cells() + cell;
    const DropKind kind = (modifiers & Qt::ControlModifier) ? DropKind::Copy : DropKind::Move;
    // A copy adds every selected image; the album's own store copies serve them.
    const std::size_t leftOut =
        kind == DropKind::Copy ? cutToRoom(w.imageCount, m_state.selection.selection.size()).leftOut : 0;
    const int landed = dropWithinAlbum(w, m_state.selection.selection, target, kind, tickCount());
    showDropped(landed);
    if (leftOut > 0)
        m_host.prompts().showMessage(this, albumFullMessage(static_cast<int>(leftOut)));
}

void CViewPictra::dropFrom(CViewPictra& source, QPoint globalPos)
{
    AlbumRecord& w = working();
    const QPoint pos = mapFromGlobal(globalPos);
    const int cell = cellAt(pos);
    if (cell < 0)
        return;
    const AlbumRecord* from = source.ownRecord();
    const auto offered = offeredAfterDuplicateCheck(m_state, m_host.prompts(), this, w, source.m_drag.entries);
    if (!offered)
        return;
    StoreNameSplit split =
        splitByStoreName(std::span(w.images).first(static_cast<std::size_t>(std::clamp(w.imageCount, 0, kMaxAlbumImages))),
                         *offered);
    // Cut before any store copy is brought over, so none lands for an image left out.
    const RoomCut cut = cutToRoom(w.imageCount, split.kept.size());
    split.kept.resize(cut.kept);
    const auto tellLeftOut = [&] {
        if (cut.leftOut > 0)
            m_host.prompts().showMessage(this, albumFullMessage(static_cast<int>(cut.leftOut)));
    };
    std::vector<std::string> clashing;
    for (const std::string& path : split.clashing)
        clashing.push_back(storedPathToUtf8(path));
    if (!addOthersPastStoreNameClashes(m_host.prompts(), this, clashing, !split.kept.empty())) {
        if (split.kept.empty())
            tellLeftOut();
        return;
    }
    const int landed = insertEntryCopies(w, split.kept, w.currentPage * cells() + cell, tickCount());
    if (from && landed >= 0)
        copyStoreCopies(m_state.programFolder, albumFilePath(*from), albumFilePath(w), split.kept);
    showDropped(landed);
    tellLeftOut();
}

void CViewPictra::showDropped(int landed)
{
    apply(afterDrop(*m_state.albums, m_state.selection, landed));
}

void CViewPictra::cancelDrag()
{
    m_raiseTimer.stop();
    if (CViewPictra* current = currentView(m_state, m_host))
        current->showOutlines({});
    showOutlines({});
    m_drag = Drag{};
    update();
}

void CViewPictra::mouseDoubleClickEvent(QMouseEvent* event)
{
    const AlbumRecord* rec = ownRecord();
    if (!rec || event->button() != Qt::LeftButton)
        return;
    const QPoint pos = event->position().toPoint();
    const int cell = cellAt(pos);
    if (cell >= 0 && rec->hasFocus && cell == rec->focusIndex)
        openEnlargedView();
}

void CViewPictra::updateTip(QPoint pos)
{
    const AlbumRecord* rec = ownRecord();
    if (!rec || !isCurrent())
        return;
    const int cell = cellAt(pos, HitRule::Strict);
    const int index = cell < 0 ? -1 : rec->currentPage * cells() + cell;
    QString text;
    if (index >= 0 && index < rec->imageCount && m_state.settings.tipEnabled != 0)
        text = QString::fromStdString(
            cp932ToUtf8(fieldText(rec->images[static_cast<std::size_t>(index)].summary)).text);
    // A crossed cell without a summary says why its picture is missing.
    for (const auto& [problemCell, status] : m_cellProblems)
        if (problemCell == cell && index >= 0 && text.isEmpty())
            text = pictureFailureReason(status);
    if (text.isEmpty()) {
        if (!m_tipText.isEmpty())
            m_host.hideNavigationTip();
        m_tipText.clear();
        return;
    }
    if (text != m_tipText)
        m_host.showNavigationTip(this, text);
    m_tipText = text;
}

void CViewPictra::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    if (!m_tipText.isEmpty())
        m_host.hideNavigationTip();
    m_tipText.clear();
}

void CViewPictra::showContextMenu(QPoint globalPos)
{
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("143"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (const MenuItem& item : kContextMenu) {
        if (item.id == 0) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(QString::fromUtf8(item.text));
        action->setData(item.id);
        const int id = item.id;
        connect(action, &QAction::triggered, this, [this, id] {
            if (!handleCommand(id))
                m_frame.handleCommand(id);
        });
        if (id == cmd::kPaste)
            action->setEnabled(m_state.selection.clipboardFilled && !m_state.selection.clipboard.empty());
    }
    menu->popup(globalPos);
}

} // namespace pictra::ui
