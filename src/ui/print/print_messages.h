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

// The pictures a job left blank, one "name: reason" line each.
QString skippedPicturesText(const std::vector<SkippedPicture>& skipped);

} // namespace pictra::ui
