// The error-log dialog of missing source files.
#include "ui/albumwindow/error_log_dialog.h"

#include "ui/dialogs/file_list_widget.h"

#include <QDialogButtonBox>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace pictra::ui {

ErrorLogDialog::ErrorLogDialog(const std::vector<std::string>& missingPaths, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("190"));
    setWindowTitle(QStringLiteral("エラーログ"));
    QTreeWidget* list = makeFileList(this, 30);
    for (const std::string& path : missingPaths)
        addFileRow(*list, path, FolderColumn::Plain);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list);
    layout->addWidget(buttons);
    resize(560, 240);
}

} // namespace pictra::ui
