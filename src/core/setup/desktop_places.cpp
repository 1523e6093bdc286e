// The per-user desktop folders and running the desktop's database tools.
#include "core/setup/desktop_places.h"

#include <cerrno>
#include <cstdlib>
#include <string>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace pictra {
namespace {

std::string fromEnvironment(const char* variable, const char* home, const char* fallback)
{
    const char* value = std::getenv(variable);
    if (value && value[0] == '/')
        return value;
    return home ? std::string(home) + fallback : std::string();
}

} // namespace

Result<DesktopPlaces> currentDesktopPlaces()
{
    const char* home = std::getenv("HOME");
    DesktopPlaces places{fromEnvironment("XDG_DATA_HOME", home, "/.local/share"),
                         fromEnvironment("XDG_CONFIG_HOME", home, "/.config")};
    if (places.dataHome.empty() || places.configHome.empty())
        return Status::NotFound;
    return places;
}

Status runTool(const std::vector<std::string>& argv)
{
    if (argv.empty())
        return Status::InvalidArgument;
    std::vector<char*> args;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return spawned == ENOENT ? Status::NotFound : Status::IoError;
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR)
            return Status::IoError;
    }
    if (WIFEXITED(status) && WEXITSTATUS(status) == 127)
        return Status::NotFound;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? Status::Ok : Status::IoError;
}

} // namespace pictra
