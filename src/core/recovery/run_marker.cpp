// Run markers and process identities from /proc.
#include "core/recovery/run_marker.h"

#include "core/util/file_io.h"
#include "core/util/paths.h"
#include "core/util/program_subfolders.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>
#include <unistd.h>

namespace pictra {
namespace {

constexpr std::string_view kMarkerPrefix = "running-";

// Field 22 of /proc/<pid>/stat; 0 when the process is not there. The command
// name (field 2) may hold spaces and parentheses, so fields are counted from
// its last ')'.
std::uint64_t startTicksOf(int pid)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string text;
    if (!std::getline(in, text))
        return 0;
    const auto close = text.rfind(')');
    if (close == std::string::npos)
        return 0;
    std::istringstream fields(text.substr(close + 1));
    std::string field;
    for (int i = 3; i <= 22; ++i) {
        if (!(fields >> field))
            return 0;
    }
    std::uint64_t ticks = 0;
    const auto [end, ec] = std::from_chars(field.data(), field.data() + field.size(), ticks);
    return ec == std::errc() && end == field.data() + field.size() ? ticks : 0;
}

} // namespace

ProcessIdentity currentProcess()
{
    const int pid = static_cast<int>(::getpid());
    return {pid, startTicksOf(pid)};
}

bool processRunning(const ProcessIdentity& id)
{
    return id.pid > 0 && id.startTicks != 0 && startTicksOf(id.pid) == id.startTicks;
}

std::string recoveryFolder(const std::string& programFolder)
{
    return joinPath(joinPath(programFolder, kTempFolder), "recovery");
}

std::string runMarkerPath(const std::string& programFolder, const ProcessIdentity& id)
{
    return joinPath(recoveryFolder(programFolder), std::string(kMarkerPrefix) + std::to_string(id.pid));
}

std::string runMarkerText(const ProcessIdentity& id)
{
    return std::to_string(id.pid) + " " + std::to_string(id.startTicks) + "\n";
}

ProcessIdentity parseRunMarker(const std::string& text)
{
    std::istringstream in(text);
    long long pid = 0;
    std::uint64_t ticks = 0;
    std::string rest;
    if (!(in >> pid >> ticks) || (in >> rest) || pid <= 0 || pid > INT32_MAX)
        return {};
    return {static_cast<int>(pid), ticks};
}

Status writeRunMarker(const std::string& programFolder, const ProcessIdentity& id)
{
    if (!makeFolders(recoveryFolder(programFolder)))
        return Status::NoPermission;
    const std::string text = runMarkerText(id);
    return writeFileAtomic(runMarkerPath(programFolder, id),
                           {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
}

void removeRunMarker(const std::string& programFolder, const ProcessIdentity& id)
{
    std::error_code ec;
    std::filesystem::remove(runMarkerPath(programFolder, id), ec);
}

std::vector<ProcessIdentity> readRunMarkers(const std::string& programFolder)
{
    std::vector<ProcessIdentity> markers;
    std::error_code ec;
    for (const auto& item : std::filesystem::directory_iterator(recoveryFolder(programFolder), ec)) {
        const std::string name = item.path().filename().string();
        if (name.rfind(kMarkerPrefix, 0) != 0)
            continue;
        int pid = 0;
        const char* digits = name.data() + kMarkerPrefix.size();
        const auto [end, err] = std::from_chars(digits, name.data() + name.size(), pid);
        if (err != std::errc() || end != name.data() + name.size() || pid <= 0)
            continue;
        const auto bytes = readFile(item.path().string(), 100);
        ProcessIdentity id = bytes ? parseRunMarker(std::string(bytes->begin(), bytes->end())) : ProcessIdentity{};
        if (id.pid != pid)
            id = {pid, 0};
        markers.push_back(id);
    }
    return markers;
}

} // namespace pictra
