// The album open dialog's thumbnail strip.
#include "ui/dialogs/album_preview_strip.h"

#include "core/util/fixed_text.h"
#include "ui/drawing/image_painter.h"
#include "ui/widgets/thumbnail_strip.h"

#include <QHBoxLayout>
#include <QStringList>

#include <algorithm>
#include <new>

namespace pictra::ui {
namespace {

// Embedded copies are reduced to 640 × 480; this leaves room for larger ones.
constexpr std::size_t kThumbnailBufferBytes = 16'000'000;
constexpr int kCellIds[kPreviewStripCells] = {1031, 1032, 1033, 1034, 1035, 1036, 1037, 1042};
constexpr int kCellWidth = 84;
constexpr int kCellHeight = 63;
constexpr int kCellGap = 6;

StripLayout previewLayout()
{
    StripLayout layout;
    for (int i = 0; i < kPreviewStripCells; ++i) {
        layout.cells.emplace_back(i * (kCellWidth + kCellGap), 0, kCellWidth, kCellHeight);
        layout.cellIds.push_back(QString::number(kCellIds[i]));
    }
    const int right = kPreviewStripCells * (kCellWidth + kCellGap);
    layout.pageLabel = QRect(right, 22, 44, 20);
    layout.pageLabelId = QStringLiteral("1058");
    layout.spin = QRect(right + 46, 8, 16, 48);
    layout.spinId = QStringLiteral("1016");
    return layout;
}

} // namespace

AlbumPreviewStrip::AlbumPreviewStrip(std::string scratchFolder, QWidget* parent)
    : QWidget(parent), m_folder(std::move(scratchFolder))
{
    auto* holder = new QWidget(this);
    m_strip = new ThumbnailStrip(previewLayout(), holder);
    m_strip->move(0, 0);
    holder->setFixedSize(m_strip->geometry().size());
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 4, 0, 0);
    layout->addWidget(holder);
    layout->addStretch();
    m_strip->setCellPainter([this](QPainter& painter, const QRect& cell, int item) { drawPicture(painter, cell, item); });
    connect(m_strip, &ThumbnailStrip::spinMoved, this, [this](bool turned) {
        if (turned)
            extractPage();
    });
    clearAlbumPreviews(m_folder);
}

AlbumPreviewStrip::~AlbumPreviewStrip() { clearAlbumPreviews(m_folder); }

int AlbumPreviewStrip::page() const { return m_strip->page(); }

void AlbumPreviewStrip::showAlbum(const std::string& path)
{
    auto index = path.empty() ? Result<AlbumPreviewIndex>(Status::NotFound) : indexAlbumPreviews(path);
    m_index = index ? std::move(*index) : AlbumPreviewIndex{};
    m_strip->setNames({}); // back to the first page
    QStringList names;
    for (int i = 0; i < m_index.count(); ++i)
        names << QString();
    m_strip->setNames(names);
    extractPage();
}

void AlbumPreviewStrip::extractPage()
{
    clearAlbumPreviews(m_folder);
    m_files = extractAlbumPreviews(m_index, page() * kPreviewStripCells, kPreviewStripCells, m_folder);
    m_strip->repaintCells();
}

int AlbumPreviewStrip::filledCells() const
{
    return static_cast<int>(std::count_if(m_files.begin(), m_files.end(), [](const std::string& f) { return !f.empty(); }));
}

void AlbumPreviewStrip::drawPicture(QPainter& painter, const QRect& cell, int item)
{
    const int slot = item - page() * kPreviewStripCells;
    if (slot < 0 || slot >= static_cast<int>(m_files.size()) || m_files[static_cast<std::size_t>(slot)].empty())
        return;
    if (!m_buffers) {
        try {
            m_buffers = std::make_unique<ImageBuffers>(kThumbnailBufferBytes);
        } catch (const std::bad_alloc&) {
            return; // no memory for thumbnails: the cells stay white
        }
    }
    ImageRecord& record = m_buffers->record();
    if (!pictureLoaded(m_io.loadImage(m_files[static_cast<std::size_t>(slot)], record)))
        return;
    ImagePainter(painter).drawFitted({0, 0, cell.width() - 1, cell.height() - 1}, record);
}

} // namespace pictra::ui
