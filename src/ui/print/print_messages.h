// The user's words for what keeps a print dialog from laying out or printing.
#pragma once

#include "core/print/working_sheet.h"
#include "ui/print/print_renderer.h"

#include <QString>

namespace pictra::ui {

// Why the sheet cannot be laid out; empty for LayoutProblem::None.
QString layoutProblemText(LayoutProblem problem);

inline constexpr const char* kPrintListFull = "印刷リストに入れられる画像は255枚までです。";
inline constexpr const char* kPrintNotStarted = "印刷を開始できませんでした。プリンタの設定を確かめてください。";

// A paper picked in the printer's set-up that the job cannot take (`width` x
// `height` mm as printed): the job keeps its own paper, named with its size.
QString printerPaperNotTakenText(double width, double height, const QString& kept, double keptWidth,
                                 double keptHeight);

// The pictures a job left blank, one "name: reason" line each.
QString skippedPicturesText(const std::vector<SkippedPicture>& skipped);

} // namespace pictra::ui
