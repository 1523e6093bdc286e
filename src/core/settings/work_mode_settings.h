// WorkModeSettings: the 205-byte settings block of PARAM/wrk_mode.dat, five
// sections one after another (window mode, values, album layout, print
// defaults, JPEG save options). Read whole at start, written whole.
#pragma once

#include "core/util/byte_reader.h"
#include "core/util/byte_writer.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace pictra {

inline constexpr std::size_t kWorkModeSettingsBytes = 205;
inline constexpr std::size_t kPrintSettingsBytes = 43;
inline constexpr std::size_t kPaperNameBytes = 9;
inline constexpr std::size_t kJpegCommentBytes = 100;

enum class JpegCoding : std::uint8_t { Baseline = 1, Progressive = 2 };
enum class JpegSampling : std::uint8_t { S411 = 1, S421 = 2, S444 = 3 }; // "４：１：１" (2x2), "４：２：１" (2x1), "４：４：４"

// Print page defaults, 43 bytes at offset 56.
struct PrintSettings {
    std::uint8_t allowSeveral = 0;                // 0: "同時印刷を許可"
    std::array<char, kPaperNameBytes> paper{};    // 1: paper name, CP932 ("FREEｻｲｽﾞ" = free size)
    std::uint8_t margin = 0;                      // 10: "余白"
    std::int32_t paperWidth = 0;                  // 11
    std::int32_t paperHeight = 0;                 // 15
    std::int32_t leftOffset = 0;                  // 19
    std::int32_t topOffset = 0;                   // 23
    std::int32_t imagesAcross = 0;                // 27
    std::int32_t imagesDown = 0;                  // 31
    std::int32_t gapX = 0;                        // 35
    std::int32_t gapY = 0;                        // 39
    friend bool operator==(const PrintSettings&, const PrintSettings&) = default;
};

struct WorkModeSettings {
    std::int32_t reserved0 = 0;            // 0: no control, written back unchanged
    std::int32_t childMaximized = 0;       // 4: "子ウインドを最大化でオープンする"
    std::int32_t mainMaximized = 0;        // 8: "親ウインドを最大化でオープンする"
    std::int32_t restorePlacement = 0;     // 12: "起動時に前回のウインド状態を復元する"
    std::int32_t restoreWork = 0;          // 16: "起動時に前回の作業状態を復元する"
    std::int32_t openWindowAtStart = 0;    // 20: "起動時に子ウインドを開く"
    std::int32_t slideIntervalMs = 0;      // 24: "スライド間隔"
    std::int32_t recentCount = 0;          // 28: "ファイル履歴数"
    std::int32_t tipDelayMs = 0;           // 32: "遅延時間"
    std::int32_t tipEnabled = 0;           // 36: "ナビゲーションを有効にする"
    std::int32_t imageBufferMb = 0;        // 40: "イメージバッファ"
    std::int16_t columns = 0;              // 44: "横" (low byte used)
    std::int16_t rows = 0;                 // 46: "縦" (low byte used)
    std::int16_t gapX = 0;                 // 48: "左右"
    std::int16_t gapY = 0;                 // 50: "上下"
    std::int16_t reserved52 = 0;           // 52: no control, written back unchanged
    std::int16_t thumbnailQuality = 0;     // 54: 0 "速度優先" (store copies), else "画質優先" (source files)
    PrintSettings print;                   // 56
    std::uint8_t jpegCoding = 0;           // 99: JpegCoding
    std::int32_t jpegQuality = 0;          // 100: 1..100
    std::uint8_t jpegSampling = 0;         // 104: JpegSampling
    std::array<char, kJpegCommentBytes> jpegComment{}; // 105: CP932
    friend bool operator==(const WorkModeSettings&, const WorkModeSettings&) = default;
};

WorkModeSettings readWorkModeSettings(ByteReader& in);
void writeWorkModeSettings(ByteWriter& out, const WorkModeSettings& settings);

} // namespace pictra
