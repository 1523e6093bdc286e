// The strip of eight thumbnails under the album open dialog's file list:
// the embedded copies of the selected album, a page at a time, in the
// shared thumbnail strip (page label "n/m", up-down with up = the earlier
// page). Each page's copies are extracted into a private scratch folder
// only when the page is shown.
#pragma once

#include "core/album/album_previews.h"
#include "core/image/image_record.h"
#include "core/image_io/image_file_io.h"

#include <QWidget>

#include <memory>
#include <string>
#include <vector>

class QPainter;

namespace pictra::ui {

class ThumbnailStrip;

inline constexpr int kPreviewStripCells = 8;

class AlbumPreviewStrip : public QWidget {
    Q_OBJECT
public:
    // `scratchFolder` receives the extracted copies; only files this strip
    // writes there are ever deleted.
    AlbumPreviewStrip(std::string scratchFolder, QWidget* parent);
    ~AlbumPreviewStrip() override;

    // Shows the album at `path` from its first page; a file that is not an
    // album, or cannot be read, shows an empty strip.
    void showAlbum(const std::string& path);

    int page() const;
    int count() const { return m_index.count(); }
    // How many cells of the page show an extracted copy.
    int filledCells() const;

private:
    void extractPage();
    void drawPicture(QPainter& painter, const QRect& cell, int item);

    std::string m_folder;
    ThumbnailStrip* m_strip = nullptr;
    AlbumPreviewIndex m_index;
    std::vector<std::string> m_files; // the shown page's copies, "" where none
    ImageFileIO m_io;
    std::unique_ptr<ImageBuffers> m_buffers;
};

} // namespace pictra::ui
