#include "core/commands/open_command.h"

#include <gtest/gtest.h>

namespace pictra {
namespace {

struct ParseCase {
    std::string text;
    std::optional<std::string> path;
};

class OpenCommand : public ::testing::TestWithParam<ParseCase> {};

TEST_P(OpenCommand, ParsesAsTheShellSendsIt)
{
    EXPECT_EQ(parseOpenCommand(GetParam().text), GetParam().path) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OpenCommand,
    ::testing::Values(ParseCase{"[open(\"/home/u/trip.abm\")]", "/home/u/trip.abm"},
                      ParseCase{"[open(\"/home/u/Trip.ABM\")]", "/home/u/Trip.ABM"},
                      ParseCase{"[open(\"/a b/(x)/旅行.abm\")]", "/a b/(x)/旅行.abm"}, // brackets inside the path
                      ParseCase{"[open(\"/home/u/photo.jpg\")]", "/home/u/photo.jpg"},
                      ParseCase{"[open(\"/home/u/notes.txt\")]", std::nullopt},
                      ParseCase{"[open(\"\")]", std::nullopt},                          // ")" right after the quotes
                      ParseCase{"[open()]", std::nullopt},                              // ")" too close to "("
                      ParseCase{"[open(\"x.abm\"", std::nullopt},                        // no ")"
                      ParseCase{"[print(\"/home/u/trip.abm\")]", std::nullopt},
                      ParseCase{"", std::nullopt},
                      ParseCase{"[open\")(\"", std::nullopt}));                          // ")" before "("

TEST(OpenCommand, MadeTextRoundTripsAndLongTextsAreCut)
{
    const std::string path = "/home/u/アルバム/旅行 2024.abm";
    EXPECT_EQ(parseOpenCommand(makeOpenCommand(path)), path);
    // A text beyond the limit loses its end, so the command no longer parses.
    const std::string longPath = "/" + std::string(400, 'a') + ".abm";
    EXPECT_EQ(parseOpenCommand(makeOpenCommand(longPath)), std::nullopt);
}

} // namespace
} // namespace pictra
