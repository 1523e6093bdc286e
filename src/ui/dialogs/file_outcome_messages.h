// The user's words for what became of a file copy, move or rename.
#pragma once

#include "core/fileops/file_outcome.h"

#include <QString>

namespace pictra::ui {

// One short sentence ("" for Done).
QString fileOutcomeText(FileOutcome outcome);

} // namespace pictra::ui
