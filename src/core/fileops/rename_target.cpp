// Splitting a path for a rename and checking the new name.
#include "core/fileops/rename_target.h"

#include "core/album/image_entry.h"
#include "core/util/paths.h"

namespace pictra {

NameParts splitFileName(std::string_view path)
{
    const std::string_view name = fileNamePart(path);
    NameParts parts;
    parts.folder = std::string(path.substr(0, path.size() - name.size()));
    const std::size_t dot = name.rfind('.');
    parts.base = std::string(name.substr(0, dot));
    if (dot != std::string_view::npos)
        parts.extension = std::string(name.substr(dot));
    return parts;
}

RenameTarget renameTarget(std::string_view path, std::string_view newBase)
{
    RenameTarget result;
    if (newBase.empty() || newBase == "." || newBase == ".." ||
        newBase.find_first_of(std::string_view("/\0", 2)) != std::string_view::npos) {
        result.problem = FileOutcome::InvalidName;
        return result;
    }
    const NameParts parts = splitFileName(path);
    result.path = parts.folder + std::string(newBase) + parts.extension;
    if (result.path.size() >= kPathBytes)
        result.problem = FileOutcome::PathTooLong;
    return result;
}

} // namespace pictra
