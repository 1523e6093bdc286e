// Path splitting shared by every part of the program.
#include "core/util/paths.h"

#include "core/util/program_subfolders.h"

#include <algorithm>

namespace pictra {
namespace {

std::size_t lastSeparator(std::string_view path)
{
    return path.find_last_of("/\\");
}

char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

} // namespace

std::string_view fileNamePart(std::string_view path)
{
    const std::size_t sep = lastSeparator(path);
    return sep == std::string_view::npos ? path : path.substr(sep + 1);
}

std::string_view folderPart(std::string_view path)
{
    const std::size_t sep = lastSeparator(path);
    return sep == std::string_view::npos ? std::string_view{} : path.substr(0, sep);
}

std::string BaseName(std::string_view path)
{
    std::string_view name = fileNamePart(path);
    const std::size_t dot = name.rfind('.');
    if (dot != std::string_view::npos)
        name = name.substr(0, dot);
    return std::string(name);
}

std::string_view extensionOf(std::string_view path)
{
    std::string_view name = fileNamePart(path);
    const std::size_t dot = name.rfind('.');
    return dot == std::string_view::npos ? std::string_view{} : name.substr(dot + 1);
}

bool equalsIgnoreCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

bool endsWithIgnoreCase(std::string_view path, std::string_view suffix)
{
    return path.size() >= suffix.size() && equalsIgnoreCase(path.substr(path.size() - suffix.size()), suffix);
}

std::string joinPath(std::string_view a, std::string_view b)
{
    if (a.empty())
        return std::string(b);
    std::string out(a);
    if (out.back() != '/')
        out += '/';
    while (!b.empty() && b.front() == '/')
        b.remove_prefix(1);
    out += b;
    return out;
}

std::string StoreFolder(std::string_view programFolder, std::string_view albumPath)
{
    return joinPath(joinPath(programFolder, kStoreRootFolder), BaseName(albumPath));
}

std::string storeCopyPath(std::string_view programFolder, std::string_view albumPath, std::string_view imagePath)
{
    return joinPath(StoreFolder(programFolder, albumPath), BaseName(imagePath) + ".jpg");
}

} // namespace pictra
