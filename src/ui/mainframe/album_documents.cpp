// New, open, save and save-as of albums.
#include "ui/mainframe/album_documents.h"

#include "core/album/album_changes.h"
#include "core/album/album_head_read.h"
#include "core/album/album_changes.h"
#include "core/album/album_previews.h"
#include "core/album/album_read.h"
#include "core/album/album_write.h"
#include "core/album/window_slots.h"
#include "core/commands/command_ids.h"
#include "core/app/app_state.h"
#include "core/document/album_names.h"
#include "core/image/image_format.h"
#include "core/platform/program_paths.h"
#include "core/recovery/recovery_copies.h"
#include "core/settings/last_used_folder.h"
#include "core/settings/recent_album_list.h"
#include "core/util/cp932.h"
#include "core/util/file_io.h"
#include "core/util/fixed_text.h"
#include "core/util/paths.h"
#include "core/util/program_subfolders.h"
#include "core/util/tick_count.h"
#include "ui/albumwindow/album_window_host.h"
#include "ui/albumwindow/c_child_frame.h"
#include "ui/albumwindow/c_view_pictra.h"
#include "ui/albumwindow/error_log_dialog.h"
#include "ui/albumwindow/special_window.h"
#include "ui/dialogs/status_messages.h"
#include "ui/dialogs/wait_cursor.h"
#include "ui/prompts/user_prompts.h"

#include <QFileInfo>
#include <QMdiArea>
#include <QPointer>

#include <algorithm>

namespace pictra::ui {

namespace {

const QString kAlbumFilter = QStringLiteral("ABMﾌｧｲﾙ (*.abm *.ABM)");

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

std::string pathOf(const AlbumRecord& record) { return std::string(fieldText(record.path)); }

// Columns or rows of a new album: the low byte of the setting, at least 1.
std::uint8_t layoutCount(std::int16_t setting)
{
    const auto low = static_cast<std::uint8_t>(setting & 0xFF);
    return low == 0 ? 1 : low;
}

} // namespace

AlbumDocuments::AlbumDocuments(AppState& state, AlbumWindowHost& host, QWidget* window,
                               std::function<void()> recentChanged)
    : m_state(state), m_host(host), m_window(window), m_recentChanged(std::move(recentChanged))
{
}

std::vector<std::string> AlbumDocuments::openAlbumPaths() const
{
    std::vector<std::string> paths;
    const AlbumTable& t = *m_state.albums;
    for (int i = 0; i < t.openCount; ++i) {
        if (t.windowSlots[static_cast<std::size_t>(i)].kind == AlbumKind::Album)
            paths.push_back(pathOf(t.windowSlots[static_cast<std::size_t>(i)]));
    }
    return paths;
}

CChildFrame* AlbumDocuments::frameOfSlot(int slot) const
{
    return CChildFrame::find(m_host.mdiArea(), m_state.albums->windowSlots[static_cast<std::size_t>(slot)].viewId);
}

CChildFrame* AlbumDocuments::activeFrame() const
{
    const std::uint64_t view = m_state.albums->working.viewId;
    return view == 0 ? nullptr : CChildFrame::find(m_host.mdiArea(), view);
}

CChildFrame* AlbumDocuments::newAlbum()
{
    AlbumTable& t = *m_state.albums;
    const std::string path = untitledAlbumPath(m_state.programFolder, t.openCount, openAlbumPaths());
    if (!prepareNewAlbum(t, path, layoutCount(m_state.settings.columns), layoutCount(m_state.settings.rows)))
        return nullptr;
    auto* frame = new CChildFrame(m_state, m_host, AlbumKind::Album);
    if (m_state.settings.childMaximized == 1)
        frame->showMaximized();
    else
        frame->show();
    makeFolders(StoreFolder(m_state.programFolder, path));
    return frame;
}

bool AlbumDocuments::openAlbum(const std::string& path)
{
    // "Open with" hands over pictures too: each shows in a single-image window.
    if (!endsWithIgnoreCase(path, ".abm") && loadFormatOf(path) != ImageFormat::Unknown && fileExists(path)) {
        ImageEntry entry;
        return setFieldText(entry.path, path) &&
               openSpecialWindow(m_state, m_host, AlbumKind::SingleImage, entry) != nullptr;
    }
    AlbumTable& t = *m_state.albums;
    for (int i = 0; i < t.openCount; ++i) {
        if (pathOf(t.windowSlots[static_cast<std::size_t>(i)]) == path) {
            if (CChildFrame* frame = frameOfSlot(i))
                m_host.bringToTop(*frame);
            return true;
        }
    }
    // With ten windows open the album is not read at all: the active window holds another album.
    if (t.openCount >= kMaxAlbumWindows)
        return false;
    if (sharesStoreFolder(path, openAlbumPaths())) {
        m_host.prompts().showMessage(m_window, storeFolderClashMessage(qs(path)));
        return false;
    }
    // A file that is not an album (or a damaged one) is refused before any
    // window is made for it.
    if (const auto head = readAlbumEntries(path); !head) {
        m_host.prompts().showMessage(m_window, readFailureMessage(qs(path), head.status()));
        return false;
    }
    CChildFrame* target = activeFrame();
    // An emptied album that is still to be saved keeps its window.
    const bool reuse =
        target && t.working.kind == AlbumKind::Album && t.working.imageCount == 0 && !albumChanged(t.working);
    if (!reuse)
        target = newAlbum();
    if (!target)
        return false;
    if (const Status read = readInto(*target, path, path); read != Status::Ok) {
        m_host.prompts().showMessage(m_window, readFailureMessage(qs(path), read));
        if (!reuse)
            target->close(); // the window made for the album goes again
        return false;
    }
    return true;
}

Status AlbumDocuments::readInto(CChildFrame& frame, const std::string& path, const std::string& source)
{
    AlbumTable& t = *m_state.albums;
    const auto read = readAlbumFrom(t, m_state.programFolder, source, path, tickCount());
    if (!read)
        return read.status();
    frame.refreshTitle();
    if (CViewPictra* view = frame.pageView())
        view->showAppended(); // draws the first page and focuses its first image
    if (!read->missingSources.empty()) {
        QPointer<CChildFrame> target(&frame);
        auto* log = new ErrorLogDialog(path, read->missingSources.paths(), &frame, [target] {
            if (target)
                target->handleCommand(cmd::kRelink);
        });
        log->setAttribute(Qt::WA_DeleteOnClose);
        log->open();
    }
    return Status::Ok;
}

Status AlbumDocuments::restoreAlbum(const std::string& copyFile, const std::string& albumPath)
{
    CChildFrame* frame = newAlbum();
    if (!frame)
        return Status::InvalidArgument;
    if (const Status read = readInto(*frame, albumPath, copyFile); read != Status::Ok) {
        frame->close();
        return read;
    }
    AlbumTable& t = *m_state.albums;
    markWindowChanged(t, t.working.viewId);
    frame->refreshTitle();
    return Status::Ok;
}

void AlbumDocuments::openWithDialog()
{
    if (m_state.albums->openCount >= kMaxAlbumWindows)
        return;
    const auto folders = loadLastUsedFolder(m_state.programFolder);
    const QString start = folders ? qs(fieldText(folders->albumFolder)) : qs(joinPath(m_state.programFolder, kUserFolder));
    const QString chosen =
        m_host.prompts().openAlbumFileName(m_window, QStringLiteral("開く"), start, kAlbumFilter,
                                           tempFilePath(m_state.programFolder, kAlbumPreviewFolder));
    if (chosen.isEmpty())
        return;
    const std::string path = chosen.toStdString();
    const std::vector<std::string> open = openAlbumPaths();
    const bool alreadyOpen = std::find(open.begin(), open.end(), path) != open.end();
    if (!openAlbum(path) || alreadyOpen)
        return;
    rememberAlbumFolder(path);
    (void)AddRecentAlbum(m_state.programFolder, path); // only the recent menu misses it
    m_recentChanged();
}

void AlbumDocuments::openRecent(int k)
{
    if (m_state.albums->openCount >= kMaxAlbumWindows)
        return;
    const auto list = loadRecentAlbumList(m_state.programFolder);
    if (!list)
        return;
    if (const auto path = recentAlbumForCommand(*list, k))
        openAlbum(*path);
}

bool AlbumDocuments::save()
{
    const AlbumRecord& w = m_state.albums->working;
    CChildFrame* frame = activeFrame();
    if (w.kind != AlbumKind::Album || !frame)
        return false;
    const std::string path = pathOf(w);
    if (isUntitledAlbum(path))
        return saveAs();
    const bool saved = writeTo(path, path);
    frame->refreshTitle();
    return saved;
}

bool AlbumDocuments::saveAs()
{
    AlbumTable& t = *m_state.albums;
    CChildFrame* frame = activeFrame();
    if (t.working.kind != AlbumKind::Album || !frame)
        return false;
    const QString chosen = askSavePath();
    if (chosen.isEmpty())
        return false;
    const std::string newPath = chosen.toStdString();
    const std::string oldPath = pathOf(t.working);
    std::vector<std::string> others = openAlbumPaths();
    others.erase(std::remove(others.begin(), others.end(), oldPath), others.end());
    if (sharesStoreFolder(newPath, others)) {
        m_host.prompts().showMessage(m_window, storeFolderClashMessage(chosen));
        return false;
    }
    // Written first: a failed save leaves the window under its old name.
    if (!writeTo(newPath, oldPath))
        return false;
    renameWorkingAlbum(t, newPath);
    frame->refreshTitle();
    rememberAlbumFolder(newPath);
    (void)AddRecentAlbum(m_state.programFolder, newPath); // only the recent menu misses it
    m_recentChanged();
    return true;
}

QString AlbumDocuments::askSavePath()
{
    const auto folders = loadLastUsedFolder(m_state.programFolder);
    const std::string folder = folders ? std::string(fieldText(folders->albumFolder))
                                       : joinPath(m_state.programFolder, kUserFolder);
    const std::string suggestion = joinPath(folder, fileNamePart(pathOf(m_state.albums->working)));
    QString chosen = m_host.prompts().saveFileName(m_window, QStringLiteral("名前を付けて保存"), qs(suggestion), kAlbumFilter);
    if (chosen.isEmpty())
        return {};
    if (QFileInfo(chosen).suffix().isEmpty())
        chosen += QStringLiteral(".abm");
    if (QFileInfo::exists(chosen) &&
        !m_host.prompts().askYesNo(m_window, overwriteQuestion(chosen)))
        return {};
    return chosen;
}

bool AlbumDocuments::writeTo(const std::string& target, const std::string& storePath)
{
    const AlbumRecord& album = m_state.albums->working;
    if (const std::vector<int> missing = entriesWithoutStoreCopy(album, m_state.programFolder, storePath); !missing.empty()) {
        std::vector<std::string> names;
        for (const int i : missing)
            names.push_back(storedPathToUtf8(fieldText(album.images[static_cast<std::size_t>(i)].path)));
        if (!m_host.prompts().askYesNo(m_window, missingStoreCopiesQuestion(names)))
            return false;
    }
    const WaitCursor wait;
    const auto written = saveWorkingAlbum(*m_state.albums, m_state.programFolder, target, storePath);
    if (!written) {
        m_host.prompts().showMessage(m_window, saveFailureMessage(qs(target), written.status()));
        return false;
    }
    removeRecoveryCopy(m_state.programFolder, storePath); // the file holds the changes now
    return true;
}

void AlbumDocuments::rememberAlbumFolder(const std::string& path)
{
    auto folders = loadLastUsedFolder(m_state.programFolder);
    LastUsedFolder updated = folders ? *folders : LastUsedFolder{};
    setFieldText(updated.albumFolder, folderWithSeparator(path));
    (void)saveLastUsedFolder(m_state.programFolder, updated); // only the remembered folder is lost
}

} // namespace pictra::ui
