// "元画像を探す": finds the moved originals of the active album's missing
// entries. The user edits the folders to search, starts the search (a bar
// and "中止" while it runs), then sees each proposed pair, the album's store
// copy beside the file found, and confirms all or some of them; for a tie
// the user picks the file. Accepting repoints the checked entries.
#pragma once

#include "core/app/app_state.h"
#include "core/recognise/relink_album.h"

#include <QDialog>

#include <vector>

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace pictra::ui {

class UserPrompts;

class CRelinkDlg : public QDialog {
    Q_OBJECT
public:
    // Takes the missing entries of the working copy (the active album).
    CRelinkDlg(AppState& state, UserPrompts& prompts, QWidget* parent);

    // Entries of the album whose originals are missing (found or not).
    int missingCount() const;
    // The folders that will be searched.
    std::vector<std::string> folders() const;
    void setFolders(const std::vector<std::string>& folders);
    // Runs the search over the folders and fills the confirmation list.
    void search();
    // The changes the checked rows stand for (a tie's row: the file chosen).
    std::vector<RelinkChange> checkedChanges() const;
    // The album paths that repointing touched, after accept.
    const std::vector<std::string>& changedAlbums() const { return m_changedAlbums; }

protected:
    void accept() override;
    void reject() override; // while searching: stop the search

private:
    void addFolder();
    void fillPairs(const RelinkOutcome& outcome);
    QTreeWidgetItem* pairItem(const RelinkProposal& proposal);
    void setAllChecked(bool checked);
    const MissingOriginal* missingAt(int entryIndex) const;

    AppState& m_state;
    UserPrompts& m_prompts;
    std::string m_albumPath;
    MissingEntries m_missing;
    std::vector<RelinkProposal> m_proposals;
    std::vector<std::string> m_changedAlbums;
    QListWidget* m_folders = nullptr;
    QPushButton* m_search = nullptr;
    QPushButton* m_stop = nullptr;
    QProgressBar* m_bar = nullptr;
    QLabel* m_status = nullptr;
    QTreeWidget* m_pairs = nullptr;
    QPushButton* m_apply = nullptr;
    bool m_searching = false;
    bool m_stopRequested = false;
};

} // namespace pictra::ui
