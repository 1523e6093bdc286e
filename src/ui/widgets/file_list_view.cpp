// The four-column file list.
#include "ui/widgets/file_list_view.h"

#include <QTreeWidget>

namespace pictra::ui {

QTreeWidget* makeFileListView(QWidget* parent, FileListSelection selection, int attributeWidth)
{
    auto* list = new QTreeWidget(parent);
    list->setRootIsDecorated(false);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    if (selection == FileListSelection::Several)
        list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setHeaderLabels({QStringLiteral("No"), QStringLiteral("ファイル名"), QStringLiteral("属性"),
                           QStringLiteral("ディレクトリ")});
    const int widths[] = {30, 100, attributeWidth, 600};
    for (int c = 0; c < 4; ++c)
        list->setColumnWidth(c, widths[c]);
    return list;
}

} // namespace pictra::ui
