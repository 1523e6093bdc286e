// The error-log dialog of missing source files.
#include "ui/albumwindow/error_log_dialog.h"

#include "core/util/paths.h"
#include "ui/widgets/file_list_view.h"

#include <QDialogButtonBox>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace pictra::ui {
namespace {

QString text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

} // namespace

ErrorLogDialog::ErrorLogDialog(const std::vector<std::string>& missingPaths, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("190"));
    setWindowTitle(QStringLiteral("エラーログ"));
    auto* list = makeFileListView(this, FileListSelection::Single, 30);
    int number = 0;
    for (const std::string& path : missingPaths) {
        list->addTopLevelItem(new QTreeWidgetItem(
            {QString::number(++number), text(BaseName(path)), text(extensionOf(path)), text(folderPart(path))}));
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list);
    layout->addWidget(buttons);
    resize(560, 240);
}

} // namespace pictra::ui
