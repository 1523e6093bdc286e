// Fitting the columns of Qt's own file dialog.
#include "ui/prompts/file_dialog_columns.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFileDialog>
#include <QHeaderView>
#include <QTreeView>

#include <memory>

namespace pictra::ui {

namespace {

// The columns of the dialog's detail view, as its file model numbers them.
constexpr int kSizeColumn = 1;
constexpr int kDateColumn = 3;

class FileDialogColumnFitter final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            if (auto* dialog = qobject_cast<QFileDialog*>(watched)) {
                if (auto* view = dialog->findChild<QTreeView*>(QStringLiteral("treeView"))) {
                    for (int column : {kSizeColumn, kDateColumn})
                        view->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
                }
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void fitFileDialogColumns(QCoreApplication& app)
{
    auto fitter = std::make_unique<FileDialogColumnFitter>();
    app.installEventFilter(fitter.get());
    // Owned by the application from here.
    fitter.release()->setParent(&app);
}

} // namespace pictra::ui
