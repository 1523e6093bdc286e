// CPictraView: opening an image tool on the shown picture and carrying out
// what the tool was closed with.
#include "ui/enlargedview/c_pictra_view.h"

#include "core/app/app_state.h"
#include "core/album/append_images.h"
#include "core/album/cell_picture.h"
#include "core/album/command_target.h"
#include "core/album/window_records.h"
#include "core/metadata/metadata_settings.h"
#include "core/util/fixed_text.h"
#include "core/util/paths.h"
#include "core/util/tick_count.h"
#include "ui/albumwindow/album_window_host.h"
#include "ui/albumwindow/c_child_frame.h"
#include "ui/albumwindow/c_view_pictra.h"
#include "ui/albumwindow/picture_loading.h"
#include "ui/albumwindow/special_window.h"
#include "ui/dialogs/metadata_messages.h"
#include "ui/dialogs/status_messages.h"
#include "ui/prompts/user_prompts.h"
#include "ui/tools/tool_dialog_factory.h"

#include <QMdiArea>

namespace pictra::ui {

bool CPictraView::launchTool(ImageTool tool)
{
    const AlbumRecord* rec = record();
    if (!rec)
        return false;
    const std::string path = picturePath();
    ToolContext context{m_state, m_host.prompts(), path, rec->currentPage};
    std::unique_ptr<CToolDialog> dialog = makeToolDialog(context, tool, this);
    if (!dialog->hasSource()) {
        m_host.prompts().showMessage(this, QString::fromStdString(path) +
                                               QStringLiteral("\nこの画像を読み込めないため、編集できません。"));
        return false;
    }
    dialog->exec();
    const ToolOutcome outcome = dialog->outcome();
    const std::string toolPath = dialog->toolPath();
    const int albumSlot = dialog->addedAlbumSlot();
    dialog.reset();
    if (outcome == ToolOutcome::Added)
        showAddedPicture(path, toolPath, albumSlot);
    else if (outcome == ToolOutcome::Opened)
        openToolResult(toolPath);
    if (outcome == ToolOutcome::Changed || outcome == ToolOutcome::Added)
        showEditedPicture();
    update();
    return true;
}

void CPictraView::showEditedPicture()
{
    // The album windows show the renewed store copy or the added picture.
    for (QMdiSubWindow* sub : m_host.mdiArea().subWindowList()) {
        auto* frame = qobject_cast<CChildFrame*>(sub);
        if (frame && frame->pageView()) {
            frame->pageView()->fillPageCombo();
            frame->pageView()->repaintPage();
        }
    }
    // The information bar tells the new size (変更) or the new file (追加).
    if (m_state.albums->working.viewId == m_viewId) {
        loadShared(m_state, picturePath());
        m_host.refreshInfoBar();
    }
}

void CPictraView::showAddedPicture(const std::string& oldPath, const std::string& newPath, int albumSlot)
{
    AlbumTable& table = *m_state.albums;
    // The old zoom stack belongs to the old picture.
    std::remove(zoomStackFile().c_str());
    setZoom({});
    editWindowRecords(table, m_viewId, [&newPath](AlbumRecord& r) {
        (void)setFieldText(r.path, newPath); // cannot cut: the tool refused longer names
        (void)setFieldText(r.images[0].path, newPath); // as above
    });
    m_frame.setWindowTitle(QString::fromStdString(BaseName(newPath) + "." + std::string(extensionOf(newPath))));
    if (albumSlot < 0 || albumSlot >= table.openCount)
        return;
    AlbumRecord& album = table.windowSlots[static_cast<std::size_t>(albumSlot)];
    if (album.kind != AlbumKind::Album || oldPath.empty())
        return;
    FileNameList list;
    if (!list.add(newPath))
        return;
    const auto appended = appendImages(album, list, tickCount(), EntryTexts::Clear, newEntryFill(m_state.programFolder));
    if (!appended) {
        m_host.prompts().showMessage(this, albumFullMessage(list.count()));
        return;
    }
    settleFocus(album);
    if (!appended->shortenedTexts.empty())
        m_host.prompts().showMessage(this, shortenedTextsMessage(imageFilePaths(album, appended->shortenedTexts)));
}

void CPictraView::openToolResult(const std::string& path)
{
    ImageEntry entry{};
    if (!setFieldText(entry.path, path))
        return;
    if (!openSpecialWindow(m_state, m_host, AlbumKind::SingleImage, entry))
        m_host.prompts().showMessage(this, QStringLiteral("これ以上ウインドウを開けません。"));
}

} // namespace pictra::ui
