// What the user is told when a scan or its saving goes wrong.
#pragma once

#include "core/scan/scan_import.h"

#include <QString>

namespace pictra::ui {

// The acquisition failure message: the fixed first line, then the reason.
QString scanFailureText(ScanError error);

// Why the save folder cannot take scans (empty for Ok).
QString saveFolderProblemText(Status status, const std::string& folder);

// The pictures that were scanned but not saved, and where each one is kept.
QString unsavedScansText(const std::vector<ScanProblem>& problems);

// The settings' names in the dialog.
QString scanModeText(ScanMode mode);
QString scanFeedText(ScanFeed feed);
QString scanAreaText(ScanAreaKind kind, ScanAreaMm deviceMax);

// "Looking for scanners" while the device list is read.
QString scanSearchingText();

// Why the settings cannot be used, naming what the device or the image
// buffer allows (empty for none).
QString scanSettingsFaultText(const ScanSettingsCheck& check);

} // namespace pictra::ui
