// The file list of the dialogs that list image files: report style with
// the columns "No", "ファイル名", "属性" and "ディレクトリ", whole rows
// selected, several at once when asked.
#pragma once

class QTreeWidget;
class QWidget;

namespace pictra::ui {

enum class FileListSelection {
    Single,
    Several,
};

// A new list in `parent`; `attributeWidth` is the "属性" column's width.
QTreeWidget* makeFileListView(QWidget* parent, FileListSelection selection, int attributeWidth = 50);

} // namespace pictra::ui
