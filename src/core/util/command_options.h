// The option rules every Pictra program's command line shares: --help and -h
// ask for the usage, and an argument that looks like an option but is none
// of the program's is refused with a one-line hint instead of being taken
// for a file name.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace pictra {

struct OptionSpec {
    std::string_view name;   // "--quality"
    bool takesValue = false; // the next argument is its value, whatever it looks like
};

// "--help" or "-h".
bool isHelpFlag(std::string_view argument);

// "-x" or "--x": not a plain name, and not "-" alone (a name for standard
// input or output in many programs).
bool looksLikeOption(std::string_view argument);

enum class OptionVerdict {
    Run,     // nothing asks for help and every option is known
    Help,    // --help or -h stands where an option can
    Unknown, // `unknown` names the first unknown option
};

struct OptionCheck {
    OptionVerdict verdict = OptionVerdict::Run;
    std::string unknown;
};

// Reads the arguments as the program's own parser does: a known option with
// a value takes the next argument, so "--words -h" is no help request. A
// help flag anywhere wins over an unknown option, so a user who asks for the
// usage gets it.
OptionCheck checkOptions(std::span<const std::string> arguments, std::span<const OptionSpec> known);

// The one line that refuses `option`:
//   unknown option "--frob" (see pictra-cli create --help)
std::string unknownOptionHint(std::string_view option, std::string_view command);

} // namespace pictra
