// The default application for a file type, kept in mimeapps.list under
// [Default Applications]: setting ours and removing it again, leaving every
// other line of the user's file as it was.
#pragma once

#include <string>
#include <string_view>

namespace pictra {

// `text` with "mimeType=desktopId;" as the default (the section is added
// when missing; an earlier default for the type is replaced).
std::string withDefaultApplication(std::string_view text, std::string_view mimeType, std::string_view desktopId);

// `text` without the default for `mimeType` when that default is `desktopId`
// (a default the user chose since is kept).
std::string withoutDefaultApplication(std::string_view text, std::string_view mimeType, std::string_view desktopId);

} // namespace pictra
