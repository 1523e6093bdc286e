// The album commands of the File menu and every way an album is opened:
// new (untitled "新規-n.abm"), open through the dialog, the recent list,
// dropped albums, the shell's open command and the albums reopened at start;
// save and save as. Failures of reading and saving are told to the user.
#pragma once

#include "core/util/result.h"

#include <QString>

#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace pictra {
struct AppState;
}

namespace pictra::ui {

class AlbumWindowHost;
class CChildFrame;

class AlbumDocuments {
public:
    // `recentChanged` is called after the recent album list was changed.
    AlbumDocuments(AppState& state, AlbumWindowHost& host, QWidget* window, std::function<void()> recentChanged);

    // A new untitled album window; nullptr when ten windows are open.
    CChildFrame* newAlbum();

    // Open through the file dialog, starting in the last-used album folder.
    void openWithDialog();
    // Opens `path`: activates its window when it is open, else reads it into
    // the active window when that is an empty album, else into a new window.
    // Refuses (with a message) an album whose store folder another open
    // album uses, and tells why a read failed. True when the album is shown.
    bool openAlbum(const std::string& path);
    // Recent entry `k` (1 = the most recent).
    void openRecent(int k);
    // Opens `copyFile`, a recovery copy of the album `albumPath`, in a new
    // window: the album keeps its own path (a save writes its file) and shows
    // as changed. On failure no window stays and the status is returned
    // (InvalidArgument also when no window can be made).
    Status restoreAlbum(const std::string& copyFile, const std::string& albumPath);

    // Save: a named album is written in place; an untitled one asks for a name.
    // True when the album is in its file now; false when the user cancelled
    // or the save failed (the user was told why, the album stays changed).
    bool save();
    bool saveAs();

    // Paths of the open album windows (kind album), in opening order.
    std::vector<std::string> openAlbumPaths() const;
    // The window of the working copy, or nullptr.
    CChildFrame* activeFrame() const;

private:
    CChildFrame* frameOfSlot(int slot) const;
    Status readInto(CChildFrame& frame, const std::string& path, const std::string& source);
    bool writeTo(const std::string& target, const std::string& storePath);
    QString askSavePath();
    void rememberAlbumFolder(const std::string& path);

    AppState& m_state;
    AlbumWindowHost& m_host;
    QWidget* m_window;
    std::function<void()> m_recentChanged;
};

} // namespace pictra::ui
