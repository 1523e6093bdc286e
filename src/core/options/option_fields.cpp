// Typed values of the options sheet and the ranges they must keep.
#include "core/options/option_fields.h"

#include "core/print/print_defaults_paper.h"
#include "core/print/working_sheet.h"
#include "core/settings/settings_sanitize.h"
#include "core/util/cp932.h"
#include "core/util/fixed_text.h"
#include "core/util/typed_number.h"

#include <algorithm>
#include <limits>

namespace pictra {
namespace {

constexpr int kMaxPrintOffsetMm = 1000;
constexpr int kMaxPrintMargin = 255;   // stored in one byte

bool inRange(std::int64_t value, ValueRange range) { return value >= range.low && value <= range.high; }

template <typename T>
void store(T& target, std::int64_t value)
{
    target = static_cast<T>(value); // callers checked the range, which fits T
}

// The print defaults must give a sheet the print dialogs can lay out, with
// a grid that holds whether or not several images per sheet are allowed now.
template <typename Add>
void addPrintProblems(const PrintSettings& p, Add add)
{
    WorkingSheet sheet = sheetFromSettings(p);
    sheet.several = true;
    switch (checkLayout(sheet)) {
    case LayoutProblem::None: return;
    case LayoutProblem::BadGrid:
        add(OptionField::PrintAcross);
        add(OptionField::PrintDown);
        return;
    case LayoutProblem::BadMargin: add(OptionField::PrintMargin); return;
    case LayoutProblem::EmptySheet:
    case LayoutProblem::EmptyFrame:
        if (std::int64_t{sheet.width} - 2 * std::int64_t{sheet.offsetLeft} <= 0)
            add(OptionField::PrintWidth);
        if (std::int64_t{sheet.height} - 2 * std::int64_t{sheet.offsetTop} <= 0)
            add(OptionField::PrintHeight);
        return;
    case LayoutProblem::EmptyCells:
        add(OptionField::PrintGapX);
        add(OptionField::PrintGapY);
        return;
    }
}

} // namespace

ValueRange optionRange(OptionField field)
{
    switch (field) {
    case OptionField::SlideInterval: return {kMinSlideIntervalMs, kMaxSlideIntervalMs};
    case OptionField::RecentCount: return {0, kMaxRecentMenuItems};
    case OptionField::TipDelay: return {0, kMaxTipDelayMs};
    case OptionField::ImageBuffer: return {1, kMaxImageBufferMb};
    case OptionField::Columns:
    case OptionField::Rows: return {1, kMaxLayoutSide};
    case OptionField::GapX:
    case OptionField::GapY: return {0, kMaxFrameGap};
    case OptionField::PrintMargin: return {0, kMaxPrintMargin};
    case OptionField::PrintWidth:
    case OptionField::PrintHeight: return {1, kMaxFreePaperSideMm};
    case OptionField::PrintLeft:
    case OptionField::PrintTop:
    case OptionField::PrintGapX:
    case OptionField::PrintGapY: return {0, kMaxPrintOffsetMm};
    case OptionField::PrintAcross:
    case OptionField::PrintDown: return {1, kMaxImagesAcross};
    case OptionField::JpegQuality: return {1, 100};
    case OptionField::JpegComment: return {0, 0};
    }
    return {0, 0};
}

std::optional<std::int64_t> parseDialogNumber(std::string_view text)
{
    return readTypedNumber(text.substr(0, std::min(text.size(), kMaxNumberEditChars)));
}

std::int64_t optionValue(const WorkModeSettings& s, OptionField field)
{
    const PrintSettings& p = s.print;
    switch (field) {
    case OptionField::SlideInterval: return s.slideIntervalMs;
    case OptionField::RecentCount: return s.recentCount;
    case OptionField::TipDelay: return s.tipDelayMs;
    case OptionField::ImageBuffer: return s.imageBufferMb;
    case OptionField::Columns: return s.columns;
    case OptionField::Rows: return s.rows;
    case OptionField::GapX: return s.gapX;
    case OptionField::GapY: return s.gapY;
    case OptionField::PrintMargin: return p.margin;
    case OptionField::PrintWidth: return p.paperWidth;
    case OptionField::PrintHeight: return p.paperHeight;
    case OptionField::PrintLeft: return p.leftOffset;
    case OptionField::PrintTop: return p.topOffset;
    case OptionField::PrintAcross: return p.imagesAcross;
    case OptionField::PrintDown: return p.imagesDown;
    case OptionField::PrintGapX: return p.gapX;
    case OptionField::PrintGapY: return p.gapY;
    case OptionField::JpegQuality: return s.jpegQuality;
    case OptionField::JpegComment: return 0;
    }
    return 0;
}

EditCheck applyTypedNumber(WorkModeSettings& s, OptionField field, std::string_view text)
{
    const std::optional<std::int64_t> typed = parseDialogNumber(text);
    if (!typed)
        return EditCheck::NotANumber;
    std::int64_t value = *typed;
    if (field == OptionField::JpegQuality && qualityReplacedByFallback(text))
        value = kFallbackJpegQuality;
    if (field == OptionField::JpegComment || !inRange(value, optionRange(field)))
        return EditCheck::OutOfRange;
    PrintSettings& p = s.print;
    switch (field) {
    case OptionField::SlideInterval: store(s.slideIntervalMs, value); break;
    case OptionField::RecentCount: store(s.recentCount, value); break;
    case OptionField::TipDelay: store(s.tipDelayMs, value); break;
    case OptionField::ImageBuffer: store(s.imageBufferMb, value); break;
    case OptionField::Columns: store(s.columns, value); break;
    case OptionField::Rows: store(s.rows, value); break;
    case OptionField::GapX: store(s.gapX, value); break;
    case OptionField::GapY: store(s.gapY, value); break;
    case OptionField::PrintMargin: store(p.margin, value); break;
    case OptionField::PrintWidth: store(p.paperWidth, value); break;
    case OptionField::PrintHeight: store(p.paperHeight, value); break;
    case OptionField::PrintLeft: store(p.leftOffset, value); break;
    case OptionField::PrintTop: store(p.topOffset, value); break;
    case OptionField::PrintAcross: store(p.imagesAcross, value); break;
    case OptionField::PrintDown: store(p.imagesDown, value); break;
    case OptionField::PrintGapX: store(p.gapX, value); break;
    case OptionField::PrintGapY: store(p.gapY, value); break;
    case OptionField::JpegQuality: store(s.jpegQuality, value); break;
    case OptionField::JpegComment: break;
    }
    return EditCheck::Ok;
}

bool qualityReplacedByFallback(std::string_view text)
{
    const std::optional<std::int64_t> typed = parseDialogNumber(text);
    return typed && !inRange(*typed, optionRange(OptionField::JpegQuality));
}

EditCheck applyTypedComment(WorkModeSettings& s, std::string_view utf8)
{
    const Cp932Conversion converted = utf8ToCp932(utf8);
    if (!converted.complete)
        return EditCheck::NotCp932;
    if (converted.text.size() >= kJpegCommentBytes)
        return EditCheck::TooLong;
    (void)setFieldText(s.jpegComment, converted.text); // cannot cut: the length was checked above
    return EditCheck::Ok;
}

std::vector<OptionField> settingsProblems(const WorkModeSettings& s)
{
    std::vector<OptionField> problems;
    auto add = [&](OptionField f) {
        if (std::find(problems.begin(), problems.end(), f) == problems.end())
            problems.push_back(f);
    };
    for (int i = 0; i <= static_cast<int>(OptionField::JpegQuality); ++i) {
        const auto f = static_cast<OptionField>(i);
        if (!inRange(optionValue(s, f), optionRange(f)))
            add(f);
    }
    if (!layoutFits(s.columns, s.rows)) {
        add(OptionField::Columns);
        add(OptionField::Rows);
    }
    addPrintProblems(s.print, add);
    std::sort(problems.begin(), problems.end());
    return problems;
}

} // namespace pictra
