// COpenFiledlg: the album open dialog, a file dialog with the strip of the
// selected album's pictures under its file list.
#pragma once

#include <QFileDialog>

#include <string>

namespace pictra::ui {

class AlbumPreviewStrip;

class COpenFiledlg : public QFileDialog {
    Q_OBJECT
public:
    // Opens existing files; `scratchFolder` receives the extracted copies.
    COpenFiledlg(QWidget* parent, const QString& caption, const QString& folder, const QString& filter,
                 const std::string& scratchFolder);

    AlbumPreviewStrip& strip() { return *m_strip; }

private:
    AlbumPreviewStrip* m_strip = nullptr;
};

} // namespace pictra::ui
