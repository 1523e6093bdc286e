// Making stored settings safe to use: a damaged or all-zero wrk_mode.dat must
// not give an album page of 0 columns, a zero slide timer or a 2 GB image
// buffer. The file itself is left as stored.
#pragma once

#include "core/settings/work_mode_settings.h"

namespace pictra {

inline constexpr int kMaxLayoutSide = 255;       // columns and rows are stored as one byte per album
inline constexpr int kMaxPageCells = 100;        // cells on one album page
// A print grid holds at most this many images across or down.
inline constexpr int kMaxImagesAcross = 255;
inline constexpr int kMinSlideIntervalMs = 100;
inline constexpr int kMaxSlideIntervalMs = 3'600'000;
inline constexpr int kMaxRecentMenuItems = 10;
inline constexpr int kMaxTipDelayMs = 60'000;
inline constexpr int kMaxImageBufferMb = 1000;
// The image-buffer value older versions shipped. The options sheet that could
// set it did not exist, so a file holding it never reflects a choice and it
// reads as today's default.
inline constexpr int kOldShippedImageBufferMb = 50;
inline constexpr int kMaxFrameGap = 1000;        // thumbnail frame gaps, pixels

// True when columns x rows is a usable page: each 1..255, product <= 100.
bool layoutFits(int columns, int rows);

// A copy of `stored` in which every value outside its sound range is replaced
// by the shipped default (the columns and rows together, so the page keeps
// a shape that fits). Values in range, including the fields without a
// control, are kept exactly.
WorkModeSettings sanitizeSettings(const WorkModeSettings& stored);

} // namespace pictra
