// Images whose store-copy name another picture of the album already owns are
// never added (they would show that picture); the user is shown their names
// and chooses whether the others still go in.
#pragma once

#include <string>
#include <vector>

class QWidget;

namespace pictra::ui {

class UserPrompts;

// `clashing`: the refused images (UTF-8 paths); `othersRemain`: whether any
// other image of the same drop or hand-over is still to be added. True when
// nothing clashes or the user chose to add the others; false (nothing is to
// be added) when the user said no or there are no others.
bool addOthersPastStoreNameClashes(UserPrompts& prompts, QWidget* parent, const std::vector<std::string>& clashing,
                                   bool othersRemain);

} // namespace pictra::ui
