// Paths inside the program folder.
#include "core/platform/program_paths.h"

#include "core/util/paths.h"

namespace pictra {

std::string paramFilePath(std::string_view programFolder, std::string_view name)
{
    return joinPath(joinPath(programFolder, kParamFolder), name);
}

std::string tempFilePath(std::string_view programFolder, std::string_view name)
{
    return joinPath(joinPath(programFolder, kTempFolder), name);
}

} // namespace pictra
