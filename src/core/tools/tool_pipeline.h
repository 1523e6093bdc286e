// The tool dialogs' work without widgets: the source picture and the edited
// result held in memory, the scratch BMP written after every change, and
// reading it back before the result may replace or join anything.
#pragma once

#include "core/image/image_record.h"
#include "core/tools/tool_edit.h"
#include "core/util/result.h"

#include <cstddef>
#include <string>

namespace pictra {

// Pixel bytes a result buffer needs for every edit of `source` (quarter
// turns re-pad the rows for the exchanged width).
std::size_t toolResultBytes(const ImageRecord& source);

// Copies headers, outline, palette and pixels. TooLarge when the pixels do
// not fit `to`'s buffer, InvalidArgument for a record with no sound picture.
Status copyPicture(const ImageRecord& from, ImageRecord& to);

// result := source with the edit applied; the copy's or the filter's failure.
Status computeToolEdit(const ImageRecord& source, const ToolEdit& edit, ImageRecord& result);

// Writes the result as the tool's scratch BMP, making its folder if needed.
Status writeScratch(const std::string& path, const ImageRecord& result);

// Reads the scratch file into `into` and checks it holds exactly `expected`
// (size, depth and every pixel byte): Corrupt when it differs, the read's
// failure when it cannot be read. Only then may the result be stored.
Status readScratchBack(const std::string& path, const ImageRecord& expected, ImageRecord& into);

} // namespace pictra
