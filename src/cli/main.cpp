// pictra-cli: a command-line companion to Pictra for scripting and batch
// work on albums and image files. One command per call; the commands and
// their help are in the command table.
#include "cli_commands.h"

int main(int argc, char** argv)
{
    return pictra::cli::runCommandLine(pictra::cli::Args(argv + 1, argv + argc));
}
