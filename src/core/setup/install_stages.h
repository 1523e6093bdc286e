// The eight stages of an installation and which files each one copies from
// the distribution folder into the installation folder.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace pictra {

enum class InstallStage {
    Folders,    // the installation folder and its five sub-folders
    Parameters, // PARAM/*.dat (program)
    Programs,   // the executables, not the setup program itself (program)
    Libraries,  // shared libraries (program)
    Help,       // the manual (program)
    Samples,    // IMAGE/*.jpg and USER/*.abm (sample data)
    Icons,      // menu entries and the icon
    Registry,   // uninstaller, file type, thumbnailer, program folder value
};

inline constexpr std::array kInstallStages = {
    InstallStage::Folders, InstallStage::Parameters, InstallStage::Programs, InstallStage::Libraries,
    InstallStage::Help,    InstallStage::Samples,    InstallStage::Icons,    InstallStage::Registry,
};

// The name of the setup program in the distribution; the program stage
// never copies it, and the registry stage copies it as the uninstaller.
inline constexpr std::string_view kSetupProgramName = "pictra-setup";
inline constexpr std::string_view kUninstallerName = "pictra-uninstall";

// The label beside the stage's mark ("１．ディレクトリの作成" ...).
std::string_view stageLabel(InstallStage stage);

struct InstallOptions {
    std::string source; // the distribution folder (ABM10)
    std::string target; // the installation folder
    bool samples = true; // "サンプルデータ"
    bool program = true; // "Pictra"
};

// How a copy treats a file that is already at the target.
enum class ExistingTarget {
    Replace, // program files: a reinstall brings the new version
    Keep,    // the user's settings, albums and pictures are never overwritten
};

struct CopyJob {
    std::string from;
    std::string to;
    ExistingTarget existing = ExistingTarget::Replace;
};

// The folders the folder stage makes, the installation folder first.
std::vector<std::string> installFolders(const std::string& target);

// The copies of a file stage, from a listing of the distribution folder
// made now; empty for the folder, icon and registry stages and for a stage
// whose check box is cleared. Names are matched without case.
std::vector<CopyJob> stageCopies(InstallStage stage, const InstallOptions& options);

} // namespace pictra
