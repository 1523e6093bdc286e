// The open dialog's index of an album's embedded copies, on arbitrary file
// contents: never crashes, every block it lists lies inside the file within
// the copy limit, and extracting a page writes exactly those bytes.
#include "core/album/album_file.h"
#include "core/album/album_previews.h"
#include "core/util/file_io.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <system_error>
#include <unistd.h>

namespace {

// A folder of its own for the input file and the extracted copies, removed at exit.
struct Scratch {
    Scratch()
    {
        char name[] = "/tmp/fuzz_album_previews.XXXXXX";
        if (const char* made = mkdtemp(name))
            path = made;
    }
    ~Scratch()
    {
        std::error_code error;
        if (!path.empty())
            std::filesystem::remove_all(path, error);
    }
    std::string path;
};

const std::string& scratch()
{
    static const Scratch folder;
    return folder.path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (scratch().empty())
        return 0;
    const std::string album = scratch() + "/input.abm";
    if (pictra::writeFile(album, std::span<const std::uint8_t>(data, size)) != pictra::Status::Ok)
        return 0;
    const auto index = pictra::indexAlbumPreviews(album);
    if (!index)
        return 0;
    if (index->count() > pictra::kMaxAlbumImages || index->lengths.size() != index->offsets.size())
        __builtin_trap();
    for (int i = 0; i < index->count(); ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (index->lengths[k] > pictra::kMaxStoreCopyBytes || index->offsets[k] + index->lengths[k] > size)
            __builtin_trap();
    }
    const std::string folder = scratch() + "/preview";
    const auto files = pictra::extractAlbumPreviews(*index, 0, 8, folder);
    for (std::size_t k = 0; k < files.size(); ++k) {
        if (files[k].empty())
            continue;
        const auto bytes = pictra::readFile(files[k]);
        if (!bytes || bytes->size() != index->lengths[k] ||
            !std::equal(bytes->begin(), bytes->end(), data + index->offsets[k]))
            __builtin_trap();
    }
    pictra::clearAlbumPreviews(folder);
    return 0;
}
