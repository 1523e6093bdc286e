// CChildFrame: the MDI child of every album, single-image and slide window.
// It keeps the album table in step with activation, size and closing, and
// carries the commands that act on an album as a whole.
#pragma once

#include "core/album/album_record.h"

#include <QMdiSubWindow>

#include <cstdint>

namespace pictra {
struct AppState;
class FileNameList;
}

namespace pictra::ui {

class AlbumWindowHost;
class CPictraView;
class CViewPictra;

class CChildFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    // Opens and shows the window in host.mdiArea() for the record the caller
    // prepared in the working copy (path, columns, rows, entries); the free
    // slot windowSlots[openCount] receives a copy. Raises the open-window
    // count and enters the window's view in both records. The caller checks
    // that fewer than ten windows are open. The window deletes itself on close.
    CChildFrame(AppState& state, AlbumWindowHost& host, AlbumKind kind);
    ~CChildFrame() override;

    // Carries out a command of this window; false when it is not one of its own.
    bool handleCommand(int id);

    std::uint64_t viewId() const { return m_viewId; }
    AlbumKind kind() const { return m_kind; }
    // The page view of an album window; nullptr for the other kinds.
    CViewPictra* pageView() const { return m_pageView; }

    // Appends image files to the current album, which must be this album
    // window's: new entries with fresh stamps, the error log for missing
    // files, focus and selection. Returns 1 when appended, 0 otherwise.
    int appendImages(const FileNameList& list);
    // After this window's entries changed (it must be current): the target
    // settled (on `preferred` when it is a position), the slot, the page
    // list, the focused picture and the information bar follow.
    void showEntriesChanged(int preferred = -1);

    // The window in `area` whose view is `viewId`, or nullptr.
    static CChildFrame* find(QMdiArea& area, std::uint64_t viewId);

    // Makes this window's record the working copy (done on activation); an
    // album window's focused image becomes the only selected one.
    void makeCurrent();
    // The information bar shows this window's target (nothing for an empty
    // album); only while this window is the current one.
    void showTarget();

    // Titles the window after its record: the file name, and " *" after an
    // album's name while it holds unsaved changes.
    void refreshTitle();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Before an album window closes: a changed album asks whether to save
    // it, an unchanged one with images whether to close. False keeps it open.
    bool mayClose();
    void cleanUpOnClose();

    AppState& m_state;
    AlbumWindowHost& m_host;
    AlbumKind m_kind;
    std::uint64_t m_viewId;
    CViewPictra* m_pageView = nullptr;
    CPictraView* m_pictureView = nullptr; // single-image and slide windows
};

} // namespace pictra::ui
