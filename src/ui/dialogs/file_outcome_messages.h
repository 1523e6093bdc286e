// The user's words for what became of a file copy, move or rename.
#pragma once

#include "core/fileops/file_outcome.h"

#include <QString>
#include <QStringList>

namespace pictra::ui {

// One short sentence ("" for Done).
QString fileOutcomeText(FileOutcome outcome);

// The note on files chosen twice in one copy or move: `act` ("移動" or
// "複写") was done once for each of `names`.
QString transferredOnceMessage(const QStringList& names, const QString& act);

} // namespace pictra::ui
