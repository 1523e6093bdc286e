// Cut, copy, paste and delete of album entries through the program's own
// image clipboard (the SelectionBlock). They change only the entry lists
// (and mark the album changed when they do);
// image files are never touched, store copies are the caller's business.
// After a cut or delete the focus moves to the nearest remaining image, so
// no command ever acts on a position past the last image.
#pragma once

#include "core/album/album_record.h"
#include "core/album/selection_block.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pictra {

// Copy: the selection list moves to the clipboard (filled flag set) and is
// emptied; `albumPath` is remembered as the clipboard's source. False (no
// change) without a focused image.
bool copySelection(const AlbumRecord& album, SelectionBlock& block);

// Cut: copy, and the selected images (of every page) leave the album. The
// focus goes to the image that followed the focused one, else to the new
// last image, none in an empty album. False (no change) without a focus.
bool cutSelection(AlbumRecord& album, SelectionBlock& block);

enum class PasteOutcome {
    Pasted,
    Nothing, // no filled clipboard
    NoRoom,  // the album cannot take all of it; nothing pasted, clipboard kept
};

struct PasteResult {
    PasteOutcome outcome = PasteOutcome::Nothing;
    int at = 0;    // album position of the first pasted entry
    int count = 0; // entries pasted
};

// Paste: the clipboard entries, with fresh identity stamps (from `tick`),
// go in front of the focused image, or in front of the last image without a
// focus, or make up an empty album. The whole block is cleared afterwards,
// so a clipboard pastes once. The focus stays where it was.
PasteResult pasteClipboard(AlbumRecord& album, SelectionBlock& block, std::uint32_t tick);

// Before a paste into `album`: the path of a clipboard image whose store
// copy name another file of the album (or an earlier clipboard image)
// already owns; pasting it would replace that picture. nullopt when none.
std::optional<std::string> pasteStoreNameClash(const AlbumRecord& album, const SelectionBlock& block);

// Delete of the focused image: later images move up; the selection becomes
// the image now in focus; an album left empty clears the whole block.
// Returns the removed position, or -1 without a focused image.
int deleteFocused(AlbumRecord& album, SelectionBlock& block);

// The question before a delete: 「a.jpg」を「trip.abm」ファイルから切り離します。
// (UTF-8; both arguments are file paths).
std::string detachQuestion(std::string_view imagePath, std::string_view albumPath);

} // namespace pictra
