// CToolDialog: "変更", "追加" and "開く". The result is kept only after its
// scratch file has been read back and found to be exactly the result; the
// user's files are replaced through a temporary file and a rename.
#include "ui/tools/c_tool_dialog.h"

#include "core/album/album_changes.h"
#include "core/album/album_room.h"
#include "core/album/cell_picture.h"
#include "core/album/store_copy.h"
#include "core/app/app_state.h"
#include "core/fileops/repoint_entries.h"
#include "core/image/image_format.h"
#include "core/image_io/image_file_io.h"
#include "core/tools/image_tool.h"
#include "core/tools/picture_replacement.h"
#include "core/tools/tool_album.h"
#include "core/tools/tool_pipeline.h"
#include "core/util/file_io.h"
#include "core/util/paths.h"
#include "ui/albumwindow/picture_loading.h"
#include "ui/dialogs/image_file_filter.h"
#include "ui/dialogs/status_messages.h"
#include "ui/prompts/user_prompts.h"
#include "ui/tools/tool_messages.h"
#include "ui/tools/tool_session.h"

#include <QApplication>

namespace pictra::ui {
namespace {

QString qs(const std::string& text) { return QString::fromStdString(text); }

} // namespace

bool CToolDialog::resultReadBack()
{
    const std::string scratch = toolScratchPath(m_context.state.programFolder, m_tool);
    if (m_hasResult && readScratchBack(scratch, m_result->record(), sharedRecord(m_context.state)) == Status::Ok)
        return true;
    m_context.prompts.showMessage(this, QStringLiteral("編集後の画像を確かめられませんでした。元の画像は変更されていません。"));
    return false;
}

std::optional<std::string> CToolDialog::changeTarget()
{
    const std::string& source = m_context.sourcePath;
    if (saveFormatOf(source) != ImageFormat::Unknown)
        return source;
    const AlbumTable& table = *m_context.state.albums;
    // A name of no file, and whose store copy no other picture of an open album owns.
    const std::optional<std::string> beside = jpegBesidePath(source, [&](const std::string& candidate) {
        return fileExists(candidate) || storeCopyRenameClash(table, source, candidate).has_value();
    });
    if (!beside) {
        m_context.prompts.showMessage(this, noJpegBesideMessage(qs(source)));
        return std::nullopt;
    }
    if (!m_context.prompts.askYesNo(this, jpegBesideQuestion(qs(std::string(fileNamePart(source))),
                                                             qs(std::string(fileNamePart(*beside))))))
        return std::nullopt;
    return beside;
}

bool CToolDialog::replaceSource(ImageRecord& picture, const std::string& target)
{
    const std::string& path = m_context.sourcePath;
    ImageFileIO io(jpegSaveOptions(m_context.state.settings));
    if (target == path && saveFormatOf(path) == ImageFormat::Jpeg && !movesPixelsOnly(m_edit) &&
        !toolSession().reencodeConfirmed) {
        if (!m_context.prompts.askYesNo(this, reencodeSourceQuestion()))
            return false;
        toolSession().reencodeConfirmed = true;
    }
    const auto written = writeEditedPicture(io, m_edit, picture, path, target, [this] {
        return m_context.prompts.askYesNo(this, reencodeTurnQuestion());
    });
    if (!written) {
        m_context.prompts.showMessage(this, pictureSaveFailureMessage(qs(target), written.status()));
        return false;
    }
    return *written != EditWriting::Declined;
}

bool CToolDialog::renewStoreCopy(ImageRecord& picture, int slot, const std::string& imagePath, const QString& failure)
{
    if (slot < 0)
        return true;
    const AlbumRecord& album = m_context.state.albums->windowSlots[static_cast<std::size_t>(slot)];
    ImageFileIO io(jpegSaveOptions(m_context.state.settings));
    if (replaceStoreCopy(io, picture, m_context.state.programFolder, albumFilePath(album), imagePath) != Status::Ok) {
        m_context.prompts.showMessage(this, failure.isEmpty() ? QStringLiteral("アルバムの縮小画像を更新できませんでした。")
                                                              : failure);
        return false;
    }
    markWindowChanged(*m_context.state.albums, album.viewId); // the album file still holds the old picture
    return true;
}

void CToolDialog::keepByChange()
{
    if (!resultReadBack())
        return;
    ImageRecord& picture = sharedRecord(m_context.state);
    const std::optional<std::string> target = changeTarget();
    if (!target || !replaceSource(picture, *target))
        return;
    AlbumTable& table = *m_context.state.albums;
    const std::string source = m_context.sourcePath;
    const int slot = sourceAlbumSlot(table, m_context.rememberedAlbumSlot, source);
    const std::vector<int> listing = albumSlotsListingFile(table, source);
    // A JPEG kept beside the source takes its place in every album (each then to be saved).
    if (*target != source)
        (void)repointEntries(table, m_context.state.selection, source, *target); // the albums listing it were found above
    renewStoreCopy(picture, slot, *target);
    // The other open albums that list the file show the new picture too, and
    // ask to be saved with it.
    for (const int other : listing) {
        if (other != slot)
            renewStoreCopy(picture, other, *target);
    }
    removeScratch();
    m_outcome = ToolOutcome::Changed;
    accept();
}

void CToolDialog::keepByAdding()
{
    const QString folder = qs(std::string(folderPart(m_context.sourcePath)));
    const QString chosen = m_context.prompts.saveFileName(this, QStringLiteral("名前を付けて保存"),
                                                          folder + QLatin1Char('/'), writableImageFileFilter());
    if (chosen.isEmpty())
        return;
    const std::string path = addedFilePath(chosen.toStdString());
    if (path.size() >= kPathBytes) {
        m_context.prompts.showMessage(this, qs(path) + QStringLiteral("\nファイル名が長すぎます。"));
        return;
    }
    if (fileExists(path) &&
        !m_context.prompts.askYesNo(this, overwriteQuestion(qs(path))))
        return;
    const AlbumTable& table = *m_context.state.albums;
    const int slot = sourceAlbumSlot(table, m_context.rememberedAlbumSlot, m_context.sourcePath);
    if (slot >= 0) {
        const AlbumRecord& album = table.windowSlots[static_cast<std::size_t>(slot)];
        if (const RoomCut cut = cutToRoom(album.imageCount, 1); cut.leftOut > 0) {
            m_context.prompts.showMessage(this, albumFullMessage(static_cast<int>(cut.leftOut)));
            return;
        }
        const auto entries = std::span(album.images).first(static_cast<std::size_t>(album.imageCount));
        if (const std::optional<std::string> owner = storeNameClash(entries, path)) {
            m_context.prompts.showMessage(this, storeNameClashMessage({path}, StoreNameClashAct::Add));
            return;
        }
    }
    if (!resultReadBack())
        return;
    ImageRecord& picture = sharedRecord(m_context.state);
    ImageFileIO io(jpegSaveOptions(m_context.state.settings));
    // A new file has no original to spare, so a turn that cannot be lossless is simply re-encoded.
    const auto written = writeEditedPicture(io, m_edit, picture, m_context.sourcePath, path, [] { return true; });
    if (!written) {
        m_context.prompts.showMessage(this, pictureSaveFailureMessage(qs(path), written.status()));
        return;
    }
    // Without its store copy the new picture would be saved in the album
    // without a picture: like every other add, it stays out of the album.
    const bool stored = renewStoreCopy(
        picture, slot, path, qs(path) + QStringLiteral("\nに保存しましたが、アルバム用の縮小画像を作れないため、アルバムには追加していません。"));
    removeScratch();
    m_toolPath = path;
    m_addedSlot = stored ? slot : -1;
    m_outcome = ToolOutcome::Added;
    accept();
}

void CToolDialog::keepByOpening()
{
    if (!resultReadBack())
        return;
    const std::string scratch = toolScratchPath(m_context.state.programFolder, m_tool);
    const std::string copy = toolOpenPath(m_context.state.programFolder, m_context.sourcePath, m_tool);
    auto bytes = readFile(scratch);
    const Status status = bytes ? writeFile(copy, *bytes) : bytes.status();
    if (status != Status::Ok) {
        m_context.prompts.showMessage(this, pictureSaveFailureMessage(qs(copy), status));
        return;
    }
    removeScratch();
    m_toolPath = copy;
    m_outcome = ToolOutcome::Opened;
    accept();
}

} // namespace pictra::ui
