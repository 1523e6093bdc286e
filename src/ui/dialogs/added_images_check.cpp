// Telling the images an add cannot take, and asking about damaged ones.
#include "ui/dialogs/added_images_check.h"

#include "ui/dialogs/status_messages.h"
#include "ui/prompts/user_prompts.h"

#include <algorithm>
#include <utility>

namespace pictra::ui {

std::vector<std::string> imagesToAdd(UserPrompts& prompts, QWidget* parent, const std::vector<std::string>& sources,
                                     const BatchResults& results)
{
    const std::size_t count = std::min(sources.size(), results.size());
    std::vector<std::string> damaged;
    std::vector<std::pair<std::string, Status>> failed;
    for (std::size_t i = 0; i < count; ++i) {
        if (results[i] == Status::Partial)
            damaged.push_back(sources[i]);
        else if (results[i] && *results[i] != Status::Ok)
            failed.emplace_back(sources[i], *results[i]);
    }
    if (!failed.empty())
        prompts.showMessage(parent, skippedImagesMessage(failed));
    const bool takeDamaged = !damaged.empty() && prompts.askYesNo(parent, damagedImagesQuestion(damaged));
    std::vector<std::string> added;
    for (std::size_t i = 0; i < count; ++i) {
        if (results[i] == Status::Ok || (takeDamaged && results[i] == Status::Partial))
            added.push_back(sources[i]);
    }
    return added;
}

} // namespace pictra::ui
