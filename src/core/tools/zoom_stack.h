// The zoom stack of a single-image window: every zoom level's outline of the
// picture in client coordinates, kept in a file in the program folder's TEMP
// folder so that zoom back can step through them:
//
//   [int32 n][outline 1: p0..p3, 8 doubles x, y][outline 2] ... [outline n]
//
// Outline n is the level shown. The file is named after the picture and the
// window, so two windows never share one.
#pragma once

#include "core/image/image_record.h"
#include "core/util/byte_reader.h"
#include "core/util/result.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pictra {

inline constexpr std::size_t kZoomOutlineBytes = 64;
// More levels than anyone zooms; a larger count marks a broken file.
inline constexpr int kMaxZoomLevels = 4096;
// Outline corners beyond this (client pixels) mark a broken file.
inline constexpr double kMaxZoomCoordinate = 1e9;

// programFolder/TEMP/<BaseName of the picture>.<viewId>.dat
std::string zoomStackPath(std::string_view programFolder, std::string_view imagePath, std::uint64_t viewId);

// The outlines of a stack file's bytes. Corrupt when the count is below 1 or
// above kMaxZoomLevels, Truncated when the file holds fewer outlines than
// its count, Corrupt when an outline has a corner that is not finite or
// beyond kMaxZoomCoordinate, or no positive width and height.
Result<std::vector<Outline>> parseZoomStack(ByteSpan data);
std::vector<std::uint8_t> serializeZoomStack(std::span<const Outline> levels);

// The same on the file; NotFound when there is none.
Result<std::vector<Outline>> readZoomStack(const std::string& path);
// Writes the levels (creating TEMP when needed); the write's failure.
Status writeZoomStack(const std::string& path, std::span<const Outline> levels);

} // namespace pictra
