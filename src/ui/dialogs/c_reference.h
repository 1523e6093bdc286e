// CReference, dialog 141 "移動/複写": copies or moves image files of an
// album into another folder. The list shows the selected images or all of
// them; the rows the user picks go to the target folder on "開始", then the
// dialog closes. A move points every open album's entries at the new place;
// rows that could not go are listed to the user.
#pragma once

#include "core/fileops/transfer_job.h"

#include <QDialog>

#include <string>
#include <vector>

class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTreeWidget;

namespace pictra {
struct AppState;
}

namespace pictra::ui {

class PicturePreview;
class UserPrompts;

class CReference : public QDialog {
    Q_OBJECT
public:
    // `selected` and `all` are image file paths (the selection list and the
    // whole album; the same single path in a single-image window).
    CReference(AppState& state, UserPrompts& prompts, TransferMode mode, std::vector<std::string> selected,
               std::vector<std::string> all, QWidget* parent);

    // The rows the last "開始" worked on, with their outcomes.
    const std::vector<TransferRow>& rows() const { return m_rows; }

private:
    void fillList(bool allImages);
    void rowsPicked();
    void chooseFolder();
    void start();
    std::vector<std::string> pickedSources() const;
    bool confirm(std::vector<TransferRow>& rows, Overwrite& overwrite);
    void report(const std::vector<TransferRow>& rows);
    void renewReplacedCopies(const std::vector<TransferRow>& rows);

    AppState& m_state;
    UserPrompts& m_prompts;
    TransferMode m_mode;
    std::vector<std::string> m_selected;
    std::vector<std::string> m_all;
    std::vector<TransferRow> m_rows;
    QTreeWidget* m_list = nullptr;
    QRadioButton* m_selectedOnly = nullptr;
    QRadioButton* m_allFiles = nullptr;
    QLineEdit* m_folder = nullptr;
    QPushButton* m_start = nullptr;
    PicturePreview* m_preview = nullptr;
    QProgressBar* m_progress = nullptr;
};

} // namespace pictra::ui
