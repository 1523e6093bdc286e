// Reading the identities of pictures from disk.
#include "core/recognise/picture_identity.h"

#include <sys/stat.h>

#include <filesystem>

namespace pictra {

std::string normalisedPath(std::string_view path)
{
    if (path.empty())
        return {};
    std::error_code ec;
    std::filesystem::path full = std::filesystem::absolute(std::filesystem::path(path), ec);
    if (ec)
        full = std::filesystem::path(path);
    std::string text = full.lexically_normal().string();
    // "a/b/" and "a/b" are one file.
    while (text.size() > 1 && text.back() == '/')
        text.pop_back();
    return text;
}

std::optional<FileId> fileIdOf(const std::string& path)
{
    struct stat info {};
    if (path.empty() || ::stat(path.c_str(), &info) != 0)
        return std::nullopt;
    return FileId{static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino)};
}

std::vector<PictureIdentity> fileIdentities(std::span<const std::string> paths)
{
    std::vector<PictureIdentity> ids;
    ids.reserve(paths.size());
    for (const std::string& path : paths) {
        PictureIdentity& id = ids.emplace_back();
        id.path = normalisedPath(path);
        id.file = fileIdOf(id.path);
    }
    return ids;
}

} // namespace pictra
