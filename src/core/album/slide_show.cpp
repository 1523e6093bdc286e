// Slide-show state table and tick.
#include "core/album/slide_show.h"

namespace pictra {
namespace {

// `next` may lie outside 0..count-1 after a direction switch or when the
// owner lost images; the show continues at the same place modulo the count.
int wrapIndex(int index, int count) { return ((index % count) + count) % count; }

SlideStep start(SlideShowState& show, SlideState direction, int imageCount)
{
    if (imageCount < 1)
        return {};
    show.state = direction;
    const int first = direction == SlideState::Forward ? 0 : imageCount - 1;
    show.next = wrapIndex(direction == SlideState::Forward ? first + 1 : first - 1, imageCount);
    return {SlideAction::OpenWindow, first};
}

SlideStep turn(SlideShowState& show, SlideState direction, int imageCount)
{
    if (show.state == SlideState::None)
        return start(show, direction, imageCount);
    if (show.state != direction && show.state != SlideState::Paused)
        show.next += direction == SlideState::Forward ? 2 : -2;
    show.state = direction;
    return {};
}

} // namespace

SlideStep applySlideCommand(SlideShowState& show, SlideCommand command, int imageCount)
{
    switch (command) {
    case SlideCommand::Forward:
        return turn(show, SlideState::Forward, imageCount);
    case SlideCommand::Reverse:
        return turn(show, SlideState::Reverse, imageCount);
    case SlideCommand::Pause:
        if (show.state != SlideState::None)
            show.state = SlideState::Paused;
        return {};
    case SlideCommand::End:
        if (show.state == SlideState::None)
            return {};
        clearSlideShow(show);
        return {SlideAction::CloseWindow, 0};
    }
    return {};
}

std::optional<int> slideTick(SlideShowState& show, int ownerCount)
{
    if ((show.state != SlideState::Forward && show.state != SlideState::Reverse) || ownerCount < 1)
        return std::nullopt;
    const int shown = wrapIndex(show.next, ownerCount);
    show.next = wrapIndex(show.state == SlideState::Forward ? shown + 1 : shown - 1, ownerCount);
    return shown;
}

void clearSlideShow(SlideShowState& show) { show = SlideShowState{}; }

} // namespace pictra
