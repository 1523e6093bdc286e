// CSearchDlg, dialog 134 "検索": finds images in the current album
// ("検索", through the temporary album file the command writes) or on disk
// ("ファイルから検索"), lists them with a preview, and hands the chosen
// ones back through the result file for opening or adding; it can also
// move found files to the trash. The disk search runs on the ui thread and
// lets events run every few milliseconds, so "中止" is seen at once.
#pragma once

#include "core/search/search_words.h"

#include <QDialog>

#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace pictra {
struct AppState;
}

namespace pictra::ui {

class PicturePreview;
class SearchResultList;
class UserPrompts;

class CSearchDlg : public QDialog {
    Q_OBJECT
public:
    enum HandOver { None = 0, Open = 1, Add = 2 };

    // `mode` is the command that opened it (cmd::kSearch or
    // cmd::kSearchFromFile). "追加" is offered only with `albumWindowCurrent`
    // (the store copies go into the working copy's store folder).
    CSearchDlg(AppState& state, UserPrompts& prompts, int mode, bool albumWindowCurrent, QWidget* parent);

    // What the caller is to do with the result file after the dialog ended.
    HandOver handOver() const { return m_handOver; }
    bool searching() const { return m_searching; }

public slots:
    void startSearch();
    void reject() override; // refused while a search runs

private:
    void setUpLocations();
    void chooseLocation(int index);
    void patternChanged(const QString& pattern);
    void selectionChanged();
    void runAlbumSearch(const std::string& pattern);
    void runDiskSearch(const std::string& pattern);
    void addRows(const std::vector<std::string>& paths);
    void showFoundCount();
    void handBack(HandOver what);
    void deleteSelected();
    std::vector<std::string> selectedPaths() const;
    void enableResultButtons(bool enable);

    AppState& m_state;
    UserPrompts& m_prompts;
    int m_mode;
    bool m_albumWindowCurrent;
    HandOver m_handOver = None;
    bool m_searching = false;
    SearchWords m_words;
    std::string m_selectedPath;
    int m_damagedAlbums = 0;
    int m_previousLocation = 0;

    QComboBox* m_pattern = nullptr;
    QLineEdit* m_wordsEdit = nullptr;
    QComboBox* m_location = nullptr;
    QPushButton* m_start = nullptr;
    QPushButton* m_stop = nullptr;
    QPushButton* m_open = nullptr;
    QPushButton* m_delete = nullptr;
    QPushButton* m_add = nullptr;
    QLabel* m_resultText = nullptr;
    SearchResultList* m_list = nullptr;
    PicturePreview* m_preview = nullptr;
    QLabel* m_folderText = nullptr;
};

} // namespace pictra::ui
