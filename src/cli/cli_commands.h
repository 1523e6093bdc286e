// pictra-cli's commands in one table: each command's name, its line in
// `pictra-cli --help`, its usage and options, and the function that runs it.
#pragma once

#include "cli_context.h"

#include "core/util/command_options.h"

#include <span>
#include <string_view>

namespace pictra::cli {

struct CliCommand {
    std::string_view name;
    std::string_view summary; // one line for the command list
    std::string_view usage;   // the forms, each line starting "pictra-cli NAME"
    std::string_view details; // what the command does and what each option means
    std::span<const OptionSpec> options;
    int (*run)(const Args&);
};

// Every command this build has, in the order the command list shows them.
std::span<const CliCommand> cliCommands();

// The command named `name`; null when there is none.
const CliCommand* findCliCommand(std::string_view name);

// Runs the command line (without the program name): help, the command list,
// an unknown command or option refused, or the command. The exit status.
int runCommandLine(const Args& arguments);

// "pictra-cli: usage: ..." with the command's forms, on stderr, for a
// command whose arguments do not fit them.
void printUsageError(std::string_view command);

} // namespace pictra::cli
