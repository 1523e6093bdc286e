// Names of the program folder's parameter files, and the
// paths built from them (program folder + "/PARAM/wrk_mode.dat" ...).
#pragma once

#include "core/util/program_subfolders.h"

#include <string>
#include <string_view>

namespace pictra {

inline constexpr std::string_view kWorkModeFile = "wrk_mode.dat";
inline constexpr std::string_view kRecentListFile = "used_file.dat";
inline constexpr std::string_view kLastFolderFile = "used_dir.dat";
inline constexpr std::string_view kErrorLogFile = "errorlog.dat";
inline constexpr std::string_view kScanListFile = "scan.dat";

// programFolder/PARAM/name
std::string paramFilePath(std::string_view programFolder, std::string_view name);
// programFolder/TEMP/name
std::string tempFilePath(std::string_view programFolder, std::string_view name);

} // namespace pictra
