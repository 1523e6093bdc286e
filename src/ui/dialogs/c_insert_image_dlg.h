// CInsertImageDlg, dialog 133 "画像挿入": collects image files to append to
// an album. "開く" adds files (writing their store copies at once, with
// progress), a strip of six cells pages through the list, a click previews
// one file, "削除" drops the previewed file, "挿入" closes with the list.
#pragma once

#include <QDialog>

#include <string>
#include <vector>

class QProgressBar;
class QPushButton;

namespace pictra {
struct AppState;
}

namespace pictra::ui {

class PicturePreview;
class ThumbnailStrip;
class UserPrompts;

// The album the files are for: its file (naming the store folder) and the
// source paths of its images (for the room left and store-name clashes).
struct InsertTarget {
    std::string albumPath;
    std::vector<std::string> imagePaths;
};

class CInsertImageDlg : public QDialog {
    Q_OBJECT
public:
    CInsertImageDlg(AppState& state, UserPrompts& prompts, InsertTarget target, QWidget* parent);

    // The chosen files in the order they were added (read after "挿入").
    const std::vector<std::string>& paths() const { return m_paths; }
    // How many more files the list takes: at most 999, and no more than the album has room for.
    int room() const;

private:
    void pickFiles();
    void addFiles(const QStringList& chosen);
    void removePreviewed();
    void insert();
    void showItem(int item);
    void refresh();
    void paintCell(QPainter& painter, const QRect& cell, int item);

    AppState& m_state;
    UserPrompts& m_prompts;
    InsertTarget m_target;
    std::vector<std::string> m_paths;
    PicturePreview* m_preview = nullptr;
    ThumbnailStrip* m_strip = nullptr;
    QPushButton* m_open = nullptr;
    QPushButton* m_insert = nullptr;
    QPushButton* m_remove = nullptr;
    QProgressBar* m_progress = nullptr;
};

} // namespace pictra::ui
