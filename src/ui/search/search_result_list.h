// The search dialog's result list: "No", "ファイル名", "属性" (the
// extension), "ディレクトリ", "サイズ" and "更新日時", one row per found file.
// A click on a column heading sorts by it (a second click: the other way
// round); sizes and dates sort by value, texts in natural order ("IMG_9"
// before "IMG_10"), "No" by the order the files were found. "No" numbers the
// rows 1..n as they stand, whatever the sort.
#pragma once

#include <QTreeWidget>

#include <string>
#include <vector>

namespace pictra::ui {

class SearchResultList : public QTreeWidget {
    Q_OBJECT
public:
    enum Column { Number, Name, Attribute, Folder, Size, Modified, ColumnCount };

    explicit SearchResultList(QWidget* parent);

    // Adds a row per path (size and date read now), placed by the current sort.
    void addPaths(const std::vector<std::string>& paths);
    // Sorts by `column` as a heading click does, and numbers the rows again.
    void sortRows(int column, Qt::SortOrder order);
    // Numbers the rows from 1 again (after some were removed).
    void renumber();

    // The full path a row stands for.
    static std::string rowPath(const QTreeWidgetItem& row);

private:
    void headingClicked(int column);

    int m_found = 0; // rows added since the list was last empty: the found order
    int m_sortColumn = Number;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};

} // namespace pictra::ui
