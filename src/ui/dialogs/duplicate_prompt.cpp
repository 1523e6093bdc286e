// Asking about pictures an add would repeat.
#include "ui/dialogs/duplicate_prompt.h"

#include "core/album/cell_picture.h"
#include "core/album/image_entry.h"
#include "core/recognise/offered_duplicates.h"
#include "core/image/shared_image.h"
#include "core/app/app_state.h"
#include "ui/dialogs/duplicate_messages.h"
#include "ui/prompts/user_prompts.h"

#include <algorithm>

namespace pictra::ui {

namespace {

std::vector<std::string> imagePaths(const AlbumRecord& album)
{
    std::vector<std::string> paths;
    for (int i = 0; i < std::clamp(album.imageCount, 0, kMaxAlbumImages); ++i)
        paths.push_back(imageFilePath(album.images[static_cast<std::size_t>(i)]));
    return paths;
}

// The repeats to leave out of `offered`: none when there are none or the
// user answers はい, all for いいえ, nullopt for ｷｬﾝｾﾙ.
std::optional<std::vector<DuplicatePicture>> repeatsToLeaveOut(AppState& state, UserPrompts& prompts, QWidget* parent,
                                                               std::string_view albumPath,
                                                               std::span<const std::string> albumImages,
                                                               std::span<const std::string> offered)
{
    const AlbumPictures album{state.programFolder, albumPath, albumImages};
    std::vector<DuplicatePicture> duplicates =
        findOfferedDuplicates(album, offered, state.storeCopyContents, imageBufferBytes(state.settings));
    if (duplicates.empty())
        return duplicates;
    switch (prompts.askYesNoCancel(parent, duplicatePicturesQuestion(offered, duplicates))) {
    case YesNoCancel::Yes: return std::vector<DuplicatePicture>{};
    case YesNoCancel::No: return duplicates;
    case YesNoCancel::Cancel: break;
    }
    return std::nullopt;
}

} // namespace

std::optional<std::vector<std::string>> offeredAfterDuplicateCheck(AppState& state, UserPrompts& prompts,
                                                                  QWidget* parent, std::string_view albumPath,
                                                                  std::span<const std::string> albumImages,
                                                                  const std::vector<std::string>& offered)
{
    const auto leaveOut = repeatsToLeaveOut(state, prompts, parent, albumPath, albumImages, offered);
    if (!leaveOut)
        return std::nullopt;
    return withoutDuplicates(std::span<const std::string>(offered), *leaveOut);
}

std::optional<std::vector<std::string>> offeredAfterDuplicateCheck(AppState& state, UserPrompts& prompts,
                                                                  QWidget* parent, const AlbumRecord& album,
                                                                  const std::vector<std::string>& offered)
{
    return offeredAfterDuplicateCheck(state, prompts, parent, albumFilePath(album), imagePaths(album), offered);
}

std::optional<std::vector<ImageEntry>> offeredAfterDuplicateCheck(AppState& state, UserPrompts& prompts,
                                                                 QWidget* parent, const AlbumRecord& album,
                                                                 std::span<const ImageEntry> offered)
{
    std::vector<std::string> paths;
    for (const ImageEntry& entry : offered)
        paths.push_back(imageFilePath(entry));
    const auto leaveOut = repeatsToLeaveOut(state, prompts, parent, albumFilePath(album), imagePaths(album), paths);
    if (!leaveOut)
        return std::nullopt;
    return withoutDuplicates(offered, *leaveOut);
}

} // namespace pictra::ui
