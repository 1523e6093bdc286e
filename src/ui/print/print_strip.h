// PrintStrip: the 13-cell thumbnail strip of the print dialogs, with its
// up-down (1016) and page label (1045), filled with an album window's
// images; a click on a cell names the album image.
#pragma once

#include "core/album/album_record.h"

#include <QWidget>

#include <string>
#include <vector>

namespace pictra::ui {

class PreviewPictures;
class ThumbnailStrip;

inline constexpr int kNormalPrintStripSlots = 13;

struct StripImage {
    std::string path;    // the image's own file (what gets printed)
    std::string picture; // the file its strip cell draws ("" leaves it empty)
};

class PrintStrip : public QWidget {
    Q_OBJECT
public:
    PrintStrip(PreviewPictures& pictures, QWidget* parent);

    // Every image of `album`: its own file, and the picture its cell draws
    // (the store copy in an album window, the file itself otherwise).
    void fill(const std::string& programFolder, const AlbumRecord& album);
    const std::vector<StripImage>& images() const { return m_images; }
    // Turns to the page holding album image `index`.
    void showImage(int index);
    ThumbnailStrip* strip() const { return m_strip; }
    // The cell widgets, leftmost first.
    const std::vector<QWidget*>& cells() const { return m_cells; }

signals:
    void imageClicked(int index);

private:
    PreviewPictures& m_pictures;
    ThumbnailStrip* m_strip = nullptr;
    std::vector<QWidget*> m_cells;
    std::vector<StripImage> m_images;
};

} // namespace pictra::ui
