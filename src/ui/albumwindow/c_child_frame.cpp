// CChildFrame: window life cycle (opening, activation, closing) and the
// commands acting on an album as a whole.
#include "ui/albumwindow/c_child_frame.h"

#include "core/app/app_state.h"
#include "core/album/album_changes.h"
#include "core/album/album_window_close.h"
#include "core/album/append_images.h"
#include "core/album/cell_picture.h"
#include "core/album/command_target.h"
#include "core/album/page_position.h"
#include "core/album/window_records.h"
#include "core/album/window_slots.h"
#include "core/app/window_layout.h"
#include "core/commands/command_ids.h"
#include "core/metadata/metadata_settings.h"
#include "core/tools/zoom_stack.h"
#include "core/util/paths.h"
#include "core/util/tick_count.h"
#include "ui/albumwindow/album_window_host.h"
#include "ui/albumwindow/c_view_pictra.h"
#include "ui/albumwindow/clipboard_commands.h"
#include "ui/albumwindow/error_log_dialog.h"
#include "ui/albumwindow/file_commands.h"
#include "ui/albumwindow/image_export.h"
#include "ui/albumwindow/metadata_commands.h"
#include "ui/albumwindow/picture_loading.h"
#include "ui/albumwindow/slide_show_runner.h"
#include "ui/dialogs/album_change_messages.h"
#include "ui/dialogs/metadata_messages.h"
#include "ui/dialogs/status_messages.h"
#include "ui/enlargedview/c_pictra_view.h"
#include "ui/print/print_commands.h"
#include "ui/prompts/user_prompts.h"
#include "ui/scan/twain_import.h"

#include <QCloseEvent>
#include <QMdiArea>

#include <atomic>
#include <cstdio>

namespace pictra::ui {
namespace {

constexpr QSize kDefaultWindowSize(640, 480);

std::uint64_t nextViewId()
{
    static std::atomic<std::uint64_t> counter{0};
    return ++counter;
}

} // namespace

CChildFrame::CChildFrame(AppState& state, AlbumWindowHost& host, AlbumKind kind)
    : m_state(state), m_host(host), m_kind(kind), m_viewId(nextViewId())
{
    setAttribute(Qt::WA_DeleteOnClose);
    // Every opener checked for a free slot before preparing the working copy.
    (void)openWindowSlot(*state.albums, kind, m_viewId); // cannot fail: the opener found a free slot
    setWindowTitle(QString::fromStdString(albumWindowTitle(state.albums->working)));
    if (kind == AlbumKind::Album) {
        m_pageView = new CViewPictra(state, host, *this, m_viewId);
        setWidget(m_pageView);
    } else {
        m_pictureView = new CPictraView(state, host, *this, m_viewId);
        setWidget(m_pictureView);
    }
    QMdiArea& area = host.mdiArea();
    const int before = static_cast<int>(area.subWindowList().size());
    area.addSubWindow(this);
    connect(this, &QMdiSubWindow::aboutToActivate, this, &CChildFrame::makeCurrent);
    // Cascaded from the area's top-left and never larger than the area.
    const QSize room = area.viewport()->size();
    const WindowBox box = cascadedWindow({room.width(), room.height()}, before,
                                         {kDefaultWindowSize.width(), kDefaultWindowSize.height()});
    setGeometry(box.x, box.y, box.width, box.height);
    if (state.settings.childMaximized == 1)
        showMaximized();
    else
        show();
    if (m_pageView)
        m_pageView->fillPageCombo();
    // The window arrives as the current one, so its activation changes nothing:
    // the bar must leave the picture of the window before.
    showTarget();
}

CChildFrame::~CChildFrame() = default;

CChildFrame* CChildFrame::find(QMdiArea& area, std::uint64_t viewId)
{
    for (QMdiSubWindow* sub : area.subWindowList()) {
        auto* frame = qobject_cast<CChildFrame*>(sub);
        if (frame && frame->viewId() == viewId)
            return frame;
    }
    return nullptr;
}

void CChildFrame::makeCurrent()
{
    AlbumTable& table = *m_state.albums;
    if (!pictra::activateWindow(table, m_state.selection, m_viewId))
        return;
    // The bar edits the working copy's focused entry: it must show this
    // window's entry before anything can be typed into it.
    showTarget();
}

void CChildFrame::showTarget()
{
    const AlbumRecord& w = m_state.albums->working;
    if (w.viewId != m_viewId)
        return;
    loadShared(m_state, cellPictureFor(m_state, w, commandImage(w)));
    m_host.refreshInfoBar();
}

bool CChildFrame::handleCommand(int id)
{
    switch (id) {
    case cmd::kNextPage:
    case cmd::kPreviousPage:
    case cmd::kFirstPage:
    case cmd::kLastPage:
        if (m_pageView) {
            const PageMove move = id == cmd::kNextPage       ? PageMove::Next
                                  : id == cmd::kPreviousPage ? PageMove::Previous
                                  : id == cmd::kFirstPage    ? PageMove::First
                                                             : PageMove::Last;
            m_pageView->navigate(move);
        }
        return true;
    case cmd::kSlideShow:
        makeCurrent();
        runSlideCommand(m_state, m_host, SlideCommand::Forward);
        return true;
    case cmd::kReverseSlide:
        makeCurrent();
        runSlideCommand(m_state, m_host, SlideCommand::Reverse);
        return true;
    case cmd::kPauseSlide:
        runSlideCommand(m_state, m_host, SlideCommand::Pause);
        return true;
    case cmd::kEndSlideShow:
        runSlideCommand(m_state, m_host, SlideCommand::End);
        return true;
    case cmd::kExportJpeg:
    case cmd::kExportBmp:
    case cmd::kExportTiff:
    case cmd::kExportPsd:
    case cmd::kExportPcx:
    case cmd::kExportPng:
    case cmd::kExportWebp:
        makeCurrent();
        exportFocusedImage(m_state, m_host, this, id);
        return true;
    case cmd::kPrintNormal:
        makeCurrent();
        runNormalPrint(m_state, m_host, this);
        return true;
    case cmd::kPrintPoster:
        makeCurrent();
        runPosterPrint(m_state, m_host, this);
        return true;
    case cmd::kPrintDtp:
        makeCurrent();
        runDtpPrint(m_state, m_host, this);
        return true;
    case cmd::kCut:
    case cmd::kCopy:
    case cmd::kPaste:
    case cmd::kDelete:
        return runClipboardCommand(m_state, m_host, *this, id);
    case cmd::kInputTwain:
        makeCurrent();
        runTwainImport(m_state, m_host, *this);
        return true;
    case cmd::kInputFromFile:
    case cmd::kCopyToFolder:
    case cmd::kMoveToFolder:
    case cmd::kRename:
    case cmd::kRelink:
        makeCurrent();
        return runFileCommand(m_state, m_host, *this, id);
    case cmd::kFillDateTaken:
    case cmd::kExportXmp:
    case cmd::kSortByDate:
    case cmd::kSortByName:
    case cmd::kSortByPlace:
        return runMetadataCommand(m_state, m_host, *this, id);
    default:
        return m_pictureView && m_pictureView->handleCommand(id);
    }
}

int CChildFrame::appendImages(const FileNameList& list)
{
    if (m_kind != AlbumKind::Album || !m_pageView || list.empty())
        return 0;
    makeCurrent();
    Result<AppendResult> appended = pictra::appendImages(m_state.albums->working, list, tickCount(), EntryTexts::Clear,
                                                         newEntryFill(m_state.programFolder));
    if (!appended) {
        if (appended.status() == Status::TooLarge)
            m_host.prompts().showMessage(this, albumFullMessage(list.count()));
        return 0;
    }
    if (appended->dropped > 0)
        m_host.prompts().showMessage(this, albumFullMessage(appended->dropped));
    m_host.reportProgress(appended->appended, list.count());
    if (!appended->shortenedTexts.empty())
        m_host.prompts().showMessage(this, shortenedTextsMessage(imageFilePaths(m_state.albums->working, appended->shortenedTexts)));
    if (!appended->missing.empty()) {
        auto* log = new ErrorLogDialog({}, appended->missing.paths(), this);
        log->setAttribute(Qt::WA_DeleteOnClose);
        log->open();
    }
    m_pageView->showAppended();
    return 1;
}

void CChildFrame::showEntriesChanged(int preferred)
{
    settleTarget(m_state.albums->working, m_state.selection, preferred);
    mirrorToActiveSlot(*m_state.albums);
    if (m_pageView) {
        m_pageView->fillPageCombo();
        m_pageView->repaintPage();
    }
    loadShared(m_state, focusedPicturePath(m_state, m_state.albums->working));
    m_host.refreshInfoBar();
}

void CChildFrame::refreshTitle()
{
    const AlbumRecord* rec = windowRecord(*m_state.albums, m_viewId);
    if (!rec)
        return;
    const QString title = QString::fromStdString(albumWindowTitle(*rec));
    if (windowTitle() != title)
        setWindowTitle(title);
}

bool CChildFrame::mayClose()
{
    const AlbumRecord* rec = windowRecord(*m_state.albums, m_viewId);
    if (!rec || m_kind != AlbumKind::Album)
        return true;
    if (albumChanged(*rec)) {
        switch (m_host.prompts().askYesNoCancel(this, saveChangesQuestion(QString::fromStdString(albumFilePath(*rec))))) {
        case YesNoCancel::Yes: return m_host.saveAlbum(*this); // a failed save keeps the window and its changes
        case YesNoCancel::No: markWindowSaved(*m_state.albums, m_viewId); return true;
        case YesNoCancel::Cancel: return false;
        }
    }
    if (rec->imageCount == 0)
        return true;
    const QString question = QString::fromStdString(albumFilePath(*rec)) + QStringLiteral("を終了しますがよろしいですか。");
    return m_host.prompts().askYesNo(this, question);
}

void CChildFrame::closeEvent(QCloseEvent* event)
{
    if (!mayClose()) {
        event->ignore();
        return;
    }
    cleanUpOnClose();
    QMdiSubWindow::closeEvent(event);
}

void CChildFrame::cleanUpOnClose()
{
    AlbumTable& table = *m_state.albums;
    SlideShowState& show = m_state.slideShow;
    if (show.state != SlideState::None && show.slideViewId == m_viewId)
        clearSlideShow(show);
    if (show.state != SlideState::None && show.ownerViewId == m_viewId)
        runSlideCommand(m_state, m_host, SlideCommand::End);
    if (const AlbumRecord* rec = windowRecord(table, m_viewId)) {
        if (m_kind == AlbumKind::SingleImage && rec->imageCount > 0)
            std::remove(zoomStackPath(m_state.programFolder, imageFilePath(rec->images[0]), m_viewId).c_str());
        if (m_kind == AlbumKind::Album)
            (void)deleteStoreFolder(m_state.programFolder, albumFilePath(*rec)); // a leftover folder only takes space
    }
    removeWindowSlot(table, findSlot(table, m_viewId));
    if (table.working.viewId == m_viewId)
        resetAlbumRecord(table.working);
}

} // namespace pictra::ui
