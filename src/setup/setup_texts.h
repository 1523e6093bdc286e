// The setup program's own words: titles, the usage agreement and the
// messages that end an installation or an uninstallation.
#pragma once

#include "core/setup/installation.h"
#include "core/setup/uninstall.h"
#include "core/util/program_version.h"

#include <QString>

namespace pictra::setup {

inline constexpr const char* kSetupTitle = "Pictra Version " PICTRA_VERSION " ｾｯﾄｱｯﾌﾟ";
inline constexpr const char* kMessageTitle = "Pictra Version " PICTRA_VERSION;

// "使用許諾書" with its seven sections, lines ended by "\n".
QString agreementText();

// The last message of an installation: the success text only when every
// stage succeeded; otherwise what failed, or that the user stopped it, and
// that nothing was registered. `pdfViewer` is the desktop's PDF viewer ("" when none).
QString outcomeMessage(InstallOutcome outcome, const std::vector<InstallFailure>& failures, const QString& pdfViewer);

// Why an installation cannot start (Installation::check's refusals).
QString refusalMessage(Status status, const QString& target);

// The last message of an uninstallation.
QString uninstallMessage(const Result<UninstallReport>& report, const QString& folder);

// What the PDF-reader button tells.
QString pdfViewerMessage(const QString& pdfViewer);

} // namespace pictra::setup
