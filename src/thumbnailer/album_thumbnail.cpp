// Drawing an album's icon from its first embedded picture.
#include "thumbnailer/album_thumbnail.h"

#include "core/album/album_covers.h"
#include "core/image/shared_image.h"
#include "core/image_io/thumbnail_loader.h"
#include "core/settings/settings_file.h"

#include <QPainter>

namespace pictra {
namespace {

QImage toQImage(const ImageRecord& record)
{
    const int w = record.width();
    const int h = record.height();
    QImage image(w, h, QImage::Format_RGB888);
    for (int y = 0; y < h; ++y) {
        const std::uint8_t* src = record.row(h - 1 - y); // rows are stored bottom-up
        uchar* dst = image.scanLine(y);
        for (int x = 0; x < w; ++x) {
            dst[3 * x] = src[3 * x + 2];
            dst[3 * x + 1] = src[3 * x + 1];
            dst[3 * x + 2] = src[3 * x];
        }
    }
    return image;
}

} // namespace

Result<QImage> renderAlbumThumbnail(const QString& albumPath, int size)
{
    if (size < 1 || size > kMaxThumbnailSize)
        return Status::InvalidArgument;
    auto covers = readAlbumCoversFromFile(albumPath.toStdString(), 1);
    if (!covers)
        return covers.status();
    if (covers->empty())
        return Status::NotFound;
    // The shipped image-buffer cap: the file manager runs us without the user's settings.
    auto decoded = decodeJpegThumbnail(covers->front(), size, size, imageBufferBytes(defaultWorkModeSettings()));
    if (!decoded)
        return Status::Corrupt;
    const QImage picture = toQImage((*decoded)->record());

    // Two pages peek out behind the picture, so the icon reads as an album.
    const int step = std::max(1, size / 24);
    const QSize room(size - 2 * step, size - 2 * step);
    const QImage fitted = picture.scaled(room.expandedTo(QSize(1, 1)), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    const int x = (size - fitted.width() - 2 * step) / 2;
    const int y = (size - fitted.height() - 2 * step) / 2;
    for (int page = 2; page >= 1; --page) {
        const QRect back(x + page * step, y + page * step, fitted.width(), fitted.height());
        painter.fillRect(back, QColor(250, 250, 250));
        painter.setPen(QColor(120, 120, 120));
        painter.drawRect(back.adjusted(0, 0, -1, -1));
    }
    painter.drawImage(x, y, fitted);
    painter.setPen(QColor(60, 60, 60));
    painter.drawRect(QRect(x, y, fitted.width(), fitted.height()).adjusted(0, 0, -1, -1));
    painter.end();
    return icon;
}

} // namespace pictra
