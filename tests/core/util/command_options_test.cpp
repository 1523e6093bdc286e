#include "core/util/command_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pictra {
namespace {

constexpr OptionSpec kKnown[] = {{"--words", true}, {"--apply"}};

struct Case {
    std::vector<std::string> arguments;
    OptionVerdict verdict;
    std::string unknown;
};

TEST(CommandOptions, ReadsArgumentsAsTheProgramsParsersDo)
{
    const Case cases[] = {
        {{}, OptionVerdict::Run, ""},
        {{"album.abm", "--apply", "-"}, OptionVerdict::Run, ""},      // "-" alone is a name
        {{"--words", "-h", "album.abm"}, OptionVerdict::Run, ""},     // a value, not a help request
        {{"--words", "--frob"}, OptionVerdict::Run, ""},              // a value, not an option
        {{"album.abm", "-h"}, OptionVerdict::Help, ""},
        {{"--frob", "--help"}, OptionVerdict::Help, ""},              // help wins over an unknown option
        {{"--apply", "-x", "--frob"}, OptionVerdict::Unknown, "-x"},  // the first one is named
        {{"--apply=1"}, OptionVerdict::Unknown, "--apply=1"},
        {{"--", "-x.jpg"}, OptionVerdict::Unknown, "--"},
        {{"--words"}, OptionVerdict::Run, ""},                        // a missing value is the parser's to refuse
    };
    for (const Case& c : cases) {
        const OptionCheck check = checkOptions(c.arguments, kKnown);
        const std::string shown = c.arguments.empty() ? "(none)" : c.arguments.front() + " ...";
        EXPECT_EQ(check.verdict, c.verdict) << shown;
        EXPECT_EQ(check.unknown, c.unknown) << shown;
    }
}

TEST(CommandOptions, HintIsOneLineNamingTheOptionAndTheHelp)
{
    EXPECT_EQ(unknownOptionHint("--frob", "pictra-cli create"), "unknown option \"--frob\" (see pictra-cli create --help)");
    EXPECT_TRUE(isHelpFlag("-h"));
    EXPECT_FALSE(isHelpFlag("-help"));
    EXPECT_FALSE(isHelpFlag("help"));
}

} // namespace
} // namespace pictra
