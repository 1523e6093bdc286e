// The album open dialog with preview.
#include "ui/dialogs/c_open_filedlg.h"

#include "ui/dialogs/album_preview_strip.h"

#include <QFileInfo>
#include <QGridLayout>

namespace pictra::ui {

COpenFiledlg::COpenFiledlg(QWidget* parent, const QString& caption, const QString& folder, const QString& filter,
                           const std::string& scratchFolder)
    : QFileDialog(parent, caption, folder, filter)
{
    setObjectName(QStringLiteral("196"));
    // The strip goes into the dialog's own layout, which only Qt's dialog has.
    setOption(QFileDialog::DontUseNativeDialog);
    setFileMode(QFileDialog::ExistingFile);
    setAcceptMode(QFileDialog::AcceptOpen);
    setDefaultSuffix(QStringLiteral("abm"));
    m_strip = new AlbumPreviewStrip(scratchFolder, this);
    if (auto* grid = qobject_cast<QGridLayout*>(layout()))
        grid->addWidget(m_strip, grid->rowCount(), 0, 1, grid->columnCount());
    connect(this, &QFileDialog::currentChanged, this, [this](const QString& path) {
        m_strip->showAlbum(QFileInfo(path).isFile() ? path.toStdString() : std::string());
    });
}

} // namespace pictra::ui
