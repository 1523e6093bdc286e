// The thumbnail strip of the file dialogs.
#include "ui/widgets/thumbnail_strip.h"

#include "core/print/thumbnail_strip_pages.h"
#include "ui/drawing/image_painter.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

namespace pictra::ui {

// One picture cell of the strip: paints through the strip and reports clicks.
class StripCell final : public QWidget {
public:
    StripCell(ThumbnailStrip& strip, int index) : QWidget(&strip), m_strip(strip), m_index(index) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        m_strip.paintCell(painter, m_index, rect());
    }
    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton)
            m_strip.cellPressed(m_index);
    }

private:
    ThumbnailStrip& m_strip;
    int m_index;
};

namespace {

// The range of the up-down control: positions 0..100, up arrow towards 0.
constexpr int kSpinMaximum = 100;
// A cell holds few letters of a name: the labels use a smaller type.
constexpr double kLabelTypeShare = 0.85;

QRect boundingRect(const StripLayout& layout)
{
    QRect all = layout.spin.united(layout.pageLabel);
    for (const QRect& r : layout.cells)
        all = all.united(r);
    for (const QRect& r : layout.labels)
        all = all.united(r);
    return all;
}

} // namespace

ThumbnailStrip::ThumbnailStrip(const StripLayout& layout, QWidget* parent) : QWidget(parent)
{
    const QRect area = boundingRect(layout);
    setGeometry(area);
    const QPoint origin = area.topLeft();
    for (std::size_t k = 0; k < layout.cells.size(); ++k) {
        auto* cell = new StripCell(*this, static_cast<int>(k));
        cell->setObjectName(k < layout.cellIds.size() ? layout.cellIds[k] : QString());
        cell->setGeometry(layout.cells[k].translated(-origin));
        m_cells.push_back(cell);
    }
    for (std::size_t k = 0; k < layout.labels.size(); ++k) {
        auto* label = new QLabel(this);
        label->setObjectName(k < layout.labelIds.size() ? layout.labelIds[k] : QString());
        label->setGeometry(layout.labels[k].translated(-origin));
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        QFont small = label->font();
        small.setPointSizeF(small.pointSizeF() * kLabelTypeShare);
        label->setFont(small);
        m_labels.push_back(label);
    }
    m_spin = new QScrollBar(Qt::Vertical, this);
    m_spin->setObjectName(layout.spinId);
    m_spin->setGeometry(layout.spin.translated(-origin));
    m_spin->setRange(0, kSpinMaximum);
    m_spin->setSingleStep(1);
    m_spin->setPageStep(1);
    connect(m_spin, &QScrollBar::valueChanged, this, &ThumbnailStrip::spinTo);
    m_pageLabel = new QLabel(QStringLiteral("1/1"), this);
    m_pageLabel->setObjectName(layout.pageLabelId);
    m_pageLabel->setGeometry(layout.pageLabel.translated(-origin));
}

StripPages ThumbnailStrip::pages() const { return {cellCount(), static_cast<int>(m_names.size())}; }

int ThumbnailStrip::itemInCell(int cell) const { return pages().imageAt(m_page, cell); }

void ThumbnailStrip::setNames(const QStringList& names)
{
    m_names = names;
    const int lastPage = pages().pageCount() - 1;
    if (m_page > lastPage) {
        m_page = lastPage;
        const QSignalBlocker block(m_spin);
        m_spin->setValue(m_page);
    }
    refreshTexts();
    repaintCells();
}

void ThumbnailStrip::setPage(int page)
{
    m_spin->setValue(page);
}

void ThumbnailStrip::repaintCells()
{
    for (QWidget* cell : m_cells)
        cell->update();
}

void ThumbnailStrip::paintCell(QPainter& painter, int cell, const QRect& rect)
{
    ImagePainter draw(painter);
    // The frame runs along the last pixel row and column, inside the widget.
    const Rect box{0, 0, rect.width() - 1, rect.height() - 1};
    draw.fillCell(box);
    draw.drawFrame(box);
    const int item = itemInCell(cell);
    if (item >= 0 && m_painter)
        m_painter(painter, rect, item);
}

void ThumbnailStrip::cellPressed(int cell)
{
    const int item = itemInCell(cell);
    if (item >= 0)
        emit itemClicked(item);
}

void ThumbnailStrip::spinTo(int position)
{
    const int before = m_page;
    const StripTurn turn = pages().turn(m_page, position);
    m_page = turn.page;
    if (turn.spinPosition != position) {
        const QSignalBlocker block(m_spin);
        m_spin->setValue(turn.spinPosition);
    }
    if (turn.turned) {
        refreshTexts();
        repaintCells();
    }
    if (position != before)
        emit spinMoved(turn.turned);
}

void ThumbnailStrip::refreshTexts()
{
    for (std::size_t k = 0; k < m_labels.size(); ++k) {
        const int item = itemInCell(static_cast<int>(k));
        const QString name = item >= 0 ? m_names[item] : QString();
        // The name's start and its number and extension at the end tell
        // files apart; a label too narrow for it gives up the middle.
        QLabel* label = m_labels[k];
        label->setText(label->fontMetrics().elidedText(name, Qt::ElideMiddle, label->contentsRect().width()));
        label->setToolTip(name);
    }
    m_pageLabel->setText(QString::fromStdString(pages().label(m_page)));
}

} // namespace pictra::ui
