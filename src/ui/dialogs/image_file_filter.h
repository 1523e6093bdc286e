// The name filter of the dialogs that pick image files: every extension the
// program reads, in both letter cases, since Linux file names keep theirs.
#pragma once

#include <QString>

namespace pictra::ui {

// "画像ﾌｧｲﾙ (*.bmp *.BMP *.jpg *.JPG *.jpeg *.JPEG ...)"
QString imageFileFilter();

} // namespace pictra::ui
