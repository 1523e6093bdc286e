// The setup program's usage and the options it takes.
#include "setup/setup_usage.h"

#include "core/setup/install_stages.h"
#include "core/util/command_options.h"
#include "core/util/paths.h"

#include <cstdio>
#include <string>
#include <vector>

namespace pictra::setup {
namespace {

constexpr OptionSpec kSetupOptions[] = {{"--unattended"}, {"--uninstall"},  {"--target", true},
                                        {"--source", true}, {"--no-samples"}, {"--no-program"}};


// NAME stands for the program's name.
constexpr const char* kSetupUsage =
    "usage: NAME\n"
    "       NAME --unattended --target DIR [--no-samples] [--no-program] [--source DIR]\n"
    "       NAME --uninstall [--target DIR] [--unattended]\n"
    "\n"
    "Installs Pictra for the current user from the distribution folder ABM10\n"
    "(beside the program, else in the current folder), or removes it.\n"
    "Without arguments the setup windows lead through the installation.\n"
    "  --unattended    install without windows into --target DIR; with --uninstall,\n"
    "                  remove without windows\n"
    "  --target DIR    the folder to install into, or to remove (with --uninstall\n"
    "                  the installed folder when not given)\n"
    "  --no-samples    leave out the sample album and its pictures\n"
    "  --no-program    install only the samples, without the program and its\n"
    "                  settings\n"
    "  --source DIR    the distribution folder to install from\n"
    "  --uninstall     remove the installation and what it registered, keeping\n"
    "                  every file made or changed since\n"
    "  -h, --help      show this text\n"
    "Exit status: 0 done, 1 failed or cancelled, 2 wrong arguments.\n";

constexpr const char* kUninstallUsage =
    "usage: NAME --uninstall [--target DIR] [--unattended]\n"
    "\n"
    "Removes the Pictra installation in DIR (default: the installed folder) and what\n"
    "it registered on the desktop, keeping every file made or changed since.\n"
    "  --unattended    remove without windows\n"
    "  -h, --help      show this text\n"
    "This is a copy of pictra-setup and takes its other options too\n"
    "(pictra-setup --help).\n"
    "Exit status: 0 done, 1 failed or cancelled, 2 wrong arguments.\n";

// The text with each NAME replaced by the program's name.
std::string withName(std::string text, const std::string& name)
{
    for (std::size_t at = text.find("NAME"); at != std::string::npos; at = text.find("NAME", at + name.size()))
        text.replace(at, 4, name);
    return text;
}

} // namespace

std::optional<int> answerHelpOrUnknownOption(int argc, char** argv)
{
    const std::string name = argc > 0 ? std::string(fileNamePart(argv[0])) : std::string(kSetupProgramName);
    const OptionCheck check = checkOptions(std::vector<std::string>(argv + 1, argv + argc), kSetupOptions);
    switch (check.verdict) {
    case OptionVerdict::Help:
        std::fputs(withName(name == kUninstallerName ? kUninstallUsage : kSetupUsage, name).c_str(), stdout);
        return 0;
    case OptionVerdict::Unknown:
        std::fprintf(stderr, "%s: %s\n", name.c_str(), unknownOptionHint(check.unknown, name).c_str());
        return 2;
    case OptionVerdict::Run:
        break;
    }
    return std::nullopt;
}

} // namespace pictra::setup
