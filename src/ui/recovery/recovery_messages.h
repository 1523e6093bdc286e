// The words of the start-up recovery: the offer, its per-album lines and
// question, damaged copies and a restore that failed.
#pragma once

#include "core/recovery/recovery_copies.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace pictra::ui {

inline constexpr const char* kRecoveryCaption = "変更の復元";

// The explanation above the list of albums.
QString recoveryOfferText();

// One album of the list: its file name, folder (or that it has no name yet)
// and the time of the change, in local time.
QString recoveryOfferLine(const RecoveryNote& note);

// The question for one album when there is no list to tick.
QString restoreQuestion(const QString& line);

// The copies that cannot be restored and where they are kept.
QString damagedRecoveryMessage(const std::vector<DamagedRecovery>& damaged, const QString& folder);

// A restore that failed; its copy stays for the next start.
QString restoreFailureMessage(const QString& line, Status status);

} // namespace pictra::ui
