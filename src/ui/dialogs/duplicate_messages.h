// The question about pictures that an add would put into an album twice.
#pragma once

#include "core/recognise/duplicate_pictures.h"

#include <QString>

#include <span>
#include <string>

namespace pictra::ui {

// Names each repeated picture (`offered[d.offered]`) with the picture it
// repeats and asks whether to add them anyway; はい adds them all, いいえ the
// others only, ｷｬﾝｾﾙ nothing.
QString duplicatePicturesQuestion(std::span<const std::string> offered, std::span<const DuplicatePicture> duplicates);

} // namespace pictra::ui
