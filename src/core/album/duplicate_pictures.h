// Which pictures offered to an album are already in it: the same file (the
// same normalised path, or the same device and inode reached by another
// path) or the same content (perceptual hashes a few bits apart). A pure
// rule of value records; reading the files is picture_identity's job.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace pictra {

// Two perceptual hashes at most this many bits apart show the same picture:
// a re-encode or a smaller copy stays within it, while a neighbouring shot
// of a burst or a crop lies further off.
inline constexpr int kSameContentHashDistance = 4;

// The file on its file system.
struct FileId {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    friend bool operator==(const FileId&, const FileId&) = default;
};

// What a picture is known by. `path` is normalised (absolute, no "." or
// ".." parts); `file` is empty when the file cannot be reached, `hash` when
// the picture could not be read.
struct PictureIdentity {
    std::string path;
    std::optional<FileId> file;
    std::optional<std::uint64_t> hash;
};

enum class DuplicateKind { SameFile, SameContent };

struct DuplicatePicture {
    std::size_t offered = 0; // index into the offered pictures
    std::string of;          // the path of the picture it repeats
    DuplicateKind kind = DuplicateKind::SameFile;
    friend bool operator==(const DuplicatePicture&, const DuplicatePicture&) = default;
};

// The offered pictures that repeat a picture of `album` or an earlier
// offered one, in offered order, each naming the first picture it repeats
// (album pictures before offered ones). The same file counts before the
// same content.
std::vector<DuplicatePicture> findDuplicatePictures(std::span<const PictureIdentity> album,
                                                    std::span<const PictureIdentity> offered);

// `offered` (paths, entries ...) without the ones `duplicates` names, in
// their order.
template <typename T>
std::vector<T> withoutDuplicates(std::span<const T> offered, std::span<const DuplicatePicture> duplicates)
{
    std::vector<T> kept;
    for (std::size_t i = 0; i < offered.size(); ++i) {
        if (std::none_of(duplicates.begin(), duplicates.end(), [i](const DuplicatePicture& d) { return d.offered == i; }))
            kept.push_back(offered[i]);
    }
    return kept;
}

} // namespace pictra
