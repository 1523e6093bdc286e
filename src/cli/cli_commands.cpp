// Reading pictra-cli's command line against the command table: the command
// list, each command's help, and the refusals of what is not in the table.
#include "cli_commands.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace pictra::cli {
namespace {

constexpr std::string_view kFooter =
    "Settings (JPEG options, image buffer size) come from Pictra's program folder.\n"
    "Exit status: 0 done, 1 failed, 2 wrong arguments, 3 done but images skipped.\n";

void put(std::string_view text, std::FILE* to)
{
    std::fwrite(text.data(), 1, text.size(), to);
}

void printUsage(const CliCommand& command, std::FILE* to)
{
    put("usage: ", to);
    put(command.usage, to);
    put("\n", to);
}

void printCommandHelp(const CliCommand& command)
{
    printUsage(command, stdout);
    put("\n", stdout);
    put(command.details, stdout);
    put("\n", stdout);
    put(kFooter, stdout);
}

void printCommandList(std::FILE* to)
{
    put("usage: pictra-cli COMMAND [ARGS]\n"
        "       pictra-cli COMMAND --help    the command's usage and options\n"
        "       pictra-cli --help            this list\n"
        "\n"
        "commands:\n",
        to);
    std::size_t width = 0;
    for (const CliCommand& c : cliCommands())
        width = std::max(width, c.name.size());
    for (const CliCommand& c : cliCommands()) {
        put("  ", to);
        put(c.name, to);
        put(std::string(width + 2 - c.name.size(), ' '), to);
        put(c.summary, to);
        put("\n", to);
    }
    put("\n", to);
    put(kFooter, to);
}

// `pictra-cli help [COMMAND]`.
int runHelp(const Args& arguments)
{
    if (arguments.empty()) {
        printCommandList(stdout);
        return kExitOk;
    }
    const CliCommand* command = arguments.size() == 1 ? findCliCommand(arguments[0]) : nullptr;
    if (!command) {
        printError("no command \"" + arguments[0] + "\" (see pictra-cli --help)");
        return kExitUsage;
    }
    printCommandHelp(*command);
    return kExitOk;
}

} // namespace

int runCommandLine(const Args& arguments)
{
    if (arguments.empty()) {
        printCommandList(stderr);
        return kExitUsage;
    }
    const std::string& name = arguments.front();
    const Args rest(arguments.begin() + 1, arguments.end());
    if (isHelpFlag(name))
        return runHelp({});
    if (name == "help")
        return runHelp(rest);
    const CliCommand* command = findCliCommand(name);
    if (!command) {
        printError(looksLikeOption(name) ? unknownOptionHint(name, "pictra-cli")
                                         : "unknown command \"" + name + "\" (see pictra-cli --help)");
        return kExitUsage;
    }
    const OptionCheck check = checkOptions(rest, command->options);
    switch (check.verdict) {
    case OptionVerdict::Help:
        printCommandHelp(*command);
        return kExitOk;
    case OptionVerdict::Unknown:
        printError(unknownOptionHint(check.unknown, "pictra-cli " + std::string(command->name)));
        return kExitUsage;
    case OptionVerdict::Run:
        break;
    }
    return command->run(rest);
}

void printUsageError(std::string_view name)
{
    if (const CliCommand* command = findCliCommand(name))
        printUsage(*command, stderr);
}

} // namespace pictra::cli
