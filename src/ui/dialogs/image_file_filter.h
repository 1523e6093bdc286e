// The name filters of the dialogs that pick image files, built from the
// format table in both letter cases, since Linux file names keep theirs.
#pragma once

#include <QString>

namespace pictra::ui {

// Every type the program reads: "画像ﾌｧｲﾙ (*.bmp *.BMP *.jpg *.JPG *.jpeg *.JPEG ...)"
QString imageFileFilter();
// Every type the program writes, for the dialogs that save a picture.
QString writableImageFileFilter();

} // namespace pictra::ui
