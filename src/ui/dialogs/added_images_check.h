// Which images of an add (drop, insert, search "追加") go into the album once
// their store copies were made. The user hears at once, before anything is
// added: the images that could not be read are named with the reason and
// left out; damaged ones, read only in part, are named and the user decides.
#pragma once

#include "core/album/store_copy_batch.h"

#include <string>
#include <vector>

class QWidget;

namespace pictra::ui {

class UserPrompts;

// `results[i]` is the store copy outcome of `sources[i]` (nullopt: the batch
// was stopped before it, so it is left out without a word). Returns the
// sources to add, in their order.
std::vector<std::string> imagesToAdd(UserPrompts& prompts, QWidget* parent, const std::vector<std::string>& sources,
                                     const BatchResults& results);

} // namespace pictra::ui
