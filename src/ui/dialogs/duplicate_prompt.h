// Every add (insert, drop, paste, search and scan "追加") hears here, before
// anything is copied, which of its pictures the album already holds, and
// the user chooses whether they go in again.
#pragma once

#include "core/album/album_record.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class QWidget;

namespace pictra {
struct AppState;
}

namespace pictra::ui {

class UserPrompts;

// The pictures an add goes on with: `offered` itself when none repeats a
// picture of the album (`albumPath` holding `albumImages`) or an earlier
// offered one, or when the user answers はい; without the repeats for いいえ;
// nullopt for ｷｬﾝｾﾙ (nothing is to be added).
std::optional<std::vector<std::string>> offeredAfterDuplicateCheck(AppState& state, UserPrompts& prompts,
                                                                  QWidget* parent, std::string_view albumPath,
                                                                  std::span<const std::string> albumImages,
                                                                  const std::vector<std::string>& offered);

// The same for the album `album`'s own entries.
std::optional<std::vector<std::string>> offeredAfterDuplicateCheck(AppState& state, UserPrompts& prompts,
                                                                  QWidget* parent, const AlbumRecord& album,
                                                                  const std::vector<std::string>& offered);

// The same for entries brought from another album or the clipboard.
std::optional<std::vector<ImageEntry>> offeredAfterDuplicateCheck(AppState& state, UserPrompts& prompts,
                                                                 QWidget* parent, const AlbumRecord& album,
                                                                 std::span<const ImageEntry> offered);

} // namespace pictra::ui
