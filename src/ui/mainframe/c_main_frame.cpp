// CMainFrame: construction, command routing and the album-window host.
#include "ui/mainframe/c_main_frame.h"

#include "core/album/album_changes.h"
#include "core/album/cell_picture.h"
#include "core/album/window_records.h"
#include "core/app/app_state.h"
#include "core/app/window_layout.h"
#include "core/app/window_menu.h"
#include "core/commands/command_ids.h"
#include "core/commands/open_command.h"
#include "core/print/printer_paper.h"
#include "core/settings/recent_album_list.h"
#include "ui/albumwindow/c_child_frame.h"
#include "ui/albumwindow/c_view_pictra.h"
#include "ui/albumwindow/picture_loading.h"
#include "ui/albumwindow/slide_show_runner.h"
#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/album_change_messages.h"
#include "ui/dialogs/status_messages.h"
#include "ui/infobar/info_bar.h"
#include "ui/mainframe/album_documents.h"
#include "ui/mainframe/command_actions.h"
#include "ui/mainframe/drop_handler.h"
#include "ui/infobar/exif_page_text.h"
#include "ui/mainframe/navigation_tip.h"
#include "ui/options/options_apply.h"
#include "ui/print/printer_page.h"
#include "ui/prompts/user_prompts.h"
#include "ui/recovery/recovery_keeper.h"
#include "ui/search/search_command.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPointer>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

#include <cmath>

// The icons are compiled into a static library; their registration must be
// called explicitly, and from outside any namespace.
static void registerIcons() { Q_INIT_RESOURCE(icons); }

namespace pictra::ui {

namespace {

// How often the toolbar's enabling is brought up to date while idle.
constexpr int kIdleUpdateMs = 250;

// Tile: the windows that are neither hidden, minimised nor disabled side by side.
// Minimised windows back into rows along the bottom, in window order, for
// those the user dragged elsewhere.
void arrangeIcons(QMdiArea& area)
{
    QList<QMdiSubWindow*> icons;
    for (QMdiSubWindow* sub : area.subWindowList()) {
        if (sub->isVisible() && sub->isMinimized())
            icons << sub;
    }
    if (icons.isEmpty())
        return;
    const QSize room = area.viewport()->size();
    const QSize icon = icons.front()->size();
    const std::vector<WindowBox> boxes =
        iconRows({room.width(), room.height()}, {icon.width(), icon.height()}, static_cast<int>(icons.size()));
    for (qsizetype i = 0; i < icons.size() && i < static_cast<qsizetype>(boxes.size()); ++i)
        icons[i]->move(boxes[static_cast<std::size_t>(i)].x, boxes[static_cast<std::size_t>(i)].y);
}

// The windows Tile and Cascade arrange: neither hidden, minimised nor disabled.
QList<QMdiSubWindow*> arrangedWindows(QMdiArea& area)
{
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* sub : area.subWindowList()) {
        if (sub->isVisible() && !sub->isMinimized() && sub->isEnabled())
            windows << sub;
    }
    return windows;
}

void placeWindows(const QList<QMdiSubWindow*>& windows, const std::vector<WindowBox>& boxes)
{
    for (qsizetype i = 0; i < windows.size() && i < static_cast<qsizetype>(boxes.size()); ++i) {
        const WindowBox& b = boxes[static_cast<std::size_t>(i)];
        windows[i]->showNormal();
        windows[i]->setGeometry(b.x, b.y, b.width, b.height);
        windows[i]->raise(); // the later ones lie on top, each title bar showing
    }
}

void tileSideBySide(QMdiArea& area)
{
    const QList<QMdiSubWindow*> windows = arrangedWindows(area);
    const QSize room = area.viewport()->size();
    placeWindows(windows, tiledSideBySide({room.width(), room.height()}, static_cast<int>(windows.size())));
}

// The active window goes last, on top of the stack.
void cascade(QMdiArea& area)
{
    QList<QMdiSubWindow*> windows = arrangedWindows(area);
    if (QMdiSubWindow* active = area.activeSubWindow(); active && windows.removeOne(active))
        windows << active;
    const QSize room = area.viewport()->size();
    placeWindows(windows, cascadedAll({room.width(), room.height()}, static_cast<int>(windows.size())));
}

} // namespace

CMainFrame::CMainFrame(AppState& state, UserPrompts* prompts, QWidget* parent)
    : QMainWindow(parent), m_state(state)
{
    if (!prompts) {
        m_ownPrompts = std::make_unique<QtUserPrompts>();
        prompts = m_ownPrompts.get();
    }
    m_prompts = prompts;
    registerIcons();
    setWindowTitle(QString::fromUtf8(kMainWindowTitle));
    // Every window of the program, album, picture, dialog or message box, shows the program's icon.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/pictra.png")));
    setWindowIcon(QApplication::windowIcon());
    setAcceptDrops(true);
    m_mdi = new QMdiArea(this);
    m_mdi->setBackground(Qt::white);
    setCentralWidget(m_mdi);
    resize(1000, 768);

    createBars();
    m_tip = new NavigationTip(this);
    m_tip->configure(state.settings.tipEnabled != 0, state.settings.tipDelayMs);
    m_documents = std::make_unique<AlbumDocuments>(state, *this, this, [this] { rebuildRecentMenu(); });
    m_drops = std::make_unique<DropHandler>(state, *this, *m_documents, this);
    m_recovery = new RecoveryKeeper(state, this);
    startTimers();
    updateCommandStates();
}

void CMainFrame::createBars()
{
    m_commands = new CommandActions(*this, [this](int id) { handleCommand(id); });
    m_commands->action(cmd::kViewToolbar)->setCheckable(true);
    m_commands->action(cmd::kViewToolbar)->setChecked(true);
    m_commands->action(cmd::kViewStatusBar)->setCheckable(true);
    m_commands->action(cmd::kViewStatusBar)->setChecked(true);
    statusBar()->showMessage(QStringLiteral("レディ"));
    m_infoBar = new InfoBar(m_state, this);
    m_infoBar->setExifTextSource(exifPageText);
    addDockWidget(Qt::BottomDockWidgetArea, m_infoBar);
    connect(m_infoBar, &InfoBar::inputRefused, this, [this](const QString& why) { statusBar()->showMessage(why, 5000); });
}

void CMainFrame::startTimers()
{
    m_slideTimer = new QTimer(this);
    m_slideTimer->setSingleShot(true); // the tick re-arms it with the current interval
    connect(m_slideTimer, &QTimer::timeout, this, [this] {
        slideShowTick(m_state, *this);
        updateCommandStates();
    });

    connect(m_mdi, &QMdiArea::subWindowActivated, this, [this] { updateCommandStates(); });
    for (QMenu* menu : menuBar()->findChildren<QMenu*>())
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::updateCommandStates);
    connect(m_commands->windowMenu(), &QMenu::aboutToShow, this, &CMainFrame::rebuildWindowMenu);
    m_idleUpdate = new QTimer(this);
    connect(m_idleUpdate, &QTimer::timeout, this, &CMainFrame::updateCommandStates);
    m_idleUpdate->start(kIdleUpdateMs);
}

CMainFrame::~CMainFrame()
{
    // The album windows go with the base class, after the members they would notify.
    disconnect(m_mdi, nullptr, this, nullptr);
    m_idleUpdate->stop();
}

WindowState CMainFrame::windowState() const
{
    const AlbumTable& t = *m_state.albums;
    WindowState s = windowStateOf(t.working, t.openCount, t.openCount > 0 && m_documents->activeFrame() != nullptr);
    s.slide = m_state.slideShow.state;
    s.clipboardFilled = m_state.selection.clipboardFilled && !m_state.selection.clipboard.empty();
    return s;
}

void CMainFrame::updateCommandStates()
{
    m_commands->applyEnabling(windowState());
    refreshWindowTitles();
}

// Edits reach the album table from many places; the titles catch up here,
// after every command and on the idle tick.
void CMainFrame::refreshWindowTitles()
{
    for (QMdiSubWindow* sub : m_mdi->subWindowList()) {
        if (auto* frame = qobject_cast<CChildFrame*>(sub))
            frame->refreshTitle();
    }
}

bool CMainFrame::handleCommand(int id)
{
    if (!isCommandEnabled(id, windowState()))
        return false;
    bool done = runApplicationCommand(id);
    if (!done) {
        if (CChildFrame* frame = m_documents->activeFrame()) {
            done = frame->handleCommand(id);
            if (!done && frame->pageView())
                done = frame->pageView()->handleCommand(id);
        }
    }
    updateCommandStates();
    return done;
}

bool CMainFrame::runApplicationCommand(int id)
{
    if (id >= cmd::kRecentFirst && id <= cmd::kRecentLast) {
        m_documents->openRecent(id);
        return true;
    }
    switch (id) {
    case cmd::kNewAlbum: m_documents->newAlbum(); return true;
    case cmd::kOpenAlbum: m_documents->openWithDialog(); return true;
    case cmd::kSave: m_documents->save(); return true;
    case cmd::kSaveAs: m_documents->saveAs(); return true;
    case cmd::kExit: close(); return true;
    case cmd::kCascade: cascade(*m_mdi); return true;
    case cmd::kTile: tileSideBySide(*m_mdi); return true;
    case cmd::kArrangeIcons: arrangeIcons(*m_mdi); return true;
    case cmd::kPrintSetup: setUpPrinter(); return true;
    case cmd::kViewToolbar: m_commands->toolBar()->setVisible(m_commands->action(id)->isChecked()); return true;
    case cmd::kViewStatusBar: statusBar()->setVisible(m_commands->action(id)->isChecked()); return true;
    case cmd::kManual: openManual(); return true;
    case cmd::kAbout: AboutDialog(this).exec(); return true;
    case cmd::kSearch:
    case cmd::kSearchFromFile: {
        CChildFrame* frame = m_documents->activeFrame();
        runSearchCommand(m_state, *this, this, id, frame && frame->kind() == AlbumKind::Album ? frame : nullptr);
        return true;
    }
    case cmd::kOptions: runOptionsSheet(m_state, *this, this); return true;
    default: return false;
    }
}

void CMainFrame::setUpPrinter()
{
    const PrintedPageSize before = printerPageMm(m_printer);
    if (!m_prompts->setUpPrinter(this, m_printer))
        return;
    const PrintedPageSize after = printerPageMm(m_printer);
    if (std::abs(after.width - before.width) > kMediaToleranceMm ||
        std::abs(after.height - before.height) > kMediaToleranceMm)
        m_printerPaperChosen = true;
}

void CMainFrame::openManual()
{
    const QString pdf = QString::fromStdString(m_state.programFolder) + QStringLiteral("/pictra.pdf");
    const bool exists = QFileInfo::exists(pdf);
    if (!exists || !QDesktopServices::openUrl(QUrl::fromLocalFile(pdf)))
        m_prompts->showMessage(this, manualNotShownMessage(pdf, exists));
}

void CMainFrame::rebuildRecentMenu()
{
    std::vector<std::pair<int, QString>> items;
    if (const auto list = loadRecentAlbumList(m_state.programFolder)) {
        for (const RecentMenuItem& item : recentMenuItems(*list, m_state.settings.recentCount))
            items.emplace_back(item.commandId, QString::fromStdString(item.text));
    }
    m_commands->setRecentItems(items);
}

void CMainFrame::rebuildWindowMenu()
{
    std::vector<OpenWindow> windows;
    QList<QPointer<QMdiSubWindow>> subs;
    for (QMdiSubWindow* sub : m_mdi->subWindowList()) {
        windows.push_back({sub->windowTitle().toStdString(), sub == m_mdi->activeSubWindow()});
        subs << sub;
    }
    m_commands->setWindowItems(windowMenuItems(windows), [this, subs](std::size_t i) {
        QMdiSubWindow* sub = subs.value(static_cast<qsizetype>(i));
        if (!sub)
            return;
        if (sub->isMinimized())
            sub->showNormal();
        m_mdi->setActiveSubWindow(sub);
        sub->raise();
        updateCommandStates();
    });
}

void CMainFrame::executeShellCommand(const QString& text)
{
    raise();
    activateWindow();
    if (const auto path = parseOpenCommand(text.toStdString()))
        m_documents->openAlbum(*path);
    updateCommandStates();
}

// AlbumWindowHost

QMdiArea& CMainFrame::mdiArea() { return *m_mdi; }

UserPrompts& CMainFrame::prompts() { return *m_prompts; }

void CMainFrame::showNavigationTip(QWidget* view, const QString& text) { m_tip->show(view, text); }

void CMainFrame::hideNavigationTip() { m_tip->hide(); }

void CMainFrame::relayNavigationTip(QWidget* view, const QPoint& globalPos) { m_tip->relay(view, globalPos); }

void CMainFrame::startSlideTimer(int intervalMs) { m_slideTimer->start(intervalMs); }

void CMainFrame::stopSlideTimer() { m_slideTimer->stop(); }

void CMainFrame::refreshInfoBar()
{
    m_infoBar->refresh(sharedRecord(m_state));
    updateCommandStates();
}

void CMainFrame::reportProgress(int, int) { QCoreApplication::processEvents(); }

void CMainFrame::bringToTop(CChildFrame& frame)
{
    m_mdi->setActiveSubWindow(&frame);
    frame.raise();
}

// Window events

bool CMainFrame::saveAlbum(CChildFrame& frame)
{
    bringToTop(frame);
    frame.makeCurrent();
    const bool saved = m_documents->save();
    updateCommandStates();
    return saved;
}

bool CMainFrame::mayExit()
{
    AlbumTable& table = *m_state.albums;
    const std::vector<std::uint64_t> changed = changedAlbumWindows(table);
    if (changed.empty())
        return m_prompts->askYesNo(this, QString::fromUtf8(kExitQuestion));
    std::vector<std::uint64_t> discarded;
    for (const std::uint64_t view : changed) {
        CChildFrame* frame = CChildFrame::find(*m_mdi, view);
        const AlbumRecord* rec = windowRecord(table, view);
        if (!frame || !rec)
            continue;
        bringToTop(*frame); // the user sees the album the question is about
        switch (m_prompts->askYesNoCancel(this, saveChangesQuestion(QString::fromStdString(albumFilePath(*rec))))) {
        case YesNoCancel::Yes:
            if (!saveAlbum(*frame))
                return false; // a failed or cancelled save keeps the album and the program open
            break;
        case YesNoCancel::No: discarded.push_back(view); break;
        case YesNoCancel::Cancel: return false;
        }
    }
    // Only now: an exit stopped at a later album keeps these albums' changes marked.
    for (const std::uint64_t view : discarded)
        markWindowSaved(table, view);
    return true;
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (!m_exited && !mayExit()) {
        event->ignore();
        return;
    }
    runExitSteps();
    event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    std::vector<std::string> paths;
    for (const QUrl& url : event->mimeData()->urls()) {
        // Folders are skipped, whatever their names end with.
        if (url.isLocalFile() && !QFileInfo(url.toLocalFile()).isDir())
            paths.push_back(url.toLocalFile().toStdString());
    }
    event->acceptProposedAction();
    m_drops->dropFiles(paths);
    updateCommandStates();
}

} // namespace pictra::ui
