// PARAM/wrk_mode.dat: loading and saving the whole 205-byte settings block,
// and the values shipped in it on first start.
#pragma once

#include "core/settings/work_mode_settings.h"
#include "core/util/result.h"

#include <string>
#include <vector>

namespace pictra {

// The shipped settings: 4 x 3 thumbnails with 10-pixel gaps, speed-priority
// thumbnails, slide interval 3000 ms, 4 recent albums, navigation tip on
// after 500 ms, 50 MB image buffer, the main window restoring its placement
// and the albums of the last session, one album window at start; JPEG
// baseline, quality 85, sampling 4:1:1 (2x2), comment "Pictra 1.04"; print
// on A4 (297 x 210 mm), no margin, 10 mm offsets, 2 x 2 images with 5 mm gaps
// when several per sheet are allowed (off).
WorkModeSettings defaultWorkModeSettings();

// The 205 bytes of the block.
std::vector<std::uint8_t> encodeSettings(const WorkModeSettings& settings);
// Reads the block; bytes missing from a short input read as zero, and bytes
// after the block are ignored.
WorkModeSettings decodeSettings(ByteSpan bytes);

// Reads programFolder/PARAM/wrk_mode.dat as stored (a short file gives zeros
// for its missing bytes; make the values usable with sanitizeSettings).
// NotFound when the file is missing, NoPermission/IoError when unreadable.
Result<WorkModeSettings> loadSettings(const std::string& programFolder);

// Writes all 205 bytes atomically (a failed save leaves the old file).
Status saveSettings(const std::string& programFolder, const WorkModeSettings& settings);

} // namespace pictra
