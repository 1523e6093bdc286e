// Which pictures offered to an album are already in it: the same file (the
// same normalised path, or the same device and inode reached by another
// path) or the same content (perceptual hashes a few bits apart and looks
// that differ by noise, not by moved edges). A pure rule of value records;
// reading the files is picture_identity's and offered_duplicates' job.
#pragma once

#include "core/recognise/picture_content.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace pictra {

// Two pictures show the same content when their hashes are at most this
// many bits apart and their looks at most this far (lookShift). Measured
// between album store copies and files: re-encodes at quality 30 to 60 and
// copies at a half, a quarter or a tenth of the size lie 0..4 bits and
// 0.02..0.44 apart (the busy photos at the top); unrelated photos 12 bits
// or more; a 1% reframing of a photo 0.65 or more, a 2% one 0.9, a 5% crop
// 0.93..1.1; a scene whose objects moved by 2% of the frame mostly 0.5..0.84.
// Objects moved by 1% or less (0.21..0.48) cannot be told from a re-encode.
inline constexpr int kSameContentHashDistance = 6;
inline constexpr double kSameContentLookShift = 0.5;

// The file on its file system.
struct FileId {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    friend bool operator==(const FileId&, const FileId&) = default;
};

// What a picture is known by. `path` is normalised (absolute, no "." or
// ".." parts); `file` is empty when the file cannot be reached, `content`
// when the picture could not be read or is flat.
struct PictureIdentity {
    std::string path;
    std::optional<FileId> file;
    std::optional<PictureContent> content;
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
