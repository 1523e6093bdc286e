#include "core/album/slide_show.h"

#include <gtest/gtest.h>

#include <vector>

namespace pictra {
namespace {

// The images shown by `ticks` timer ticks.
std::vector<int> run(SlideShowState& show, int count, int ticks)
{
    std::vector<int> shown;
    for (int i = 0; i < ticks; ++i) {
        if (auto index = slideTick(show, count))
            shown.push_back(*index);
    }
    return shown;
}

TEST(SlideShow, ForwardStartsOnTheFirstImageAndWraps)
{
    SlideShowState show;
    const SlideStep step = applySlideCommand(show, SlideCommand::Forward, 3);
    EXPECT_EQ(step.action, SlideAction::OpenWindow);
    EXPECT_EQ(step.image, 0);
    EXPECT_EQ(run(show, 3, 5), (std::vector<int>{1, 2, 0, 1, 2}));
}

TEST(SlideShow, ReverseStartsOnTheLastImageAndWraps)
{
    SlideShowState show;
    const SlideStep step = applySlideCommand(show, SlideCommand::Reverse, 3);
    EXPECT_EQ(step.image, 2);
    EXPECT_EQ(run(show, 3, 4), (std::vector<int>{1, 0, 2, 1}));
}

TEST(SlideShow, SwitchingDirectionContinuesFromThePictureOnScreen)
{
    SlideShowState show;
    applySlideCommand(show, SlideCommand::Reverse, 3);
    EXPECT_EQ(run(show, 3, 1), (std::vector<int>{1})); // 1 on screen
    EXPECT_EQ(applySlideCommand(show, SlideCommand::Forward, 3).action, SlideAction::None);
    EXPECT_EQ(run(show, 3, 3), (std::vector<int>{2, 0, 1}));
    applySlideCommand(show, SlideCommand::Reverse, 3); // 1 on screen
    EXPECT_EQ(run(show, 3, 2), (std::vector<int>{0, 2}));
}

TEST(SlideShow, SwitchingRightAfterAWrapStillTurnsAround)
{
    // Forward with the last image on screen: reverse goes on with the one before it.
    SlideShowState show;
    applySlideCommand(show, SlideCommand::Forward, 4);
    run(show, 4, 3); // 1, 2, 3
    applySlideCommand(show, SlideCommand::Reverse, 4);
    EXPECT_EQ(run(show, 4, 2), (std::vector<int>{2, 1}));
    // Reverse with image 0 on screen: forward goes on with image 1.
    run(show, 4, 1); // 0
    applySlideCommand(show, SlideCommand::Forward, 4);
    EXPECT_EQ(run(show, 4, 1), (std::vector<int>{1}));
}

TEST(SlideShow, PauseStopsTicksAndEitherDirectionResumes)
{
    SlideShowState show;
    applySlideCommand(show, SlideCommand::Forward, 3);
    applySlideCommand(show, SlideCommand::Pause, 3);
    EXPECT_TRUE(run(show, 3, 2).empty());
    applySlideCommand(show, SlideCommand::Forward, 3);
    EXPECT_EQ(run(show, 3, 1), (std::vector<int>{1}));
}

TEST(SlideShow, CommandsThatDoNothing)
{
    SlideShowState show;
    EXPECT_EQ(applySlideCommand(show, SlideCommand::Forward, 0).action, SlideAction::None);
    EXPECT_EQ(show.state, SlideState::None);
    EXPECT_EQ(applySlideCommand(show, SlideCommand::Pause, 3).action, SlideAction::None);
    EXPECT_EQ(applySlideCommand(show, SlideCommand::End, 3).action, SlideAction::None);
    EXPECT_EQ(show.state, SlideState::None);
    // A second start while running opens no second window.
    applySlideCommand(show, SlideCommand::Forward, 3);
    EXPECT_EQ(applySlideCommand(show, SlideCommand::Forward, 3).action, SlideAction::None);
    EXPECT_EQ(applySlideCommand(show, SlideCommand::End, 3).action, SlideAction::CloseWindow);
    EXPECT_EQ(show.state, SlideState::None);
}

TEST(SlideShow, OwnerThatLostImagesStaysInRange)
{
    SlideShowState show;
    applySlideCommand(show, SlideCommand::Forward, 10);
    run(show, 10, 8); // next = 9
    EXPECT_EQ(run(show, 3, 1), (std::vector<int>{0}));
    EXPECT_FALSE(slideTick(show, 0).has_value());
}

} // namespace
} // namespace pictra
