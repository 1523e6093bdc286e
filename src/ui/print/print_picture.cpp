// Pictures for printing.
#include "ui/print/print_picture.h"

#include "core/image/image_record.h"
#include "core/image_io/image_file_io.h"
#include "ui/drawing/image_painter.h"

namespace pictra::ui {

LoadedPicture loadPrintPicture(const std::string& path, std::size_t imageBufferBytes)
{
    ImageBuffers buffers(imageBufferBytes);
    ImageFileIO io;
    const Status loaded = io.loadImage(path, buffers.record());
    if (!pictureLoaded(loaded))
        return {QImage(), loaded};
    QImage image = uprightImage(buffers.record());
    if (image.isNull())
        return {QImage(), Status::TooLarge};
    return {image, Status::Ok};
}

} // namespace pictra::ui
