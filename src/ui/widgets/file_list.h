// The file list of the dialogs that show image files as rows: "No",
// "ファイル名" (base name), "属性" (extension) and "ディレクトリ" (folder),
// full-row selection. Each row keeps the file's path.
#pragma once

#include <QString>

#include <string>

class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

namespace pictra::ui {

// A list with those columns, 30, 100, `attributeWidth` and 600 pixels wide.
QTreeWidget* makeFileList(QWidget* parent, int attributeWidth);

// Whether the folder column ends with "/" (the copy/move list) or not (the error log).
enum class FolderColumn { Plain, WithSeparator };

// Appends the row of `path`, numbered `number` (from 1).
QTreeWidgetItem* addFileRow(QTreeWidget& list, int number, const std::string& path, FolderColumn folder);

// The path a row was made for.
std::string rowPath(const QTreeWidgetItem& row);

} // namespace pictra::ui
