// Deleting the TEMP scratch files at exit.
#include "core/startup/scratch_files.h"

#include "core/util/paths.h"
#include "core/util/program_subfolders.h"

#include <filesystem>
#include <string_view>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace pictra {

int deleteScratchFiles(const std::string& programFolder)
{
    if (programFolder.empty())
        return 0;
    const fs::path temp = fs::path(programFolder) / kTempFolder;
    int removed = 0;
    for (std::string_view ending : {".dat", ".bmp", ".abm", ".jpg"}) {
        std::error_code ec;
        std::vector<fs::path> victims;
        for (const auto& item : fs::directory_iterator(temp, ec)) {
            const std::string name = item.path().filename().string();
            if (item.is_regular_file(ec) && !item.is_symlink(ec) && endsWithIgnoreCase(name, ending) &&
                name.size() > ending.size())
                victims.push_back(item.path());
        }
        for (const fs::path& p : victims)
            removed += fs::remove(p, ec) ? 1 : 0;
    }
    return removed;
}

} // namespace pictra
