// The shared list of files.
#include "ui/dialogs/file_list_widget.h"

#include "core/util/paths.h"

#include <QTreeWidget>

namespace pictra::ui {
namespace {

QString text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

constexpr int kPathRole = Qt::UserRole;

} // namespace

QTreeWidget* makeFileList(QWidget* parent, int attributeWidth)
{
    auto* list = new QTreeWidget(parent);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setHeaderLabels({QStringLiteral("No"), QStringLiteral("ファイル名"), QStringLiteral("属性"),
                           QStringLiteral("ディレクトリ")});
    const int widths[] = {30, 100, attributeWidth, 600};
    for (int c = 0; c < 4; ++c)
        list->setColumnWidth(c, widths[c]);
    return list;
}

void addFileRow(QTreeWidget& list, const std::string& path, FolderColumn folder)
{
    QString folderText = text(folderPart(path));
    if (folder == FolderColumn::WithFinalSeparator)
        folderText += QLatin1Char('/');
    auto* row = new QTreeWidgetItem({QString::number(list.topLevelItemCount() + 1), text(BaseName(path)),
                                     text(extensionOf(path)), folderText});
    row->setData(0, kPathRole, text(path));
    list.addTopLevelItem(row);
}

std::string rowPath(const QTreeWidgetItem& row) { return row.data(0, kPathRole).toString().toStdString(); }

void renumberFileRows(QTreeWidget& list)
{
    for (int i = 0; i < list.topLevelItemCount(); ++i)
        list.topLevelItem(i)->setText(0, QString::number(i + 1));
}

} // namespace pictra::ui
