// First-start set-up of the program folder.
#include "core/startup/program_folder_setup.h"

#include "core/platform/program_paths.h"
#include "core/settings/last_used_folder.h"
#include "core/settings/recent_album_list.h"
#include "core/settings/settings_file.h"
#include "core/util/file_io.h"
#include "core/util/fixed_text.h"
#include "core/util/paths.h"
#include "core/util/program_subfolders.h"

namespace pictra {
namespace {

Status writeIfMissing(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    return fileExists(path) ? Status::Ok : writeFileAtomic(path, bytes);
}

} // namespace

Status ensureProgramFolder(const std::string& folder)
{
    for (const std::string_view sub : kProgramSubfolders) {
        if (!makeFolders(joinPath(folder, sub)))
            return Status::NoPermission;
    }
    Status status = writeIfMissing(paramFilePath(folder, kWorkModeFile), encodeSettings(defaultWorkModeSettings()));
    if (status == Status::Ok)
        status = writeIfMissing(paramFilePath(folder, kRecentListFile), encodeRecentAlbumList(RecentAlbumList{}));
    if (status == Status::Ok) {
        LastUsedFolder folders;
        setFieldText(folders.albumFolder, joinPath(folder, kUserFolder) + "/");
        setFieldText(folders.imageFolder, joinPath(folder, kImageFolder) + "/");
        status = writeIfMissing(paramFilePath(folder, kLastFolderFile), encodeLastUsedFolder(folders));
    }
    return status;
}

} // namespace pictra
