// Walking the search folders.
#include "core/recognise/relink_files.h"

#include "core/image/image_format.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace pictra {
namespace {

namespace fs = std::filesystem;

void addFile(const fs::directory_entry& entry, std::vector<FoundFile>& files)
{
    std::error_code error;
    if (!entry.is_regular_file(error) || loadFormatOf(entry.path().native()) == ImageFormat::Unknown)
        return;
    const std::uintmax_t size = entry.file_size(error);
    if (error)
        return;
    const auto time = entry.last_write_time(error);
    if (error)
        return;
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(time.time_since_epoch()).count();
    files.push_back({entry.path().lexically_normal().native(), {size, static_cast<std::int64_t>(ns)}});
}

} // namespace

std::vector<FoundFile> listPictureFiles(const std::vector<std::string>& folders)
{
    std::vector<FoundFile> files;
    for (const std::string& folder : folders) {
        std::error_code error;
        fs::recursive_directory_iterator it(folder, fs::directory_options::skip_permission_denied, error);
        for (; !error && it != fs::recursive_directory_iterator(); it.increment(error))
            addFile(*it, files);
    }
    std::sort(files.begin(), files.end(), [](const FoundFile& a, const FoundFile& b) { return a.path < b.path; });
    files.erase(std::unique(files.begin(), files.end(),
                            [](const FoundFile& a, const FoundFile& b) { return a.path == b.path; }),
                files.end());
    return files;
}

} // namespace pictra
