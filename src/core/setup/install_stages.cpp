// Which files each installation stage copies.
#include "core/setup/install_stages.h"

#include "core/util/paths.h"
#include "core/util/program_subfolders.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace pictra {
namespace {

namespace fs = std::filesystem;

constexpr std::array<std::string_view, 4> kHelpFiles = {"pictra.pdf", "pictra.hlp", "pictra.cnt", "pictra.gid"};

// Regular files directly in `folder`, sorted by name so stages run in a fixed order.
std::vector<fs::path> filesIn(const std::string& folder)
{
    std::vector<fs::path> files;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (it->is_regular_file(typeError))
            files.push_back(it->path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

bool isLibraryName(std::string_view name)
{
    return endsWithIgnoreCase(name, ".so") || name.find(".so.") != std::string_view::npos;
}

bool isProgram(const fs::path& file)
{
    std::error_code ec;
    const fs::perms perms = fs::status(file, ec).permissions();
    return !ec && (perms & fs::perms::owner_exec) != fs::perms::none && !isLibraryName(file.filename().string());
}

void addMatching(std::vector<CopyJob>& jobs, const std::string& fromFolder, const std::string& toFolder,
                 std::string_view suffix, ExistingTarget existing)
{
    for (const fs::path& file : filesIn(fromFolder)) {
        const std::string name = file.filename().string();
        if (endsWithIgnoreCase(name, suffix))
            jobs.push_back({file.string(), joinPath(toFolder, name), existing});
    }
}

} // namespace

std::string_view stageLabel(InstallStage stage)
{
    switch (stage) {
    case InstallStage::Folders: return "１．ディレクトリの作成";
    case InstallStage::Parameters: return "２．作業用パラメータ";
    case InstallStage::Programs: return "３．ＥＸＥファイル";
    case InstallStage::Libraries: return "４．ＤＬＬファイル";
    case InstallStage::Help: return "５．ヘルプファイル";
    case InstallStage::Samples: return "６．サンプルデータ";
    case InstallStage::Icons: return "７．アイコン登録";
    case InstallStage::Registry: return "８．レジストリ登録";
    }
    return "";
}

std::vector<std::string> installFolders(const std::string& target)
{
    std::vector<std::string> folders{target};
    for (std::string_view sub : kProgramSubfolders)
        folders.push_back(joinPath(target, sub));
    return folders;
}

std::vector<CopyJob> stageCopies(InstallStage stage, const InstallOptions& options)
{
    std::vector<CopyJob> jobs;
    const std::string& from = options.source;
    const std::string& to = options.target;
    switch (stage) {
    case InstallStage::Parameters:
        if (options.program)
            addMatching(jobs, joinPath(from, kParamFolder), joinPath(to, kParamFolder), ".dat", ExistingTarget::Keep);
        break;
    case InstallStage::Programs:
        if (!options.program)
            break;
        for (const fs::path& file : filesIn(from)) {
            const std::string name = file.filename().string();
            if (name != kSetupProgramName && isProgram(file))
                jobs.push_back({file.string(), joinPath(to, name), ExistingTarget::Replace});
        }
        break;
    case InstallStage::Libraries:
        if (!options.program)
            break;
        for (const fs::path& file : filesIn(from)) {
            const std::string name = file.filename().string();
            if (isLibraryName(name))
                jobs.push_back({file.string(), joinPath(to, name), ExistingTarget::Replace});
        }
        break;
    case InstallStage::Help:
        if (!options.program)
            break;
        for (std::string_view name : kHelpFiles) {
            const std::string file = joinPath(from, name);
            std::error_code ec;
            if (fs::is_regular_file(file, ec))
                jobs.push_back({file, joinPath(to, name), ExistingTarget::Replace});
        }
        break;
    case InstallStage::Samples:
        if (!options.samples)
            break;
        addMatching(jobs, joinPath(from, kImageFolder), joinPath(to, kImageFolder), ".jpg", ExistingTarget::Keep);
        addMatching(jobs, joinPath(from, kUserFolder), joinPath(to, kUserFolder), ".abm", ExistingTarget::Keep);
        break;
    case InstallStage::Folders:
    case InstallStage::Icons:
    case InstallStage::Registry:
        break;
    }
    return jobs;
}

} // namespace pictra
