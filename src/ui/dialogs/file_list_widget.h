// Rows of the shared four-column file list ("No", "ファイル名", "属性" = the
// extension, "ディレクトリ" = the folder). Each row keeps its file's full
// path, so a name without an extension still names the right file.
#pragma once

#include <string>

class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

namespace pictra::ui {

// The shared list, several rows selectable.
QTreeWidget* makeFileList(QWidget* parent, int attributeWidth);

enum class FolderColumn { Plain, WithFinalSeparator };

// Appends the row for `path`, numbered after the rows already there.
void addFileRow(QTreeWidget& list, const std::string& path, FolderColumn folder);

// The full path a row stands for.
std::string rowPath(const QTreeWidgetItem& row);

// Numbers the rows from 1 again (after some were removed).
void renumberFileRows(QTreeWidget& list);

} // namespace pictra::ui
