// Help flags and unknown options on a command line.
#include "core/util/command_options.h"

#include <algorithm>

namespace pictra {

bool isHelpFlag(std::string_view argument)
{
    return argument == "--help" || argument == "-h";
}

bool looksLikeOption(std::string_view argument)
{
    return argument.size() > 1 && argument.front() == '-';
}

OptionCheck checkOptions(std::span<const std::string> arguments, std::span<const OptionSpec> known)
{
    OptionCheck check;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        if (isHelpFlag(a))
            return {OptionVerdict::Help, {}};
        const auto spec = std::find_if(known.begin(), known.end(), [&a](const OptionSpec& s) { return s.name == a; });
        if (spec != known.end()) {
            if (spec->takesValue)
                ++i;
        } else if (looksLikeOption(a) && check.verdict == OptionVerdict::Run) {
            check = {OptionVerdict::Unknown, a};
        }
    }
    return check;
}

std::string unknownOptionHint(std::string_view option, std::string_view command)
{
    return "unknown option \"" + std::string(option) + "\" (see " + std::string(command) + " --help)";
}

} // namespace pictra
