// Writing and reading the installation record.
#include "core/setup/install_manifest.h"

#include <charconv>
#include <sys/stat.h>

namespace pictra {
namespace {

std::vector<std::string_view> splitTabs(std::string_view line)
{
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
        if (tab == std::string_view::npos)
            return fields;
        start = tab + 1;
    }
}

template <typename T>
bool parseNumber(std::string_view text, T& value)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && !text.empty();
}

bool isAbsolute(std::string_view path) { return !path.empty() && path.front() == '/'; }

bool hasControl(std::string_view text)
{
    for (char c : text)
        if (c == '\t' || c == '\n' || c == '\r')
            return true;
    return false;
}

} // namespace

std::string formatManifest(const InstallManifest& manifest)
{
    std::string text;
    for (const std::string& folder : manifest.folders)
        text += "folder\t" + folder + "\n";
    for (const ManifestFile& file : manifest.files)
        text += "file\t" + std::to_string(file.size) + "\t" + std::to_string(file.mtimeNs) + "\t" + file.path + "\n";
    for (const ManifestDefault& d : manifest.defaults)
        text += "default\t" + d.mimeAppsPath + "\t" + d.mimeType + "\t" + d.desktopId + "\n";
    for (const ManifestRegistry& r : manifest.registry)
        text += "registry\t" + r.name + "\t" + (r.hadPrevious ? "1" : "0") + "\t" + r.previous + "\n";
    return text;
}

Result<InstallManifest> parseManifest(std::string_view text)
{
    if (text.size() > kMaxManifestBytes)
        return Status::TooLarge;
    InstallManifest manifest;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (line.empty())
            continue;
        const std::vector<std::string_view> f = splitTabs(line);
        if (f[0] == "folder" && f.size() == 2 && isAbsolute(f[1])) {
            manifest.folders.emplace_back(f[1]);
        } else if (f[0] == "file" && f.size() == 4 && isAbsolute(f[3])) {
            ManifestFile file;
            if (!parseNumber(f[1], file.size) || !parseNumber(f[2], file.mtimeNs))
                return Status::Corrupt;
            file.path = std::string(f[3]);
            manifest.files.push_back(std::move(file));
        } else if (f[0] == "default" && f.size() == 4 && isAbsolute(f[1]) && !f[2].empty() && !f[3].empty()) {
            manifest.defaults.push_back({std::string(f[1]), std::string(f[2]), std::string(f[3])});
        } else if (f[0] == "registry" && f.size() == 4 && !f[1].empty() && (f[2] == "0" || f[2] == "1")) {
            manifest.registry.push_back({std::string(f[1]), f[2] == "1", std::string(f[3])});
        } else {
            return Status::Corrupt;
        }
    }
    return manifest;
}

Result<ManifestFile> describeFile(const std::string& path)
{
    if (hasControl(path))
        return Status::InvalidArgument; // it could not be written as one manifest line
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0)
        return Status::NotFound;
    if (!S_ISREG(st.st_mode))
        return Status::InvalidArgument;
    ManifestFile file;
    file.path = path;
    file.size = static_cast<std::uint64_t>(st.st_size);
    file.mtimeNs = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
    return file;
}

} // namespace pictra
