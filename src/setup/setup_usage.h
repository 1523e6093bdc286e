// What pictra-setup, and the uninstaller (the same program copied under
// another name), answer to --help and to an option they do not know.
#pragma once

#include <optional>

namespace pictra::setup {

// For --help or -h prints the usage on stdout and returns 0; for an unknown
// option prints a one-line hint on stderr and returns 2; nullopt when the
// arguments are for the program to run. Opens no window either way.
std::optional<int> answerHelpOrUnknownOption(int argc, char** argv);

} // namespace pictra::setup
