#include "core/recognise/relink_choice.h"

#include "core/recognise/picture_hash.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pictra {
namespace {

using V = RelinkVerdict;

struct ChoiceCase {
    std::string name;
    std::vector<CandidateScore> scores;
    RelinkChoice expected;
};

// Shorthands: a file at hash distance d and PSNR p, with the tie-breakers
// it has (s store size, d date, a aspect, n name).
CandidateScore file(int distance, double psnr, std::string_view traits = "")
{
    CandidateScore s{distance, psnr};
    s.sameStoreSize = traits.find('s') != std::string_view::npos;
    s.sameDate = traits.find('d') != std::string_view::npos;
    s.sameAspect = traits.find('a') != std::string_view::npos;
    s.sameName = traits.find('n') != std::string_view::npos;
    return s;
}

class ChooseOriginal : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(ChooseOriginal, Decides)
{
    EXPECT_EQ(chooseOriginal(GetParam().scores), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ChooseOriginal,
    ::testing::Values(
        ChoiceCase{"NoFiles", {}, {V::NotFound, {}}},
        ChoiceCase{"OneCloseFile", {file(3, 42)}, {V::Found, {0}}},
        ChoiceCase{"HashTooFar", {file(kHashNearDistance + 1, 60, "sdan")}, {V::NotFound, {}}},
        ChoiceCase{"HashAtTheLimit", {file(kHashNearDistance, 40)}, {V::Found, {0}}},
        ChoiceCase{"TooUnlike", {file(0, kMinMatchPsnr - 0.1, "sdan")}, {V::NotFound, {}}},
        ChoiceCase{"ClearlyMoreAlikeWins", {file(2, 38, "sdan"), file(1, 45), file(9, 20)}, {V::Found, {1}}},
        // A re-encode at another size scores nearly as high as the original;
        // only the original reduces to the store copy's size.
        ChoiceCase{"ReencodeLosesOnStoreSize", {file(1, 44.8, "da"), file(2, 44.1, "sda")}, {V::Found, {1}}},
        // A burst neighbour has the size, date and aspect too; the name decides.
        ChoiceCase{"BurstShotLosesOnName", {file(4, 40.2, "sda"), file(4, 40.0, "sdan")}, {V::Found, {1}}},
        ChoiceCase{"DateBreaksTheTie", {file(4, 40.2, "sa"), file(4, 40.0, "sda")}, {V::Found, {1}}},
        ChoiceCase{"AspectBreaksTheTie", {file(4, 40.2, "s"), file(4, 40.0, "sa")}, {V::Found, {1}}},
        // Two copies of one file in two folders: the user chooses.
        ChoiceCase{"EqualFilesTie", {file(0, 50, "sda"), file(0, 50, "sda"), file(0, 30.5)}, {V::Tie, {0, 1}}},
        ChoiceCase{"TieListsMostAlikeFirst", {file(0, 40.0, "s"), file(0, 41.0, "s")}, {V::Tie, {1, 0}}},
        // A tie-breaker nobody has keeps everyone.
        ChoiceCase{"BreakerNobodyHas", {file(0, 40.0), file(0, 40.5)}, {V::Tie, {1, 0}}},
        // Beyond the margin, the more alike wins even without the traits.
        ChoiceCase{"MarginBeatsTraits", {file(0, 40.0, "sdan"), file(0, 40.0 + kClearPsnrMargin)}, {V::Found, {1}}}),
    [](const auto& info) { return info.param.name; });

} // namespace
} // namespace pictra
