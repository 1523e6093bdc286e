// The sortable list of search results.
#include "ui/search/search_result_list.h"

#include "core/util/paths.h"

#include <QDateTime>
#include <QFileInfo>
#include <QHeaderView>
#include <QLocale>

namespace pictra::ui {
namespace {

constexpr int kPathRole = Qt::UserRole;
// The number a column sorts by where its text would sort wrongly.
constexpr int kSortRole = Qt::UserRole + 1;

QString text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// "1,234 KB", rounded up as file managers show it, so a small file never reads "0 KB".
QString sizeText(qint64 bytes) { return QLocale::c().toString((bytes + 1023) / 1024) + QStringLiteral(" KB"); }

// The run of digits starting at `at`, without its leading zeros.
QStringView digitRun(QStringView text, qsizetype& at)
{
    while (at < text.size() && text[at] == QLatin1Char('0') && at + 1 < text.size() && text[at + 1].isDigit())
        ++at;
    const qsizetype start = at;
    while (at < text.size() && text[at].isDigit())
        ++at;
    return text.sliced(start, at - start);
}

// "IMG_9" before "IMG_10": digit runs compare by value, the rest without
// regard to case; the texts themselves break a tie.
bool naturalLess(QStringView a, QStringView b)
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            const QStringView x = digitRun(a, i);
            const QStringView y = digitRun(b, j);
            if (x.size() != y.size())
                return x.size() < y.size();
            if (const int c = x.compare(y); c != 0)
                return c < 0;
            continue;
        }
        const char32_t x = QChar::toCaseFolded(a[i].unicode());
        const char32_t y = QChar::toCaseFolded(b[j].unicode());
        if (x != y)
            return x < y;
        ++i;
        ++j;
    }
    if ((a.size() - i) != (b.size() - j))
        return a.size() - i < b.size() - j;
    return a < b;
}

class ResultRow : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;

    bool operator<(const QTreeWidgetItem& other) const override
    {
        const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
        const QVariant mine = data(column, kSortRole);
        if (mine.isValid())
            return mine.toLongLong() < other.data(column, kSortRole).toLongLong();
        return naturalLess(text(column), other.text(column));
    }
};

} // namespace

SearchResultList::SearchResultList(QWidget* parent) : QTreeWidget(parent)
{
    setRootIsDecorated(false);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setTextElideMode(Qt::ElideMiddle); // a folder's last parts tell it apart
    setHeaderLabels({QStringLiteral("No"), QStringLiteral("ファイル名"), QStringLiteral("属性"),
                     QStringLiteral("ディレクトリ"), QStringLiteral("サイズ"), QStringLiteral("更新日時")});
    const int widths[ColumnCount] = {32, 90, 40, 150, 70, 110};
    for (int c = 0; c < ColumnCount; ++c)
        setColumnWidth(c, widths[c]);
    // The list sorts only when a heading is clicked, so the numbers can follow each sort.
    header()->setSectionsClickable(true);
    header()->setSortIndicatorShown(true);
    header()->setSortIndicator(m_sortColumn, m_sortOrder);
    connect(header(), &QHeaderView::sectionClicked, this, &SearchResultList::headingClicked);
}

void SearchResultList::addPaths(const std::vector<std::string>& paths)
{
    if (topLevelItemCount() == 0)
        m_found = 0;
    for (const std::string& path : paths) {
        const QFileInfo info(text(path));
        const QDateTime modified = info.lastModified();
        auto* row = new ResultRow({QString(), text(BaseName(path)), text(extensionOf(path)),
                                   text(folderPart(path)) + QLatin1Char('/'), sizeText(info.size()),
                                   modified.toString(QStringLiteral("yyyy/MM/dd HH:mm"))});
        row->setData(Number, kPathRole, text(path));
        row->setData(Number, kSortRole, ++m_found);
        row->setData(Size, kSortRole, info.size());
        row->setData(Modified, kSortRole, modified.toMSecsSinceEpoch());
        row->setTextAlignment(Size, Qt::AlignRight | Qt::AlignVCenter);
        addTopLevelItem(row);
    }
    if (m_sortColumn != Number || m_sortOrder != Qt::AscendingOrder)
        sortItems(m_sortColumn, m_sortOrder);
    renumber();
}

void SearchResultList::sortRows(int column, Qt::SortOrder order)
{
    m_sortColumn = column;
    m_sortOrder = order;
    header()->setSortIndicator(column, order);
    sortItems(column, order);
    renumber();
}

void SearchResultList::renumber()
{
    for (int i = 0; i < topLevelItemCount(); ++i)
        topLevelItem(i)->setText(Number, QString::number(i + 1));
}

std::string SearchResultList::rowPath(const QTreeWidgetItem& row)
{
    return row.data(Number, kPathRole).toString().toStdString();
}

void SearchResultList::headingClicked(int column)
{
    const bool again = column == m_sortColumn && m_sortOrder == Qt::AscendingOrder;
    sortRows(column, again ? Qt::DescendingOrder : Qt::AscendingOrder);
}

} // namespace pictra::ui
