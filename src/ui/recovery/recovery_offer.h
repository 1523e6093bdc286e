// The start-up recovery: copies left by a program that ended without saving
// are listed with their times and restored or discarded as the user says;
// damaged ones are reported and kept aside. Runs before any album opens, so
// a restored album takes the window its later opening would have found.
#pragma once

#include "core/recovery/recovery_copies.h"

#include <QStringList>

class QWidget;

namespace pictra {
struct AppState;
}

namespace pictra::ui {

class AlbumDocuments;
class RecoveryKeeper;
class UserPrompts;

// The lines the offer lists, one per copy.
QStringList recoveryOfferLines(const std::vector<RecoveryCopy>& copies);

// The whole start-up recovery; `keeper` takes on the restored albums' copies.
// Returns how many albums were restored.
int offerRecovery(AppState& state, AlbumDocuments& documents, UserPrompts& prompts, QWidget* window,
                  RecoveryKeeper& keeper);

} // namespace pictra::ui
