// The subfolders of the program folder. Stored album entries, the installer
// and the setup that makes a new program folder all name them, so they are
// named here once.
#pragma once

#include <array>
#include <string_view>

namespace pictra {

inline constexpr std::string_view kParamFolder = "PARAM";     // settings and lists
inline constexpr std::string_view kTempFolder = "TEMP";       // scratch files
inline constexpr std::string_view kUserFolder = "USER";       // albums
inline constexpr std::string_view kStoreRootFolder = "CMP";   // one store folder per album
inline constexpr std::string_view kImageFolder = "IMAGE";     // sample and scanned pictures

inline constexpr std::array<std::string_view, 5> kProgramSubfolders = {kParamFolder, kTempFolder, kUserFolder,
                                                                       kStoreRootFolder, kImageFolder};

} // namespace pictra
