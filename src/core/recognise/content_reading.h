// Reading picture contents for the duplicate guard: of picture files offered
// to an album (decoded only as large as the look needs, turned upright) and
// of an album's store copies, the latter remembered while each copy file
// keeps its length and modification time, so a second add to a large album
// decodes none of them again.
#pragma once

#include "core/recognise/hash_cache.h"
#include "core/recognise/picture_content.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

namespace pictra {

using MaybeContent = std::optional<PictureContent>;

// The content of the picture file `path`; nullopt when it cannot be read
// within capBytes or is flat.
MaybeContent fileContent(const std::string& path, std::size_t capBytes);

// The same for each of `paths`, read on every core, in their order.
std::vector<MaybeContent> fileContents(std::span<const std::string> paths, std::size_t capBytes);

// The length and modification time of `path`; nullopt when it cannot be reached.
std::optional<FileStamp> fileStampOf(const std::string& path);

// Store-copy contents kept across adds. One instance serves every album (the
// copies' paths tell the albums apart); a copy rewritten after a rotation
// or with a new store quality has a new stamp and is read again.
class StoreCopyContents {
public:
    // The content of each store-copy file in `copies`, in their order: the
    // kept one while the file's stamp is unchanged, else read now (on every
    // core). nullopt for a copy that is missing, unreadable or flat.
    std::vector<MaybeContent> contentsOf(std::span<const std::string> copies, std::size_t capBytes);
    // How many copies the last contentsOf read from disk.
    std::size_t lastRead() const { return m_lastRead; }

private:
    struct Kept {
        FileStamp stamp;
        MaybeContent content;
    };
    // About 36 MB; beyond it (ten full albums) the kept contents start afresh.
    static constexpr std::size_t kMaxKept = 10'000;

    std::unordered_map<std::string, Kept> m_kept;
    std::size_t m_lastRead = 0;
};

} // namespace pictra
