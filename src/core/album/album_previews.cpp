// Indexing and extracting an album's embedded copies.
#include "core/album/album_previews.h"

#include "core/album/album_file.h"
#include "core/album/album_head_read.h"
#include "core/util/byte_reader.h"
#include "core/util/file_io.h"
#include "core/util/paths.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace pictra {
namespace {

bool isPreviewName(const std::string& name)
{
    constexpr std::string_view kSuffix = ".jpg";
    if (name.size() <= kSuffix.size() || !name.ends_with(kSuffix))
        return false;
    return std::all_of(name.begin(), name.end() - static_cast<std::ptrdiff_t>(kSuffix.size()),
                       [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

Result<AlbumPreviewIndex> indexAlbumPreviews(const std::string& albumPath)
{
    const auto entries = readAlbumEntries(albumPath);
    if (!entries)
        return entries.status();
    std::ifstream in(albumPath, std::ios::binary | std::ios::ate);
    if (!in)
        return Status::IoError;
    const auto fileSize = static_cast<std::uint64_t>(in.tellg());
    AlbumPreviewIndex index;
    index.albumPath = albumPath;
    std::uint64_t at = albumHeadBytes(entries->size());
    for (std::size_t i = 0; i < entries->size(); ++i) {
        std::uint8_t lengthBytes[4] = {};
        in.seekg(static_cast<std::streamoff>(at));
        if (!in.read(reinterpret_cast<char*>(lengthBytes), 4))
            break;
        ByteReader reader(lengthBytes);
        const std::int32_t length = reader.i32();
        at += 4;
        if (length < 0 || static_cast<std::size_t>(length) > kMaxStoreCopyBytes ||
            at + static_cast<std::uint64_t>(length) > fileSize)
            break;
        index.offsets.push_back(at);
        index.lengths.push_back(static_cast<std::uint32_t>(length));
        at += static_cast<std::uint64_t>(length);
    }
    return index;
}

std::vector<std::string> extractAlbumPreviews(const AlbumPreviewIndex& index, int first, int n,
                                              const std::string& folder)
{
    std::vector<std::string> files;
    if (first < 0 || n <= 0 || !makeFolders(folder))
        return files;
    std::ifstream in(index.albumPath, std::ios::binary);
    const int end = std::min(index.count(), first + n);
    std::vector<char> bytes;
    for (int i = first; i < end; ++i) {
        const auto k = static_cast<std::size_t>(i);
        std::string file;
        bytes.resize(index.lengths[k]);
        in.clear();
        in.seekg(static_cast<std::streamoff>(index.offsets[k]));
        if (index.lengths[k] > 0 && in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()))) {
            const std::string path = joinPath(folder, std::to_string(i) + ".jpg");
            const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
            if (writeFile(path, std::span<const std::uint8_t>(data, bytes.size())) == Status::Ok)
                file = path;
        }
        files.push_back(std::move(file));
    }
    return files;
}

void clearAlbumPreviews(const std::string& folder)
{
    std::error_code error;
    for (const auto& item : std::filesystem::directory_iterator(folder, error)) {
        if (item.is_regular_file(error) && isPreviewName(item.path().filename().string()))
            std::filesystem::remove(item.path(), error);
    }
}

} // namespace pictra
