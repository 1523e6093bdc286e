// The texts of the freedesktop files that integrate Pictra with the desktop:
// the menu entries, the album file type, the thumbnailer. Pure functions, so
// the per-user installer and the system package write the same files.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pictra {

inline constexpr std::string_view kAlbumMimeType = "application/x-pictra-album";
inline constexpr std::string_view kDesktopEntryId = "pictra.desktop";
inline constexpr std::string_view kUninstallEntryId = "pictra-uninstall.desktop";
inline constexpr std::string_view kMimePackageName = "pictra.xml";
inline constexpr std::string_view kThumbnailerName = "pictra.thumbnailer";
inline constexpr std::string_view kIconName = "pictra";
inline constexpr std::string_view kMenuEntryName = "Pictra 1.0";

// One argument of an Exec key: quoted when it holds a reserved character
// (blank, quote, backslash, $, ` ...), with '"', '`', '$' and '\' escaped
// inside the quotes and '%' doubled, so a path with blanks, quotes or
// Japanese names reaches the program as one argument.
std::string execArgument(std::string_view argument);

// A whole Exec value: the arguments joined by blanks, then escaped as a
// desktop-file string (a backslash is written twice).
std::string execValue(const std::vector<std::string>& arguments);

// A string value (Name, Path, Icon ...): backslash, newline, tab and carriage
// return written as the escapes of the format.
std::string desktopString(std::string_view value);

struct ProgramLocations {
    std::string program;     // pictra (a path, or a bare name for a system install)
    std::string thumbnailer; // pictra-thumbnailer
    std::string manual;      // pictra.pdf
    std::string workFolder;  // Path= ("" for none)
};

// "Pictra 1.0": opens albums (%f), with actions for the help topics and the manual.
std::string programDesktopEntry(const ProgramLocations& where);

// The uninstall entry: runs `uninstaller --uninstall --target folder`.
std::string uninstallDesktopEntry(const std::string& uninstaller, const std::string& installFolder);

// The shared-mime-info package: *.abm and the magic "Pictra version1.0".
std::string albumMimePackage();

// The thumbnailer registration: `thumbnailer %i %o %s` for album files.
std::string thumbnailerEntry(const std::string& thumbnailer);

} // namespace pictra
