// The print dialogs' thumbnail strip.
#include "ui/print/print_strip.h"

#include "core/album/cell_picture.h"
#include "core/print/thumbnail_strip_pages.h"
#include "ui/print/preview_pictures.h"
#include "ui/widgets/thumbnail_strip.h"

#include <QPainter>

namespace pictra::ui {

PrintStrip::PrintStrip(PreviewPictures& pictures, QWidget* parent) : QWidget(parent), m_pictures(pictures)
{
    static constexpr const char* kCellIds[kNormalPrintStripSlots] = {
        "1031", "1032", "1033", "1034", "1035", "1036", "1037", "1042", "1052", "1012", "1013", "1043", "1054"};
    constexpr int kCell = 48;
    constexpr int kGap = 4;
    StripLayout layout;
    for (int k = 0; k < kNormalPrintStripSlots; ++k) {
        layout.cells.push_back(QRect(k * (kCell + kGap), 0, kCell, kCell));
        layout.cellIds.push_back(QString::fromLatin1(kCellIds[k]));
    }
    const int right = kNormalPrintStripSlots * (kCell + kGap);
    layout.spin = QRect(right + 4, 4, 16, kCell - 8);
    layout.spinId = QStringLiteral("1016");
    layout.pageLabel = QRect(right + 26, kCell / 2 - 8, 44, 16);
    layout.pageLabelId = QStringLiteral("1045");
    setFixedSize(right + 72, kCell);
    m_strip = new ThumbnailStrip(layout, this);
    for (const QString& id : layout.cellIds)
        m_cells.push_back(m_strip->findChild<QWidget*>(id));
    m_strip->setCellPainter([this](QPainter& painter, const QRect& cell, int item) {
        const Rect inside{0, 0, cell.width() - 1, cell.height() - 1};
        m_pictures.drawFitted(painter, inside, m_images[static_cast<std::size_t>(item)].picture);
    });
    connect(m_strip, &ThumbnailStrip::itemClicked, this, &PrintStrip::imageClicked);
}

void PrintStrip::fill(const std::string& programFolder, const AlbumRecord& album)
{
    const bool isAlbum = album.kind == AlbumKind::Album;
    const std::string albumPath = albumFilePath(album);
    QStringList names;
    m_images.clear();
    for (int i = 0; i < album.imageCount && i < kMaxAlbumImages; ++i) {
        const std::string path = imageFilePath(album.images[static_cast<std::size_t>(i)]);
        const std::string picture =
            isAlbum ? cellPicturePath(programFolder, albumPath, path, kNormalPrintStripSlots, DisplayMethod::Speed)
                    : path;
        m_images.push_back({path, picture});
        names << QString::fromStdString(path);
    }
    m_strip->setNames(names);
}

void PrintStrip::showImage(int index)
{
    m_strip->setPage(StripPages{kNormalPrintStripSlots, static_cast<int>(m_images.size())}.pageOf(std::max(index, 0)));
}

} // namespace pictra::ui
