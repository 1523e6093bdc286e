// The user's words about metadata: texts from pictures cut to their fields,
// entries without a date taken, and what "XMPに書き出す" wrote.
#pragma once

#include "core/util/result.h"

#include <QString>

#include <string>
#include <utility>
#include <vector>

namespace pictra::ui {

// The texts the pictures `images` carry did not fit the album's fields (or
// held characters the album cannot store) and were shortened.
QString shortenedTextsMessage(const std::vector<std::string>& images);

// "撮影日を日付に入れる" found no date taken in `images`; their dates stay.
QString noDateTakenMessage(const std::vector<std::string>& images);

// "XMPに書き出す": how many sidecars were written and which pictures failed, and why.
QString sidecarExportMessage(std::size_t written, const std::vector<std::pair<std::string, Status>>& failed);

} // namespace pictra::ui
