// ThumbnailStrip: a row of slots showing album images page by page, with an
// up-down (its up arrow goes to earlier pages) and the label "page/pages".
// The print dialogs use it as the source of drags onto their sheets; it
// only draws and answers which image lies under a point.
#pragma once

#include "core/album/album_record.h"
#include "core/print/thumbnail_strip_pages.h"

#include <QWidget>

#include <string>
#include <vector>

class QLabel;

namespace pictra::ui {

class PreviewPictures;
class UpDownControl;

struct StripImage {
    std::string path;    // the image's own file (what gets printed)
    std::string picture; // the file the slot draws ("" leaves it empty)
};

class ThumbnailStrip : public QWidget {
    Q_OBJECT
public:
    // `upDownId` and `labelId` become the object names of the up-down and
    // its label.
    ThumbnailStrip(PreviewPictures& pictures, int slotCount, const QString& upDownId, const QString& labelId,
                   QWidget* parent);

    void setImages(std::vector<StripImage> images);
    const std::vector<StripImage>& images() const { return m_images; }
    // Shows the page holding album image `index`.
    void showPageOf(int index);
    void setPage(int page);
    int page() const { return m_page; }
    const StripPages& pages() const { return m_pages; }

    // The album image under a point of this widget, or -1 (no slot, or a
    // slot past the album's end).
    int imageAt(QPoint local) const;
    // Slot `slot`'s rectangle in this widget (0 = leftmost).
    Rect slotRect(int slot) const;

    UpDownControl* upDown() const { return m_upDown; }
    QLabel* label() const { return m_label; }

signals:
    void pageChanged(int page);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void updatePaging();
    void placeControls();
    int slotAreaWidth() const;

    PreviewPictures& m_pictures;
    std::vector<StripImage> m_images;
    StripPages m_pages;
    int m_page = 0;
    UpDownControl* m_upDown = nullptr;
    QLabel* m_label = nullptr;
};

} // namespace pictra::ui
