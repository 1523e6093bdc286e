// Appending dropped images and opening dropped albums.
#include "ui/mainframe/drop_handler.h"

#include "core/album/album_room.h"
#include "core/album/file_name_list.h"
#include "core/album/store_copy.h"
#include "core/album/store_name_clash.h"
#include "core/app/app_state.h"
#include "core/commands/dropped_files.h"
#include "core/image/shared_image.h"
#include "core/image_io/image_file_io.h"
#include "core/util/fixed_text.h"
#include "core/util/paths.h"
#include "ui/albumwindow/album_window_host.h"
#include "ui/albumwindow/c_child_frame.h"
#include "ui/dialogs/added_images_check.h"
#include "ui/dialogs/duplicate_prompt.h"
#include "ui/dialogs/status_messages.h"
#include "ui/dialogs/store_copy_runner.h"
#include "ui/dialogs/store_name_clash_prompt.h"
#include "ui/mainframe/album_documents.h"
#include "ui/prompts/user_prompts.h"

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
    const AlbumRecord& w = m_state.albums->working;
    const auto offered = offeredAfterDuplicateCheck(m_state, m_host.prompts(), m_window, w, images);
    if (!offered)
        return;
    StoreCopyBatch batch;
    batch.programFolder = m_state.programFolder;
    batch.albumPath = std::string(fieldText(w.path));
    batch.jpeg = jpegSaveOptions(m_state.settings);
    batch.bufferCap = imageBufferBytes(m_state.settings);
    std::vector<std::string> clashing;
    const std::span<const ImageEntry> entries(w.images.data(), static_cast<std::size_t>(w.imageCount));
    for (const std::string& image : *offered) {
        // A second image with the same file name would overwrite the first one's store copy.
        if (storeNameOwner(entries, batch.sources, image))
            clashing.push_back(image);
        else
            batch.sources.push_back(image);
    }
    // Images the album has no room for get no store copy either.
    const RoomCut cut = cutToRoom(w.imageCount, batch.sources.size());
    batch.sources.resize(cut.kept);
    const auto tellLeftOut = [&] {
        if (cut.leftOut > 0)
            m_host.prompts().showMessage(m_window, albumFullMessage(static_cast<int>(cut.leftOut)));
    };
    if (!addOthersPastStoreNameClashes(m_host.prompts(), m_window, clashing, !batch.sources.empty())) {
        if (batch.sources.empty())
            tellLeftOut();
        return;
    }
    const BatchResults results = runStoreCopies(batch, m_window);
    FileNameList accepted;
    for (const std::string& image : imagesToAdd(m_host.prompts(), m_window, batch.sources, results))
        accepted.add(image);
    if (!accepted.empty())
        frame->appendImages(accepted);
    tellLeftOut();
}

} // namespace pictra::ui
