// Installing the manual and laying down the sample data.
#include "app/program_resources.h"

#include "app/sample_pictures.h"
#include "core/album/album_window_close.h"
#include "core/album/album_write.h"
#include "core/album/store_copy.h"
#include "core/app/app_state.h"
#include "core/image_io/image_file_io.h"
#include "core/util/cp932.h"
#include "core/util/file_io.h"
#include "core/util/fixed_text.h"
#include "core/util/paths.h"
#include "core/util/program_subfolders.h"
#include "core/util/tick_count.h"
#include "ui/albumwindow/picture_loading.h"

#include <QDir>
#include <QFile>

#include <memory>

namespace pictra {

void installManual(const std::string& programFolder, const std::string& programDir)
{
    const QString target = QString::fromStdString(joinPath(programFolder, "pictra.pdf"));
    if (QFile::exists(target))
        return;
    // Beside the program in a build or a per-user installation; under
    // share/pictra in a system-wide one.
    for (const char* place : {"pictra.pdf", "../share/pictra/pictra.pdf"}) {
        const QString source = QString::fromStdString(joinPath(programDir, place));
        if (QFile::exists(source)) {
            QFile::copy(source, target);
            return;
        }
    }
}

namespace {

// Copies a drawing into the record as a 24-bit bottom-up bitmap.
Status fillRecord(const QImage& image, ImageRecord& record)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    if (const Status s = record.setup24(rgb.width(), rgb.height()); s != Status::Ok)
        return s;
    for (int y = 0; y < rgb.height(); ++y) {
        const uchar* in = rgb.constScanLine(rgb.height() - 1 - y);
        std::uint8_t* out = record.row(y);
        for (int x = 0; x < rgb.width(); ++x) {
            out[3 * x + 0] = in[3 * x + 2];
            out[3 * x + 1] = in[3 * x + 1];
            out[3 * x + 2] = in[3 * x + 0];
        }
    }
    return Status::Ok;
}

void setText(std::array<char, kTextBytes>& field, const QString& text)
{
    setFieldText(field, utf8ToCp932(text.toStdString()).text);
}

} // namespace

std::optional<std::string> makeSampleData(AppState& state)
{
    const std::string& folder = state.programFolder;
    const QDir images(QString::fromStdString(joinPath(folder, kImageFolder)));
    const std::string albumPath = joinPath(joinPath(folder, kUserFolder), kSampleAlbumName);
    if (!images.exists() || !images.isEmpty(QDir::Files) || fileExists(albumPath))
        return std::nullopt;

    ImageFileIO io(jpegSaveOptions(state.settings));
    ImageRecord& record = ui::sharedRecord(state);
    auto album = std::make_unique<AlbumRecord>();
    album->columns = 3;
    album->rows = 2;
    const std::uint32_t tick = tickCount();
    for (const SamplePicture& picture : drawSamplePictures()) {
        const std::string path = images.filePath(picture.fileName).toStdString();
        if (fillRecord(picture.image, record) != Status::Ok || io.saveImage(path, record) != Status::Ok ||
            makeStoreCopy(io, record, folder, albumPath, path) != Status::Ok)
            continue;
        ImageEntry& e = album->images[static_cast<std::size_t>(album->imageCount)];
        setFieldText(e.path, path);
        e.stamp = static_cast<std::int32_t>(tick + static_cast<std::uint32_t>(album->imageCount));
        e.year = static_cast<std::int16_t>(picture.year);
        e.month = static_cast<std::int16_t>(picture.month);
        e.day = static_cast<std::int16_t>(picture.day);
        setText(e.author, QStringLiteral("Pictra"));
        setText(e.place, picture.place);
        setText(e.summary, picture.summary);
        setFieldText(e.memo, utf8ToCp932(picture.memo.toStdString()).text);
        ++album->imageCount;
    }
    const bool written = album->imageCount > 0 && writeAlbum(*album, folder, albumPath, albumPath).ok();
    // Store copies live only while an album is open.
    (void)deleteStoreFolder(folder, albumPath); // the album is written; a leftover folder only takes space
    if (!written)
        return std::nullopt;
    return albumPath;
}

} // namespace pictra
