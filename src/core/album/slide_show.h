// SlideShowState: the one slide show of the program (an owner album window
// whose images a separate slide window shows one after another) and the
// pure rules of its commands and timer ticks. One instance lives in AppState.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace pictra {

enum class SlideState : std::uint8_t { None = 0, Forward = 1, Reverse = 2, Paused = 3 };

enum class SlideCommand { Forward, Reverse, Pause, End };

struct SlideShowState {
    SlideState state = SlideState::None;
    int next = 0;                   // index of the owner's image the next tick shows
    std::string currentPath;        // the picture on screen in the slide window
    std::uint64_t ownerViewId = 0;  // view of the album window whose images are shown
    std::uint64_t slideViewId = 0;  // view of the slide window
};

enum class SlideAction {
    None,        // nothing to do on screen
    OpenWindow,  // open the slide window on image `image` (the state is already set)
    CloseWindow, // close the slide window (the state is already cleared)
};

struct SlideStep {
    SlideAction action = SlideAction::None;
    int image = 0;
};

// Applies a command. `imageCount` is the current album's image count, used
// only when a show starts (it does not start on an empty album). Switching
// direction moves `next` by two so the show goes on from the picture on
// screen. The caller clears the state when it cannot open the window.
SlideStep applySlideCommand(SlideShowState& show, SlideCommand command, int imageCount);

// One timer tick while the owner holds `ownerCount` images: the index to show
// now, with `next` advanced (wrapping at both ends); nullopt when the show is
// not running or the owner has no image.
std::optional<int> slideTick(SlideShowState& show, int ownerCount);

// Back to no slide show.
void clearSlideShow(SlideShowState& show);

} // namespace pictra
