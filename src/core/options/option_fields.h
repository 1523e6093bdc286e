// The numbers and texts the options sheet edits: how a typed text becomes a
// settings value, which values are accepted, and the rules that tie several
// fields together. The accepted ranges are the ones the program applies to
// the settings at start, so a value saved here is never replaced later.
#pragma once

#include "core/settings/work_mode_settings.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace pictra {

// The JPEG quality stored when the typed quality is outside 1..100.
inline constexpr int kFallbackJpegQuality = 80;
// A number edit reads at most this many characters.
inline constexpr std::size_t kMaxNumberEditChars = 100;

enum class OptionField {
    SlideInterval,
    RecentCount,
    TipDelay,
    ImageBuffer,
    Columns,
    Rows,
    GapX,
    GapY,
    PrintMargin,
    PrintWidth,
    PrintHeight,
    PrintLeft,
    PrintTop,
    PrintAcross,
    PrintDown,
    PrintGapX,
    PrintGapY,
    JpegQuality,
    JpegComment,
};

struct ValueRange {
    std::int64_t low = 0;
    std::int64_t high = 0;
};

// The values a number field accepts (JpegComment has none: see checkComment).
ValueRange optionRange(OptionField field);

// A number typed into an edit, read like "%d": leading blanks, an optional
// sign and the digits that follow, of the first kMaxNumberEditChars
// characters; anything after the digits is ignored. nullopt when no digit
// follows. A number too long for int64 stops growing past 10^17 (beyond every range).
std::optional<std::int64_t> parseDialogNumber(std::string_view text);

enum class EditCheck { Ok, NotANumber, OutOfRange, NotCp932, TooLong };

// Takes the text typed for a number field into `settings` when it is
// accepted; otherwise the field keeps its value and the result says why.
// A quality outside 1..100 is stored as kFallbackJpegQuality (and is Ok).
EditCheck applyTypedNumber(WorkModeSettings& settings, OptionField field, std::string_view text);

// True when `text` is a quality that applyTypedNumber stores as
// kFallbackJpegQuality: a number outside 1..100.
bool qualityReplacedByFallback(std::string_view text);

// Takes a typed comment (UTF-8) into the JPEG comment field: refused with
// NotCp932 when a character has no CP932 form, TooLong above 99 CP932 bytes
// (the field keeps room for its terminating zero).
EditCheck applyTypedComment(WorkModeSettings& settings, std::string_view utf8);

// The value of a number field as stored.
std::int64_t optionValue(const WorkModeSettings& settings, OptionField field);

// Every field of `settings` the sheet would refuse to save: single values
// out of range, and the rules across fields (a page of at most 100
// thumbnails, at most 500 print cells, a print sheet larger than its
// offsets). The fields are named once each, in the order of the sheet.
std::vector<OptionField> settingsProblems(const WorkModeSettings& settings);

} // namespace pictra
