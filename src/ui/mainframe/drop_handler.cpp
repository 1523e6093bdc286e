// Appending dropped images and opening dropped albums.
#include "ui/mainframe/drop_handler.h"

#include "app/app_state.h"
#include "core/album/file_name_list.h"
#include "core/album/store_copy.h"
#include "core/album/store_name_clash.h"
#include "core/commands/dropped_files.h"
#include "core/image/image_file_io.h"
#include "core/util/fixed_text.h"
#include "core/util/paths.h"
#include "ui/albumwindow/album_window_host.h"
#include "ui/albumwindow/c_child_frame.h"
#include "ui/albumwindow/picture_loading.h"
#include "ui/dialogs/compress_progress_dialog.h"
#include "ui/mainframe/album_documents.h"
#include "ui/dialogs/status_messages.h"
#include "ui/prompts/user_prompts.h"

#include <QCoreApplication>

#include <span>

namespace pictra::ui {

DropHandler::DropHandler(AppState& state, AlbumWindowHost& host, AlbumDocuments& documents, QWidget* window)
    : m_state(state), m_host(host), m_documents(documents), m_window(window)
{
}

void DropHandler::dropFiles(const std::vector<std::string>& paths)
{
    m_window->raise();
    m_window->activateWindow();
    const AlbumTable& t = *m_state.albums;
    if (t.openCount > 0 && t.working.kind != AlbumKind::Album)
        return;
    const DroppedFiles dropped = sortDroppedFiles(paths);
    if (!dropped.images.empty())
        addImages(dropped.images);
    for (const std::string& album : dropped.albums)
        m_documents.openAlbum(album);
    if (dropped.skippedImages > 0)
        m_host.prompts().showMessage(
            m_window, QStringLiteral("一度に追加できるイメージは%1枚までです。%2枚は追加されませんでした。")
                          .arg(kMaxDroppedImages)
                          .arg(dropped.skippedImages));
}

void DropHandler::addImages(const std::vector<std::string>& images)
{
    if (m_state.albums->openCount == 0 && !m_documents.newAlbum())
        return;
    CChildFrame* frame = m_documents.activeFrame();
    if (!frame)
        return;
    AlbumRecord& w = m_state.albums->working;
    const std::string albumPath(fieldText(w.path));
    ImageFileIO io(jpegSaveOptions(m_state.settings));
    ImageRecord& record = sharedRecord(m_state);

    CompressProgressDialog progress(static_cast<int>(images.size()), m_window);
    progress.show();
    FileNameList accepted;
    int clashes = 0;
    for (const std::string& image : images) {
        QCoreApplication::processEvents();
        const std::span<const ImageEntry> entries(w.images.data(), static_cast<std::size_t>(w.imageCount));
        // A second image with the same file name would overwrite the first one's store copy.
        if (storeNameOwner(entries, accepted.paths(), image)) {
            ++clashes;
        } else {
            (void)makeStoreCopy(io, record, m_state.programFolder, albumPath, image);
            accepted.add(image);
        }
        progress.step(QString::fromStdString(image));
    }
    if (!accepted.empty())
        frame->appendImages(accepted);
    progress.close();
    if (clashes > 0)
        m_host.prompts().showMessage(m_window, storeNameClashMessage(clashes));
}

} // namespace pictra::ui
