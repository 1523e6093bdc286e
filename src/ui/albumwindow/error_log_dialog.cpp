// The error-log dialog of missing source files.
#include "ui/albumwindow/error_log_dialog.h"

#include "core/util/cp932.h"
#include "core/util/paths.h"
#include "ui/dialogs/album_change_messages.h"
#include "ui/dialogs/relink_messages.h"
#include "ui/widgets/file_list_view.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace pictra::ui {
namespace {

QString text(std::string_view s) { return QString::fromStdString(storedPathToUtf8(s)); }

} // namespace

ErrorLogDialog::ErrorLogDialog(const std::string& albumPath, const std::vector<std::string>& missingPaths,
                               QWidget* parent, std::function<void()> findOriginals)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("190"));
    setWindowTitle(QStringLiteral("エラーログ"));
    auto* explanation = new QLabel(missingSourcesExplanation(text(albumPath)), this);
    explanation->setObjectName(QStringLiteral("explanation"));
    explanation->setWordWrap(true);
    auto* list = makeFileListView(this, FileListSelection::Single, 30);
    std::vector<std::string> listed;
    for (const std::string& path : missingPaths) {
        // An album may list one file in several entries; the user needs it once.
        if (std::find(listed.begin(), listed.end(), path) != listed.end())
            continue;
        listed.push_back(path);
        list->addTopLevelItem(new QTreeWidgetItem({QString::number(static_cast<int>(listed.size())), text(BaseName(path)),
                                                   text(extensionOf(path)), text(folderPart(path))}));
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    if (findOriginals) {
        QPushButton* find = buttons->addButton(relinkErrorLogButtonText(), QDialogButtonBox::ActionRole);
        find->setObjectName(QStringLiteral("findOriginals"));
        connect(find, &QPushButton::clicked, this, [this, findOriginals = std::move(findOriginals)] {
            accept();
            findOriginals();
        });
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addWidget(list);
    layout->addWidget(buttons);
    resize(640, 320);
}

} // namespace pictra::ui
