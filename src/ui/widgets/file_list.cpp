// The shared file list of the dialogs.
#include "ui/widgets/file_list.h"

#include "core/util/paths.h"

#include <QTreeWidget>

namespace pictra::ui {
namespace {

QString text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

} // namespace

QTreeWidget* makeFileList(QWidget* parent, int attributeWidth)
{
    auto* list = new QTreeWidget(parent);
    list->setRootIsDecorated(false);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setHeaderLabels({QStringLiteral("No"), QStringLiteral("ファイル名"), QStringLiteral("属性"),
                           QStringLiteral("ディレクトリ")});
    const int widths[] = {30, 100, attributeWidth, 600};
    for (int c = 0; c < 4; ++c)
        list->setColumnWidth(c, widths[c]);
    return list;
}

QTreeWidgetItem* addFileRow(QTreeWidget& list, int number, const std::string& path, FolderColumn folder)
{
    QString folderText = text(folderPart(path));
    if (folder == FolderColumn::WithSeparator)
        folderText += QLatin1Char('/');
    auto* row = new QTreeWidgetItem(
        {QString::number(number), text(BaseName(path)), text(extensionOf(path)), folderText});
    row->setData(0, Qt::UserRole, text(path));
    list.addTopLevelItem(row);
    return row;
}

std::string rowPath(const QTreeWidgetItem& row) { return row.data(0, Qt::UserRole).toString().toStdString(); }

} // namespace pictra::ui
