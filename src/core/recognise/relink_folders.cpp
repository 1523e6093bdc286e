// Proposing search folders.
#include "core/recognise/relink_folders.h"

#include "core/util/file_io.h"
#include "core/util/paths.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace pictra {
namespace {

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string withoutTrailingSeparator(std::string folder)
{
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return folder;
}

bool inside(std::string_view folder, std::string_view parent)
{
    if (parent == "/")
        return true;
    return folder.size() > parent.size() && folder.starts_with(parent) && folder[parent.size()] == '/';
}

} // namespace

std::string picturesDirFromUserDirs(std::string_view text, std::string_view home)
{
    constexpr std::string_view kKey = "XDG_PICTURES_DIR=";
    std::string found;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t'))
            line.remove_prefix(1);
        if (!line.starts_with(kKey))
            continue;
        line.remove_prefix(kKey.size());
        if (line.size() < 2 || line.front() != '"' || line.find('"', 1) == std::string_view::npos)
            continue;
        line = line.substr(1, line.find('"', 1) - 1);
        if (line.starts_with("$HOME"))
            found = std::string(home) + std::string(line.substr(5));
        else if (line.starts_with("/"))
            found = std::string(line);
    }
    return found;
}

RelinkPlaces currentRelinkPlaces()
{
    RelinkPlaces places;
    const std::string home = environment("HOME");
    const std::string user = environment("USER");
    std::string config = environment("XDG_CONFIG_HOME");
    if (!config.starts_with("/"))
        config = home.empty() ? "" : home + "/.config";
    if (!config.empty())
        if (const auto text = readFile(config + "/user-dirs.dirs", 64 * 1024))
            places.picturesFolder = picturesDirFromUserDirs(
                std::string_view(reinterpret_cast<const char*>(text->data()), text->size()), home);
    if (places.picturesFolder.empty() && !home.empty())
        places.picturesFolder = home + "/Pictures";
    if (!user.empty())
        places.mediaRoots = {"/media/" + user, "/run/media/" + user};
    return places;
}

std::vector<std::string> proposedRelinkFolders(std::string_view albumPath,
                                               const std::vector<std::string>& recentFolders,
                                               const RelinkPlaces& places)
{
    std::vector<std::string> wanted{std::string(folderPart(albumPath))};
    wanted.insert(wanted.end(), recentFolders.begin(), recentFolders.end());
    wanted.push_back(places.picturesFolder);
    for (const std::string& root : places.mediaRoots) {
        std::vector<std::string> mounted;
        std::error_code error;
        for (std::filesystem::directory_iterator it(root, error); !error && it != std::filesystem::directory_iterator();
             it.increment(error))
            if (it->is_directory(error))
                mounted.push_back(it->path().string());
        std::sort(mounted.begin(), mounted.end());
        wanted.insert(wanted.end(), mounted.begin(), mounted.end());
    }
    std::vector<std::string> folders;
    for (std::string folder : wanted) {
        folder = withoutTrailingSeparator(std::move(folder));
        if (folder.empty() || !folderExists(folder))
            continue;
        if (std::any_of(folders.begin(), folders.end(),
                        [&](const std::string& f) { return f == folder || inside(folder, f); }))
            continue;
        std::erase_if(folders, [&](const std::string& f) { return inside(f, folder); });
        folders.push_back(folder);
    }
    return folders;
}

} // namespace pictra
