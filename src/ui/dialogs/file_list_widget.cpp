// The shared list of files.
#include "ui/dialogs/file_list_widget.h"

#include "core/util/paths.h"
#include "ui/widgets/file_list_view.h"

#include <QTreeWidget>

namespace pictra::ui {
namespace {

QString text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

constexpr int kPathRole = Qt::UserRole;

} // namespace

QTreeWidget* makeFileList(QWidget* parent, int attributeWidth)
{
    return makeFileListView(parent, FileListSelection::Several, attributeWidth);
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
