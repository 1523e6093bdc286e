// Handing the search results back.
#include "ui/search/search_hand_over.h"

#include "core/album/store_copy.h"
#include "core/album/store_name_clash.h"
#include "core/app/app_state.h"
#include "core/image/shared_image.h"
#include "core/image_io/image_file_io.h"
#include "core/search/search_files.h"
#include "core/util/fixed_text.h"
#include "core/util/paths.h"
#include "ui/dialogs/status_messages.h"
#include "ui/prompts/user_prompts.h"

#include <QString>

#include <memory>
#include <span>

namespace pictra::ui {

std::vector<std::string> addableWithStoreCopies(AppState& state, UserPrompts& prompts, QWidget* parent,
                                                const std::vector<std::string>& paths)
{
    AlbumRecord& album = state.albums->working;
    const std::string albumPath(fieldText(album.path));
    const std::span<const ImageEntry> entries(album.images.data(), static_cast<std::size_t>(album.imageCount));
    ImageFileIO io(jpegSaveOptions(state.settings));
    std::unique_ptr<ImageBuffers> buffers;
    std::vector<std::string> addable;
    int clashes = 0;
    for (const std::string& path : paths) {
        if (storeNameOwner(entries, addable, path)) {
            ++clashes;
            continue;
        }
        if (!buffers)
            makeSharedImage(buffers, state.settings);
        // A picture that cannot be reduced is still added; its cell shows the file itself.
        (void)makeStoreCopy(io, buffers->record(), state.programFolder, albumPath, path);
        addable.push_back(path);
    }
    if (clashes > 0)
        prompts.showMessage(parent, storeNameClashMessage(clashes));
    return addable;
}

bool writeHandOverFile(const std::string& programFolder, UserPrompts& prompts, QWidget* parent,
                       const std::vector<std::string>& paths)
{
    const auto report = writeSearchResults(programFolder, paths);
    if (!report) {
        prompts.showMessage(parent, QStringLiteral("検索結果を書き込めませんでした。"));
        return false;
    }
    QString leftOut;
    if (report->tooLong > 0)
        leftOut += QStringLiteral("パスが長すぎるファイル%1件は渡せませんでした。").arg(report->tooLong);
    if (report->beyondLimit > 0)
        leftOut += QStringLiteral("一度に渡せるのは%1件までです。%2件は渡せませんでした。")
                       .arg(kMaxFileNameListPaths)
                       .arg(report->beyondLimit);
    if (!leftOut.isEmpty())
        prompts.showMessage(parent, leftOut);
    return true;
}

} // namespace pictra::ui
