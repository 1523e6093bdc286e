// Path helpers. Paths are UTF-8 with '/' separators; names that came from the
// original platform may contain '\\', which also counts as a separator.
#pragma once

#include <string>
#include <string_view>

namespace pictra {

// The file name without folder and without its last extension
// ("/a/b/photo.x.jpg" -> "photo.x", "C:\\pics\\cat" -> "cat").
std::string BaseName(std::string_view path);

// The file name part after the last separator.
std::string_view fileNamePart(std::string_view path);

// The folder part up to the last separator, without it ("" when none).
std::string_view folderPart(std::string_view path);

// The text after the last '.' of the file name, without the dot ("" when none).
std::string_view extensionOf(std::string_view path);

// True when the path ends with `suffix` (".jpg"), compared without case (ASCII).
bool endsWithIgnoreCase(std::string_view path, std::string_view suffix);

// ASCII case-insensitive comparison.
bool equalsIgnoreCase(std::string_view a, std::string_view b);

// a + "/" + b, without doubling a separator.
std::string joinPath(std::string_view a, std::string_view b);

// The album's store folder: programFolder/CMP/BaseName(albumPath).
std::string StoreFolder(std::string_view programFolder, std::string_view albumPath);

// The store copy of an image: StoreFolder/BaseName(imagePath).jpg.
std::string storeCopyPath(std::string_view programFolder, std::string_view albumPath,
                          std::string_view imagePath);

} // namespace pictra
