// Handing the search results back.
#include "ui/search/search_hand_over.h"

#include "core/album/album_room.h"
#include "core/album/store_copy.h"
#include "core/album/store_name_clash.h"
#include "core/app/app_state.h"
#include "core/image/shared_image.h"
#include "core/image_io/image_file_io.h"
#include "core/search/search_files.h"
#include "core/util/fixed_text.h"
#include "core/util/paths.h"
#include "ui/dialogs/added_images_check.h"
#include "ui/dialogs/duplicate_prompt.h"
#include "ui/dialogs/status_messages.h"
#include "ui/dialogs/store_name_clash_prompt.h"
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
    const auto offered = offeredAfterDuplicateCheck(state, prompts, parent, album, paths);
    if (!offered)
        return {};
    std::vector<std::string> addable;
    std::vector<std::string> clashing;
    for (const std::string& path : *offered) {
        if (storeNameOwner(entries, addable, path))
            clashing.push_back(path);
        else
            addable.push_back(path);
    }
    // Images the album has no room for get no store copy either.
    const RoomCut cut = cutToRoom(album.imageCount, addable.size());
    addable.resize(cut.kept);
    const auto tellLeftOut = [&] {
        if (cut.leftOut > 0)
            prompts.showMessage(parent, albumFullMessage(static_cast<int>(cut.leftOut)));
    };
    if (!addOthersPastStoreNameClashes(prompts, parent, clashing, !addable.empty())) {
        if (addable.empty())
            tellLeftOut();
        return {};
    }
    ImageFileIO io(jpegSaveOptions(state.settings));
    std::unique_ptr<ImageBuffers> buffers;
    BatchResults results;
    for (const std::string& path : addable) {
        if (!buffers)
            makeSharedImage(buffers, state.settings);
        results.emplace_back(makeStoreCopy(io, buffers->record(), state.programFolder, albumPath, path));
    }
    // A picture without its store copy would be saved without a picture: like a drop, it is named and left out.
    std::vector<std::string> added = imagesToAdd(prompts, parent, addable, results);
    tellLeftOut();
    return added;
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
